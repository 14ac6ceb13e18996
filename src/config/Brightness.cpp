#include "config/Brightness.h"

#include "config/ConfigImage.h"
#include "link/DeviceLink.h"
#include "settings/INI_File.h"

#include <algorithm>

int OpenBrightness(MeterSession& session) {
    if (!InitInterface()) return 0;
    if (!Read(session.read, kReadDisplay, 1)) {
        CloseInterface();
        return 0;
    }
    return 1;
}

int Brightness(MeterSession& session) {
    return session.read.Display & kDisplayBrightness;
}

int CmSelBright(MeterSession& session, int value) {
    const uint8_t before = session.read.Display;
    session.read.Display =
        uint8_t((before & kDisplayRefresh) | (std::clamp(value, 0, 15) & kDisplayBrightness));
    if (!Write(session.read, kWriteDisplay, 1, 0)) {
        session.read.Display = before;
        return 0;
    }
    return 1;
}

void CloseBrightness() {
    CloseInterface();
}
