#include "config/ConfigImage.h"

#include "settings/INI_File.h"

#include <cstring>

ConfigImage Konf{};
ConfigImage Lese{};
std::string filename;

namespace {
// Default page sets of the meter display, by network class.
const uint8_t loop_def[3][22] = {
    {3, 0, 2},
    {9, 0, 32},
    {1, 1, 0, 0, 4},
};
const uint8_t user_def[3][22] = {
    {195, 7, 190, 63, 0, 0, 0, 168, 42},
    {29, 116, 224, 143, 63, 0, 0, 0, 168, 42, 170, 138, 170, 32},
    {197, 19, 192, 14, 252, 113, 252, 1, 0, 0, 64, 85, 81, 85, 84, 21},
};
} // namespace

int NetworkClass(const ConfigImage& image) {
    switch (SystemCode(image)) {
    case 3:
    case 19:
        return 1;
    case 4:
    case 20:
        return 2;
    default:
        return 0;
    }
}

int OutputFunction(int i) {
    const uint8_t f = Konf.DigOut[i];
    if (f >= 128) return 0;
    return f >= 64 ? 2 : 3;
}

namespace {
void DefaultPages(ConfigImage& image) {
    const int c = NetworkClass(image);
    std::memcpy(image.Loop, loop_def[c], sizeof image.Loop);
    std::memcpy(image.User, user_def[c], sizeof image.User);
}
} // namespace

void InitDispModeSelection() {
    DefaultPages(Konf);
}

void ResetExtendedFields(ConfigImage& image) {
    DefaultPages(image);
    image.Freq = 2;
    image.DispMode = 16;
    std::memset(image.MeanMeas, 255, sizeof image.MeanMeas);
    std::memset(image.MinMaxLogger, 255, sizeof image.MinMaxLogger);
    image.Mean_Log = 0;
}

void InitNewConfiguration() {
    Konf.UrPrim = static_cast<float>(Konf.MaxU);
    Konf.UrSec = static_cast<uint16_t>(Konf.MaxU);
    Konf.IrPrim = static_cast<float>(Konf.MaxI / 100.0);
    Konf.IrSec = static_cast<float>(Konf.MaxI / 100.0);
    Konf.System = 4;
    Konf.DigOut[0] = Konf.DigOut[1] = 128;
    Konf.LimitOn[0] = Konf.LimitOn[1] = 0;
    Konf.LimitOff[0] = Konf.LimitOff[1] = 0;
    Konf.PulseRate[0] = Konf.PulseRate[1] = 100;
    Konf.EnergyControl = 15;
    Konf.BusSettings = static_cast<uint8_t>(ConnectionInUse().baudIndex + 8 * ConnectionInUse().formatIndex);
    if (Konf.Interface == 0) Konf.BusSettings |= kBusNoInterface;
    if (ConnectionInUse().kind == kModule) Konf.BusSettings |= kBusViaModule;
    Konf.Image = 0;
    Konf.Display = 8;
    Konf.Logger = 0;
    std::memset(Konf.Description, 0, sizeof Konf.Description);
    ResetExtendedFields(Konf);
}
