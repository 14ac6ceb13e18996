// The meter logger panel: the logger's status, its channels and records from the
// meter or from a *.ZRD file, with its own menu bar and toolbar.
#pragma once

class QTimer;
class QWidget;
struct MeterLog;

// The records the panel shows, the meter's or a file's. They outlive the panel: the
// file opened last is there again when the panel opens without a meter.
MeterLog& LoggerPanelLog();

// Main menu: the logger of the meter in use (for every interface kind but the module,
// whose own logger has a panel of its own), or the logger without a meter.
int CmLoggerAcquisition();
int CmLoggerOffline();

// The panel's menu and toolbar commands.
int CmReadLoggerData();
int CmStoreLoggerFile();
int CmOpenLoggerFile();
int CmLoggerReset();
int CmShowMinMax();
int CmCloseLogDisplay();
// The data views that follow the records: the profile graph and the workbook export
// take over at the marked lines once they exist.
int CmDispLogData();
int CmExcelExport();

// Sets up the panel after it is shown: status timer, description, interval, status.
void InitLogger();
// Enables (non-zero) or dims the menu entries store, read, profile graph, extremes,
// export and reset, with their toolbar buttons.
void ActivateLogMenu(int store, int read, int view1, int view2, int view3, int reset);
void ShowLoggerStatus(int refresh); // refresh 1 reads the status block first
void ShowLoggerInfo();
void ShowLoggerTimeDate(int index);

QTimer* LoggerStatusTimer();
