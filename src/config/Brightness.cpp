#include "config/Brightness.h"

#include "config/ConfigImage.h"
#include "link/DeviceLink.h"
#include "settings/INI_File.h"

#include <algorithm>

int OpenBrightness() {
    if (!InitInterface()) return 0;
    if (!Read(Lese, kReadDisplay, 1)) {
        CloseInterface();
        return 0;
    }
    return 1;
}

int Brightness() {
    return Lese.Display & kDisplayBrightness;
}

int CmSelBright(int value) {
    const uint8_t before = Lese.Display;
    Lese.Display = uint8_t((before & kDisplayRefresh) | (std::clamp(value, 0, 15) & kDisplayBrightness));
    if (!Write(Lese, kWriteDisplay, 1, 0)) {
        Lese.Display = before;
        return 0;
    }
    return 1;
}

void CloseBrightness() {
    CloseInterface();
}
