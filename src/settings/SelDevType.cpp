#include "settings/SelDevType.h"

#include "config/ConfigImage.h"
#include "config/EditorRefresh.h"
#include "settings/INI_File.h"

#include <cstring>

namespace {
constexpr uint8_t kViaModule = 0x40; // BusSettings
constexpr uint8_t kNoOption = 0x80;  // BusSettings

void UseModule(bool on) {
    SelectInterface(ConnectionInUse(), on ? kModule : kRS232, ConnectionInUse().gatewayIndex,
                    ConnectionInUse().moduleIndex);
    Konf.BusSettings = uint8_t(on ? Konf.BusSettings | kViaModule : Konf.BusSettings & ~kViaModule);
}

void NoMeanValues() {
    std::memset(Konf.MeanMeas, 255, sizeof Konf.MeanMeas);
}

void Refresh() {
    NewINIFile(ConnectionInUse());
    ActivateObjects();
    ShowAll();
}
} // namespace

void CmSelDeviceType(int choice) {
    if (choice == 0 && Konf.Model == 1) {
        // Back to the standard meter: drop what only the extended model knows.
        if (ConnectionInUse().kind == kModule) UseModule(false);
        Konf.Freq &= uint8_t(~kFreqLocked);
        Konf.DispMode &= uint8_t(~kDispModeInOut);
        Konf.Logger &= 0x0FFF;
        NoMeanValues();
        const int code = SystemCode(Konf);
        if (code == 20 || code == 19) Konf.System = uint8_t((Konf.System & ~kSystemCode) | (code - 16));
    }
    if (choice == 1 || choice == 2) {
        UseModule(choice == 2);
        InitDispModeSelection();
        Konf.Freq = 2;
        Konf.DispMode = 0x10;
        NoMeanValues();
        Konf.Mean_Log = 0;
    }
    Konf.Model = (choice == 1 || choice == 2) ? 1 : 0;
    Konf.Interface = 1;
    Konf.BusSettings &= uint8_t(~kNoOption);
    Refresh();
}

void CmSelModuleType(int present) {
    UseModule(present != 0);
    Refresh();
}

void CmSelInterfaceOption(int value) {
    if (value != Konf.Interface) {
        if (value == 0) {
            NoMeanValues();
            Konf.Mean_Log = 0;
            Konf.Logger &= 0x03FF;
            Konf.BusSettings |= kNoOption;
        } else {
            Konf.BusSettings &= uint8_t(~kNoOption);
        }
    }
    Konf.Interface = int16_t(value);
    Refresh();
}

void CmSelI(int oneAmpere) {
    Konf.MaxI = oneAmpere ? 100 : 500;
    Konf.IrSec = float(Konf.MaxI / 100.0);
    Refresh();
}
