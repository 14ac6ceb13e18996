// Whether a meter is wired right, judged from its instantaneous values and the
// configuration it holds (network system, transformer ratios, nominal values). No
// widgets: the panel, zaro-cli and the commissioning record show the same verdicts.
#pragma once

#include "config/MeterSession.h"
#include "values/Quantity.h"

#include <QString>
#include <cstdint>
#include <vector>

class QLocale;

// Limits of the checks, as the help page lists them. Percentages are of the nominal
// value unless a comment says otherwise.
namespace InstallationLimits {
constexpr double kVoltageMissingPercent = 20.0;     // below: the phase has no voltage
constexpr double kVoltageBandWarnPercent = 10.0;    // off nominal by more: warn
constexpr double kVoltageBandFailPercent = 20.0;    // off nominal by more: fail
constexpr double kVoltageUnbalanceWarnPercent = 3.0;  // largest deviation from the mean of the phases
constexpr double kVoltageUnbalanceFailPercent = 10.0;
constexpr double kLineVoltageTolerancePercent = 5.0;  // phase-to-phase against sqrt(3) x phase voltage
constexpr double kMinimumLoadPercent = 5.0;          // of the CT rating: less is too little to judge
constexpr double kWrongPhasePowerFactor = 0.55;      // a phase below while the load's is high
constexpr double kHighLoadPowerFactor = 0.8;         // the other phases at or above
// A negative total tells an exporting feeder only from this share of the phases' active
// powers added without sign: a swapped pair nets a balanced load out near zero, where the
// sign is chance; one reversed CT of three leaves about a third.
constexpr double kExportShare = 0.2;
constexpr double kCurrentRatingWarnPercent = 100.0;  // of the CT rating
constexpr double kCurrentRatingFailPercent = 120.0;
constexpr double kCurrentUnbalanceWarnPercent = 30.0; // largest deviation from the mean of the phases
constexpr double kNeutralCurrentWarnPercent = 50.0;   // of the mean phase current
constexpr double kFrequencyWarnHz = 0.5;              // off nominal (50 or 60 Hz)
constexpr double kFrequencyFailHz = 2.0;
} // namespace InstallationLimits

enum class Verdict { Ok, Warn, Fail };

// What a check looks at, in the order findings are listed.
enum class InstallationCheckKind {
    Frequency,
    VoltagePresent,
    VoltageBand,
    VoltageUnbalance,
    LineVoltages, // phase-to-phase voltages against the phase voltages (4-wire systems)
    CurrentWithoutVoltage,
    Load,        // enough current to judge the power and current checks
    PowerSign,   // each phase's active power has the sign of the total (a reversed CT)
    PowerFactor, // one low phase: CT on the wrong phase; two: a swapped pair
    CurrentRating,
    CurrentUnbalance,
    NeutralCurrent,
};

// Phases a finding names: bit 0 L1, bit 1 L2, bit 2 L3; 0 names none.
using PhaseSet = uint8_t;

struct InstallationFinding {
    InstallationCheckKind kind = InstallationCheckKind::Frequency;
    Verdict verdict = Verdict::Ok;
    PhaseSet phases = 0;
    int situation = 0;     // which of the check's sentences (see FindingSentence)
    double figure = 0.0;   // the number the sentence quotes (a percentage, a frequency), if any
    std::vector<int> rows; // rows of the instantaneous block behind the verdict
};

// What the check judges: the instantaneous block (rows as MeasurandValue numbers them)
// and the configuration it was read with.
struct InstallationSnapshot {
    ConfigImage config{};
    std::vector<Value> values;
};

// Reads taken for one check, 1 s apart; per row their median is judged, so that a load
// swinging between reads does not trip a check.
constexpr int kInstallationReads = 3;

// The block session's last instantaneous read left, with session.read.
InstallationSnapshot SnapshotOf(MeterSession& session);
// Per row the median of the snapshots' valid values (the configuration of the first).
InstallationSnapshot MedianOf(const std::vector<InstallationSnapshot>& reads);
// Opens nothing: over the open link, kInstallationReads reads of the instantaneous
// values into out. false when a read failed (the link has shown its error).
bool ReadInstallationSnapshot(MeterSession& session, InstallationSnapshot& out, int showErrors);

// Only the checks that apply to the snapshot's network system, in kind order.
std::vector<InstallationFinding> CheckInstallation(const InstallationSnapshot& snapshot);

// Texts in the user's language (context "InstallationCheck").
QString CheckTitle(InstallationCheckKind kind);            // "Phase voltages", ...
QString FindingSentence(const InstallationFinding& finding); // one sentence naming L1-L3
// The same with its numbers in locale's notation (FindingSentence takes the default locale).
QString FindingSentence(const InstallationFinding& finding, const QLocale& locale);
// "L1, L3": the phases a finding names, as the sentences write them.
QString PhaseNames(PhaseSet phases);
// The verdict's word beside its light: "OK", "Warning", "Failed" in the user's language.
QString VerdictText(Verdict verdict);
// "ok", "warn", "fail": never translated (scripts read them).
const char* VerdictName(Verdict verdict);
// The check's name where scripts read it (zaro-cli --json), never translated: "frequency",
// "voltage-present", "voltage-band", "voltage-unbalance", "line-voltages",
// "current-without-voltage", "load", "power-sign", "power-factor", "current-rating",
// "current-unbalance", "neutral-current".
const char* CheckKindName(InstallationCheckKind kind);
// Worst verdict of a list (Ok when empty).
Verdict WorstVerdict(const std::vector<InstallationFinding>& findings);
