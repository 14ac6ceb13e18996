#include "config/ConfigImage.h"

#include "settings/INI_File.h"

#include <cstring>

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

int OutputFunction(const ConfigImage& image, int i) {
    const uint8_t f = image.DigOut[i];
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

void InitDispModeSelection(ConfigImage& image) {
    DefaultPages(image);
}

void ResetExtendedFields(ConfigImage& image) {
    DefaultPages(image);
    image.Freq = 2;
    image.DispMode = 16;
    std::memset(image.MeanMeas, 255, sizeof image.MeanMeas);
    std::memset(image.MinMaxLogger, 255, sizeof image.MinMaxLogger);
    image.Mean_Log = 0;
}

// A new configuration for the meter model and rated values the session holds, set up
// for the interface it is reached over.
void InitNewConfiguration(MeterSession& session) {
    ConfigImage& image = session.edited;
    const Connection& connection = session.connection;
    image.UrPrim = static_cast<float>(image.MaxU);
    image.UrSec = static_cast<uint16_t>(image.MaxU);
    image.IrPrim = static_cast<float>(image.MaxI / 100.0);
    image.IrSec = static_cast<float>(image.MaxI / 100.0);
    image.System = 4;
    image.DigOut[0] = image.DigOut[1] = 128;
    image.LimitOn[0] = image.LimitOn[1] = 0;
    image.LimitOff[0] = image.LimitOff[1] = 0;
    image.PulseRate[0] = image.PulseRate[1] = 100;
    image.EnergyControl = 15;
    image.BusSettings = static_cast<uint8_t>(connection.baudIndex + 8 * connection.formatIndex);
    if (image.Interface == 0) image.BusSettings |= kBusNoInterface;
    if (connection.kind == kModule) image.BusSettings |= kBusViaModule;
    image.Image = 0;
    image.Display = 8;
    image.Logger = 0;
    std::memset(image.Description, 0, sizeof image.Description);
    ResetExtendedFields(image);
}
