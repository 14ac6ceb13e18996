// The display settings of the main panel and the meter's own bus settings. These change
// Konf only; they reach the meter with the next send.
#include "config/ConfigImage.h"
#include "config/Editor.h"
#include "config/EditorRefresh.h"

void CmSelDispMode(int mode) {
    Konf.DispMode = uint8_t((Konf.DispMode & ~0x03) | (mode & 0x03));
    ActivateObjects();
    ShowAll();
}

void CmLockDispMode(int on) {
    Konf.DispMode = uint8_t(on ? Konf.DispMode | 0x04 : Konf.DispMode & ~0x04);
}

void CmSelRefreshTime(int index) {
    Konf.Display = uint8_t((Konf.Display & 0x0F) | ((index & 0x0F) << 4));
}

void CmSelDevBaudrate(int index) {
    Konf.BusSettings = uint8_t((Konf.BusSettings & ~0x07) | (index & 0x07));
}

void CmSelDevParity(int index) {
    Konf.BusSettings = uint8_t((Konf.BusSettings & ~0x18) | ((index & 0x03) << 3));
}

void CmSelDeviceAddr(int address) {
    Konf.Address = uint8_t(address);
}
