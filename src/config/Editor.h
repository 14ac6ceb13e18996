// The configuration editor's callbacks on Konf, taking the values the controls deliver,
// and what its redraw derives from Konf. Callbacks that the meter's rules say end with a
// redraw call ShowAll / ActivateObjects (config/EditorRefresh.h) themselves.
#pragma once

#include <QString>
#include <vector>

// Network system, transformer ratios, frequency.
void CmSelSystem(int code);
void CmSelQMode(int on);            // reactive presentation: 1 incoming/outgoing
void CmUrPrim(float value, int kv); // kv 1: value is in kV
void CmUrSec(int value);
void CmIrPrim(float value, int ka); // ka 1: value is in kA
void CmIrSec(float value);
void CmSelFreq(int selector); // 0 the first nominal frequency, else the second
void CmLockFreq(int on);
void CmCosPhiCorr(int on);

// Digital outputs (i = 0, 1).
void CmSelDigOut(int i, int function);             // 3 limit, 2 pulse, other none
void CmDigOutMeas(int i, int value);               // measurand code or energy code 64 + 4 k
void CmDigOutLimit(int i, int field, float value); // field 0 switch-on, 1 switch-off
void CmDigOutPulse(int i, int rate);
void CmSelPulseUnit(int i, int value);

// Digital input.
void CmSelHighLow(int value); // 2 tariff input, 1 not
void CmSetSyncInterval(int minutes);
void CmSelSyncMode(int mode); // 0 internal interval, 1 external synchronisation, 2 none

// Display and the meter's own bus settings.
void CmSelDispMode(int mode);
void CmLockDispMode(int on);
void CmSelRefreshTime(int index);
void CmSelDevBaudrate(int index);
void CmSelDevParity(int index);
void CmSelDeviceAddr(int address);

// Logger, mean values, min/max logger.
void CmSelLoggerMode(int mode);             // 1 stop when full, 2 overwrite
void CmSelLoggerMeas(const bool groups[5]); // boxes of bits 10-14 of Logger
void CmSelMeanLogMeas(const bool boxes[9]);
void CmSelMean(int row, int code);
void CmSelMM(int row, int code);
// Asks, then erases the meter's logger.
void ResetLoggerConfiguration();

// ---- What the redraw shows ----

// Limit fields of a limit output: range, decimals and the two thresholds as shown.
struct LimitFieldView {
    double min;
    double max;
    int decimals;
    double value[2]; // switch-on, switch-off
};
LimitFieldView LimitFields(int i);

// Position in the energy list of a pulse output to select.
int PulseEnergyPosition(int i, const std::vector<int>& entries);

int SyncModeValue();   // 0 internal, 1 external, 2 none
int TariffValue();     // 2 tariff input, 1 not
int LoggerModeValue(); // 0 no interface option, 1 stop when full, 2 overwrite
// Estimated recording time of the logger, ">dd:hh:mm", or "- - -".
QString RecordingTimeText();
// The redraw's own corrections of Konf: logged mean values without a measurand, and
// measurand codes the network class does not offer.
void PrepareRedraw();

// Which controls the editor offers (the selector lists come from config/EditorLists.h).
struct EditorActivation {
    bool nomFreqVisible;
    bool freqLockEnabled;  // and refresh time
    bool recordingEnabled; // recording-time text and logger-group boxes
    bool intervalEnabled;
    bool extendedDisplay;   // reactive-energy box, display mode, its lock
    bool pagesEnabled;      // loop/user page selection
    bool meanEnabled;       // mean-value selectors
    bool meanLogEnabled[9]; // their logging boxes
    bool minMaxEnabled;
};
// Computes the activation; an enabled interval field with interval 0 restarts Konf's
// digital input at 15 minutes.
EditorActivation ActivateEditor();
