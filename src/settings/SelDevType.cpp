#include "settings/SelDevType.h"

#include "config/ConfigImage.h"
#include "config/EditorRefresh.h"
#include "settings/INI_File.h"

#include <cstring>

namespace {
constexpr uint8_t kViaModule = 0x40; // BusSettings
constexpr uint8_t kNoOption = 0x80;  // BusSettings

void UseModule(MeterSession& session, bool on) {
    SelectInterface(session.connection, on ? kModule : kRS232, session.connection.gatewayIndex,
                    session.connection.moduleIndex);
    session.edited.BusSettings =
        uint8_t(on ? session.edited.BusSettings | kViaModule : session.edited.BusSettings & ~kViaModule);
}

void NoMeanValues(MeterSession& session) {
    std::memset(session.edited.MeanMeas, 255, sizeof session.edited.MeanMeas);
}

void Refresh(const MeterSession& session) {
    NewINIFile(session);
    ActivateObjects();
    ShowAll();
}
} // namespace

void CmSelDeviceType(MeterSession& session, int choice) {
    if (choice == 0 && session.edited.Model == 1) {
        // Back to the standard meter: drop what only the extended model knows.
        if (session.connection.kind == kModule) UseModule(session, false);
        session.edited.Freq &= uint8_t(~kFreqLocked);
        session.edited.DispMode &= uint8_t(~kDispModeInOut);
        session.edited.Logger &= 0x0FFF;
        NoMeanValues(session);
        const int code = SystemCode(session.edited);
        if (code == 20 || code == 19)
            session.edited.System = uint8_t((session.edited.System & ~kSystemCode) | (code - 16));
    }
    if (choice == 1 || choice == 2) {
        UseModule(session, choice == 2);
        InitDispModeSelection(session.edited);
        session.edited.Freq = 2;
        session.edited.DispMode = 0x10;
        NoMeanValues(session);
        session.edited.Mean_Log = 0;
    }
    session.edited.Model = (choice == 1 || choice == 2) ? 1 : 0;
    session.edited.Interface = 1;
    session.edited.BusSettings &= uint8_t(~kNoOption);
    Refresh(session);
}

void CmSelModuleType(MeterSession& session, int present) {
    UseModule(session, present != 0);
    Refresh(session);
}

void CmSelInterfaceOption(MeterSession& session, int value) {
    if (value != session.edited.Interface) {
        if (value == 0) {
            NoMeanValues(session);
            session.edited.Mean_Log = 0;
            session.edited.Logger &= 0x03FF;
            session.edited.BusSettings |= kNoOption;
        } else {
            session.edited.BusSettings &= uint8_t(~kNoOption);
        }
    }
    session.edited.Interface = int16_t(value);
    Refresh(session);
}

void CmSelI(MeterSession& session, int oneAmpere) {
    session.edited.MaxI = oneAmpere ? 100 : 500;
    session.edited.IrSec = float(session.edited.MaxI / 100.0);
    Refresh(session);
}
