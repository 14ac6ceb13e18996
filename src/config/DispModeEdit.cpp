// The display settings of the main panel and the meter's own bus settings. These change
// session.edited only; they reach the meter with the next send.
#include "config/ConfigImage.h"
#include "config/Editor.h"
#include "config/EditorRefresh.h"

void CmSelDispMode(MeterSession& session, int mode) {
    session.edited.DispMode = uint8_t((session.edited.DispMode & ~kDispModeMode) | (mode & kDispModeMode));
    ActivateObjects();
    ShowAll();
}

void CmLockDispMode(MeterSession& session, int on) {
    session.edited.DispMode =
        uint8_t(on ? session.edited.DispMode | kDispModeLocked : session.edited.DispMode & ~kDispModeLocked);
}

void CmSelRefreshTime(MeterSession& session, int index) {
    session.edited.Display =
        uint8_t((session.edited.Display & kDisplayBrightness) | ((index << 4) & kDisplayRefresh));
}

void CmSelDevBaudrate(MeterSession& session, int index) {
    session.edited.BusSettings =
        uint8_t((session.edited.BusSettings & ~kBusBaudrate) | (index & kBusBaudrate));
}

void CmSelDevParity(MeterSession& session, int index) {
    session.edited.BusSettings =
        uint8_t((session.edited.BusSettings & ~kBusParity) | ((index << kBusParityShift) & kBusParity));
}

void CmSelDeviceAddr(MeterSession& session, int address) {
    session.edited.Address = uint8_t(address);
}
