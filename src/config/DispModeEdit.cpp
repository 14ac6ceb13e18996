// The display settings of the main panel and the meter's own bus settings. These change
// Konf only; they reach the meter with the next send.
#include "config/ConfigImage.h"
#include "config/Editor.h"
#include "config/EditorRefresh.h"

void CmSelDispMode(int mode) {
    Konf.DispMode = uint8_t((Konf.DispMode & ~kDispModeMode) | (mode & kDispModeMode));
    ActivateObjects();
    ShowAll();
}

void CmLockDispMode(int on) {
    Konf.DispMode = uint8_t(on ? Konf.DispMode | kDispModeLocked : Konf.DispMode & ~kDispModeLocked);
}

void CmSelRefreshTime(int index) {
    Konf.Display = uint8_t((Konf.Display & kDisplayBrightness) | ((index << 4) & kDisplayRefresh));
}

void CmSelDevBaudrate(int index) {
    Konf.BusSettings = uint8_t((Konf.BusSettings & ~kBusBaudrate) | (index & kBusBaudrate));
}

void CmSelDevParity(int index) {
    Konf.BusSettings = uint8_t((Konf.BusSettings & ~kBusParity) | ((index << kBusParityShift) & kBusParity));
}

void CmSelDeviceAddr(int address) {
    Konf.Address = uint8_t(address);
}
