// The master lists of the configuration editor: every entry a display name (English
// source, translated in context "Editor") and the value the meter stores for it.
// The editor's selectors are filtered copies of these lists.
#pragma once

#include <QLocale>
#include <QString>
#include <span>
#include <vector>

struct MeterSession;

struct ListEntry {
    const char* name;
    int value;
    double number = 0.0; // what the name's %1 stands for, written as the reader writes numbers
};

// Digital outputs: entries 0-39 limit measurands (codes 0-23), 40-51 energies for
// pulse outputs (codes 64 + 4 x energy), 52 the current unbalance that replaces
// entry 2 (neutral current) when the meter shows unbalance instead.
constexpr int kOutputMasterSize = 53;
constexpr int kFirstEnergyEntry = 40;
constexpr int kUnbalanceLimitEntry = 52;
constexpr int kUnbalanceMeanEntry = 54; // "Unb.I" in the mean list
// The lists, each in the order the editor's selectors show them.
enum class EditorList {
    Output,    // digital outputs, kOutputMasterSize entries as laid out above
    PulseUnit, // pulse-rate units: 0-3 active energy, 4-7 reactive; value = unit index + 4 x group
    Mean,      // mean values: 54 entries and, as entry 54, "Unb.I" for entry 12 (value = code, 255 none)
    MinMax,    // min/max logger channels: entry 0 none (255), entry e > 0 has code 69 + e
    System,    // the 4th and 7th exist on the extended model only
    DigoutFunction,
    SyncMode,
    Tariff,
    LoggerMode,
    BaudRate,
    Parity,
    RefreshTime,
    DispMode,
    NomFreq,
    DeviceType,
};
std::span<const ListEntry> MasterList(EditorList list);

// Translated; a number in it as locale writes it (the panels' locale by default).
QString EntryName(const ListEntry& entry, const QLocale& locale = QLocale());
// A min/max logger code the list does not name (below its codes): "code N", translated.
QString UnlistedCodeName(int code);

// Selector contents as positions in their master list, filtered from session.edited and the
// interface kind exactly as the meter allows.
// SetupDigoutSel: function 3 limit, 2 pulse.
std::vector<int> DigoutSelEntries(MeterSession& session, int i, int function);
std::vector<int> PulseUnitEntries(MeterSession& session, int i); // SetupPulsUnit
std::vector<int> MeanSelEntries(MeterSession& session);
std::vector<int> MinMaxSelEntries(MeterSession& session);
std::vector<int> SystemEntries(MeterSession& session);
std::vector<int> DigoutFunctionEntries(MeterSession& session);
std::vector<int> SyncModeEntries();
std::vector<int> TariffEntries(MeterSession& session);
std::vector<int> LoggerModeEntries(MeterSession& session);

// Labels of the five logger groups (bits 10-14 of Logger), which follow the model and
// the reactive presentation.
QString LoggerGroupLabel(MeterSession& session, int k);
