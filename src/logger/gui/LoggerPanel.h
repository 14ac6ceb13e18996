// The meter logger panel: the logger's status, its channels and records from the
// meter or from a *.ZRD file, with its own menu bar and toolbar.
#pragma once

struct MeterSession;

class QTimer;
class QWidget;
struct MeterLog;

// The records the panel shows, the meter's or a file's. They outlive the panel: the
// file opened last is there again when the panel opens without a meter.
MeterLog& LoggerPanelLog();

// Main menu: the logger of the meter in use (for every interface kind but the module,
// whose own logger has a panel of its own), or the logger without a meter.
int CmLoggerAcquisition(MeterSession& session);
int CmLoggerOffline(MeterSession& session);

// The panel's menu and toolbar commands.
int CmReadLoggerData(MeterSession& session);
int CmStoreLoggerFile(MeterSession& session);
int CmOpenLoggerFile(MeterSession& session);
int CmLoggerReset(MeterSession& session);
int CmShowMinMax();
int CmCloseLogDisplay(MeterSession& session);
// The data views that follow the records: the profile graph and the workbook export
// take over at the marked lines once they exist.
int CmDispLogData(MeterSession& session);
int CmExcelExport(MeterSession& session);

// Sets up the panel after it is shown: status timer, description, interval, status.
void InitLogger(MeterSession& session);
// Enables (non-zero) or dims the menu entries store, read, profile graph, extremes,
// export and reset, with their toolbar buttons.
void ActivateLogMenu(int store, int read, int view1, int view2, int view3, int reset);
void ShowLoggerStatus(MeterSession& session, int refresh); // refresh 1 reads the status block first
void ShowLoggerInfo();
void ShowLoggerTimeDate(int index);

QTimer* LoggerStatusTimer(MeterSession& session);
