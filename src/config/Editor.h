// The configuration editor's callbacks on session.edited, taking the values the controls deliver,
// and what its redraw derives from session.edited. Callbacks that the meter's rules say end with a
// redraw call ShowAll / ActivateObjects (config/EditorRefresh.h) themselves.
#pragma once

#include <QString>
#include <vector>

struct MeterSession;

// Network system, transformer ratios, frequency.
void CmSelSystem(MeterSession& session, int code);
void CmSelQMode(MeterSession& session, int on);            // reactive presentation: 1 incoming/outgoing
void CmUrPrim(MeterSession& session, float value, int kv); // kv 1: value is in kV
void CmUrSec(MeterSession& session, int value);
void CmIrPrim(MeterSession& session, float value, int ka); // ka 1: value is in kA
void CmIrSec(MeterSession& session, float value);
void CmSelFreq(MeterSession& session, int selector); // 0 the first nominal frequency, else the second
void CmLockFreq(MeterSession& session, int on);
void CmCosPhiCorr(MeterSession& session, int on);

// Digital outputs (i = 0, 1).
void CmSelDigOut(MeterSession& session, int i, int function); // 3 limit, 2 pulse, other none
void CmDigOutMeas(MeterSession& session, int i, int value);   // measurand code or energy code 64 + 4 k
void CmDigOutLimit(MeterSession& session, int i, int field, float value); // field 0 switch-on, 1 switch-off
void CmDigOutPulse(MeterSession& session, int i, int rate);
void CmSelPulseUnit(MeterSession& session, int i, int value);

// Digital input.
void CmSelHighLow(MeterSession& session, int value); // 2 tariff input, 1 not
void CmSetSyncInterval(MeterSession& session, int minutes);
// mode 0 internal interval, 1 external synchronisation, 2 none.
void CmSelSyncMode(MeterSession& session, int mode);

// Display and the meter's own bus settings.
void CmSelDispMode(MeterSession& session, int mode);
void CmLockDispMode(MeterSession& session, int on);
void CmSelRefreshTime(MeterSession& session, int index);
void CmSelDevBaudrate(MeterSession& session, int index);
void CmSelDevParity(MeterSession& session, int index);
void CmSelDeviceAddr(MeterSession& session, int address);

// Logger, mean values, min/max logger.
void CmSelLoggerMode(MeterSession& session, int mode);             // 1 stop when full, 2 overwrite
void CmSelLoggerMeas(MeterSession& session, const bool groups[5]); // boxes of bits 10-14 of Logger
void CmSelMeanLogMeas(MeterSession& session, const bool boxes[9]);
void CmSelMean(MeterSession& session, int row, int code);
void CmSelMM(MeterSession& session, int row, int code);
// Asks, then erases the meter's logger.
void ResetLoggerConfiguration(MeterSession& session);

// ---- What the redraw shows ----

// Limit fields of a limit output: range, decimals and the two thresholds as shown.
struct LimitFieldView {
    double min;
    double max;
    int decimals;
    double value[2]; // switch-on, switch-off
};
LimitFieldView LimitFields(MeterSession& session, int i);

// Position in the energy list of a pulse output to select.
int PulseEnergyPosition(MeterSession& session, int i, const std::vector<int>& entries);

int SyncModeValue(MeterSession& session);   // 0 internal, 1 external, 2 none
int TariffValue(MeterSession& session);     // 2 tariff input, 1 not
int LoggerModeValue(MeterSession& session); // 0 no interface option, 1 stop when full, 2 overwrite
// Estimated recording time of the logger, ">dd:hh:mm", or "- - -".
QString RecordingTimeText(MeterSession& session);
// The redraw's own corrections of session.edited: logged mean values without a measurand, and
// measurand codes the network class does not offer.
void PrepareRedraw(MeterSession& session);

// Which controls the editor offers (the selector lists come from config/EditorLists.h).
struct EditorActivation {
    bool nomFreqVisible;
    bool freqLockEnabled;  // and refresh time
    bool recordingEnabled; // recording-time text and logger-group boxes
    bool intervalEnabled;
    bool extendedDisplay;   // reactive-energy box, display mode, its lock
    bool meanEnabled;       // mean-value selectors
    bool meanLogEnabled[9]; // their logging boxes
    bool minMaxEnabled;
};
// Computes the activation; an enabled interval field with interval 0 restarts session.edited's
// digital input at 15 minutes.
EditorActivation ActivateEditor(MeterSession& session);
