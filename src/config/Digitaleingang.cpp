// The digital input: tariff input, or synchronisation of the mean-value interval.
// EnergyControl bits 0-5 interval in minutes, bit 6 tariff input, bit 7 external sync.
#include "config/ConfigImage.h"
#include "config/Editor.h"
#include "config/EditorRefresh.h"
#include "settings/INI_File.h"

namespace {
constexpr uint8_t kTariff = 0x40;
constexpr uint8_t kExternalSync = 0x80;
constexpr uint8_t kIntervalMask = 0x3F;
constexpr uint8_t kDefaultInterval = 15;

int Interval() {
    return Konf.EnergyControl & kIntervalMask;
}
} // namespace

void CmSelHighLow(int value) {
    const bool tariff = Konf.EnergyControl & kTariff;
    if (value == 2 && !tariff)
        Konf.EnergyControl |= kTariff;
    else if (value == 1 && tariff)
        Konf.EnergyControl &= uint8_t(~kTariff);
    else
        return;
    ActivateObjects();
    ShowAll();
}

void CmSetSyncIntervall(int minutes) {
    if (minutes == 0) minutes = 1; // the meter has no interval of zero minutes
    Konf.EnergyControl = uint8_t((Konf.EnergyControl & ~kIntervalMask) | (minutes & kIntervalMask));
    ShowAll();
}

void CmSelSyncMode(int mode) {
    if (mode == 1) {
        if (CommType != 3) {
            // The input cannot be tariff and synchronisation input at once.
            Konf.EnergyControl &= kIntervalMask;
            if (Konf.EnergyControl == 0) Konf.EnergyControl = kDefaultInterval;
        } else if (Interval() == 0) {
            Konf.EnergyControl |= kDefaultInterval;
        }
        Konf.EnergyControl |= kExternalSync;
    } else if (mode == 2) {
        if (Interval() != 0) Konf.EnergyControl &= kTariff;
    } else {
        if (Interval() != 0 && !(Konf.EnergyControl & kExternalSync)) return;
        if (Interval() == 0) Konf.EnergyControl |= kDefaultInterval;
        Konf.EnergyControl &= uint8_t(~kExternalSync);
    }
    ActivateObjects();
    ShowAll();
}
