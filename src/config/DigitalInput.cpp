// The digital input: tariff input, or synchronisation of the mean-value interval.
#include "config/ConfigImage.h"
#include "config/Editor.h"
#include "config/EditorRefresh.h"
#include "settings/INI_File.h"

namespace {
constexpr uint8_t kDefaultInterval = 15;
} // namespace

void CmSelHighLow(int value) {
    const bool tariff = Konf.EnergyControl & kEnergyTariff;
    if (value == 2 && !tariff)
        Konf.EnergyControl |= kEnergyTariff;
    else if (value == 1 && tariff)
        Konf.EnergyControl &= uint8_t(~kEnergyTariff);
    else
        return;
    ActivateObjects();
    ShowAll();
}

void CmSetSyncInterval(int minutes) {
    if (minutes == 0) minutes = 1; // the meter has no interval of zero minutes
    Konf.EnergyControl = uint8_t((Konf.EnergyControl & ~kEnergyInterval) | (minutes & kEnergyInterval));
    ShowAll();
}

void CmSelSyncMode(int mode) {
    if (mode == 1) {
        if (ConnectionInUse().kind != kModule) {
            // The input cannot be tariff and synchronisation input at once.
            Konf.EnergyControl &= kEnergyInterval;
            if (Konf.EnergyControl == 0) Konf.EnergyControl = kDefaultInterval;
        } else if (Interval(Konf) == 0) {
            Konf.EnergyControl |= kDefaultInterval;
        }
        Konf.EnergyControl |= kEnergyExternalSync;
    } else if (mode == 2) {
        if (Interval(Konf) != 0) Konf.EnergyControl &= kEnergyTariff;
    } else {
        if (Interval(Konf) != 0 && !(Konf.EnergyControl & kEnergyExternalSync)) return;
        if (Interval(Konf) == 0) Konf.EnergyControl |= kDefaultInterval;
        Konf.EnergyControl &= uint8_t(~kEnergyExternalSync);
    }
    ActivateObjects();
    ShowAll();
}
