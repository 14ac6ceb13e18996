// The digital input: tariff input, or synchronisation of the mean-value interval.
#include "config/ConfigImage.h"
#include "config/Editor.h"
#include "config/EditorRefresh.h"
#include "settings/INI_File.h"

namespace {
constexpr uint8_t kDefaultInterval = 15;
} // namespace

void CmSelHighLow(MeterSession& session, int value) {
    const bool tariff = session.edited.EnergyControl & kEnergyTariff;
    if (value == 2 && !tariff)
        session.edited.EnergyControl |= kEnergyTariff;
    else if (value == 1 && tariff)
        session.edited.EnergyControl &= uint8_t(~kEnergyTariff);
    else
        return;
    ActivateObjects();
    ShowAll();
}

void CmSetSyncInterval(MeterSession& session, int minutes) {
    if (minutes == 0) minutes = 1; // the meter has no interval of zero minutes
    session.edited.EnergyControl =
        uint8_t((session.edited.EnergyControl & ~kEnergyInterval) | (minutes & kEnergyInterval));
    ShowAll();
}

void CmSelSyncMode(MeterSession& session, int mode) {
    if (mode == 1) {
        if (session.connection.kind != kModule) {
            // The input cannot be tariff and synchronisation input at once.
            session.edited.EnergyControl &= kEnergyInterval;
            if (session.edited.EnergyControl == 0) session.edited.EnergyControl = kDefaultInterval;
        } else if (Interval(session.edited) == 0) {
            session.edited.EnergyControl |= kDefaultInterval;
        }
        session.edited.EnergyControl |= kEnergyExternalSync;
    } else if (mode == 2) {
        if (Interval(session.edited) != 0) session.edited.EnergyControl &= kEnergyTariff;
    } else {
        if (Interval(session.edited) != 0 && !(session.edited.EnergyControl & kEnergyExternalSync)) return;
        if (Interval(session.edited) == 0) session.edited.EnergyControl |= kDefaultInterval;
        session.edited.EnergyControl &= uint8_t(~kEnergyExternalSync);
    }
    ActivateObjects();
    ShowAll();
}
