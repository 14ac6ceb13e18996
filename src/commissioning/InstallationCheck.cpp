#include "commissioning/InstallationCheck.h"

#include "acquisition/MeasDecode.h"
#include "config/ConfigImage.h"
#include "link/DeviceLink.h"
#include "link/Transport.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <bit>
#include <cmath>
#include <iterator>

using namespace InstallationLimits;

namespace {

constexpr double kSqrt3 = 1.7320508075688772;
constexpr int kFrequencyRow = 28;
constexpr int kTotalPowerRow = 19;
constexpr int kPhasePowerRow = 16;  // P1..P3
constexpr int kPhaseFactorRow = 29; // PF1..PF3
constexpr int kTotalFactorRow = 32;
constexpr int kPhaseVoltageRow = 1;  // U1N..U3N
constexpr int kLineVoltageRow = 4;   // U12, U23, U31
constexpr int kPhaseCurrentRow = 8;  // I1..I3
constexpr int kSingleVoltageRow = 0; // systems that measure one phase
constexpr int kSingleCurrentRow = 7;

// Sentences every check may give; each check's own ones follow from kOwnSituation on.
enum Situation {
    kFine = 0,
    kNoReading = 1,
    kTooLittleLoad = 2,
    kNoVoltage = 3,
    kOwnSituation = 10,
    kSecondSituation = 11,
    kThirdSituation = 12,
};

PhaseSet Bit(int phase) {
    return PhaseSet(1u << phase);
}

// Where the system puts what the checks read.
struct Layout {
    int phases = 1;            // 1: one measured phase stands for the system
    bool lineVoltages = false; // the voltage rows are phase-to-phase (three-wire systems)
    bool fourWire = false;
    int voltageRow[3] = {kSingleVoltageRow, -1, -1};
    int currentRow[3] = {kSingleCurrentRow, -1, -1};
    double nominalVoltage = 0.0; // of what the voltage rows measure
    double ctRating = 0.0;
};

Layout LayoutOf(const ConfigImage& config) {
    Layout l;
    const uint8_t code = SystemCode(config);
    const double vtPrimary = config.UrPrim; // a phase-to-phase voltage
    const double ctPrimary = config.IrPrim;
    l.ctRating = ctPrimary;
    switch (NetworkClass(config)) {
    case 1:
        l.phases = 3;
        l.lineVoltages = true;
        for (int p = 0; p < 3; ++p) {
            l.voltageRow[p] = kLineVoltageRow + p;
            l.currentRow[p] = kPhaseCurrentRow + p;
        }
        l.nominalVoltage = vtPrimary;
        break;
    case 2:
        l.phases = 3;
        l.fourWire = true;
        for (int p = 0; p < 3; ++p) {
            l.voltageRow[p] = kPhaseVoltageRow + p;
            l.currentRow[p] = kPhaseCurrentRow + p;
        }
        l.nominalVoltage = vtPrimary / kSqrt3;
        break;
    default:
        // As the display scale has it: codes 0 and 2 measure phase to neutral.
        l.nominalVoltage = code == 0 || code == 2 ? vtPrimary / kSqrt3 : vtPrimary;
        break;
    }
    return l;
}

// The phases a three-wire line voltage k spans (U12, U23, U31).
PhaseSet PhasesOfLine(int k) {
    return PhaseSet(Bit(k) | Bit((k + 1) % 3));
}

// One phase when the low line voltages share it (L2 missing pulls down U12 and U23),
// else every phase they span.
PhaseSet PhasesOfLines(const std::vector<int>& lines) {
    PhaseSet common = 0x7, all = 0;
    for (int k : lines) {
        common &= PhasesOfLine(k);
        all |= PhasesOfLine(k);
    }
    return lines.size() > 1 && common ? common : all;
}

class Checker {
  public:
    explicit Checker(const InstallationSnapshot& s) : snap(s), layout(LayoutOf(s.config)) {}

    std::vector<InstallationFinding> Run() {
        Frequency();
        VoltagePresent();
        VoltageBand();
        if (layout.phases == 3) VoltageUnbalance();
        if (layout.fourWire) LineVoltages();
        CurrentWithoutVoltage();
        Load();
        if (layout.fourWire) PowerChecks();
        CurrentRating();
        if (layout.phases == 3) CurrentUnbalance();
        if (layout.fourWire && !UnbalanceInNeutral(snap.config)) NeutralCurrent();
        std::stable_sort(out.begin(), out.end(),
                         [](const auto& a, const auto& b) { return int(a.kind) < int(b.kind); });
        return out;
    }

  private:
    const InstallationSnapshot& snap;
    Layout layout;
    std::vector<InstallationFinding> out;

    bool Valid(int row) const {
        return row >= 0 && row < int(snap.values.size()) && snap.values[size_t(row)].validity == Validity::Ok;
    }
    bool AllValid(const std::vector<int>& rows) const {
        return std::all_of(rows.begin(), rows.end(), [this](int r) { return Valid(r); });
    }
    double At(int row) const { return snap.values[size_t(row)].si; }

    std::vector<int> VoltageRows() const { return {layout.voltageRow, layout.voltageRow + layout.phases}; }
    std::vector<int> CurrentRows() const { return {layout.currentRow, layout.currentRow + layout.phases}; }

    void Add(InstallationCheckKind kind, Verdict verdict, int situation, PhaseSet phases, double figure,
             std::vector<int> rows) {
        out.push_back({kind, verdict, phases, situation, figure, std::move(rows)});
    }
    void NoReading(InstallationCheckKind kind, std::vector<int> rows) {
        Add(kind, Verdict::Warn, kNoReading, 0, 0.0, std::move(rows));
    }

    bool VoltagesKnown() const { return AllValid(VoltageRows()) && layout.nominalVoltage > 0.0; }
    // Phases without voltage; only when VoltagesKnown().
    PhaseSet MissingPhases() const {
        std::vector<int> low;
        for (int p = 0; p < layout.phases; ++p)
            if (At(layout.voltageRow[p]) < layout.nominalVoltage * kVoltageMissingPercent / 100.0)
                low.push_back(p);
        if (low.empty()) return 0;
        if (!layout.lineVoltages) {
            PhaseSet set = 0;
            for (int p : low)
                set |= Bit(p);
            return set;
        }
        return PhasesOfLines(low);
    }
    // The rows' phases whose voltage is there: line voltages count when neither of their
    // phases is missing.
    bool Present(int p, PhaseSet missing) const {
        return layout.lineVoltages ? !(PhasesOfLine(p) & missing) : !(Bit(p) & missing);
    }
    PhaseSet Named(int p) const { return layout.lineVoltages ? PhasesOfLine(p) : Bit(p); }

    bool CurrentsKnown() const { return AllValid(CurrentRows()) && layout.ctRating > 0.0; }
    double LoadPercent(int p) const { return At(layout.currentRow[p]) / layout.ctRating * 100.0; }
    bool TooLittleLoad() const {
        for (int p = 0; p < layout.phases; ++p)
            if (LoadPercent(p) >= kMinimumLoadPercent) return false;
        return true;
    }

    void Frequency() {
        const auto kind = InstallationCheckKind::Frequency;
        const Validity v = kFrequencyRow < int(snap.values.size()) ? snap.values[kFrequencyRow].validity
                                                                   : Validity::NoReading;
        // The meter marks a frequency outside what it measures: out of any band.
        if (v == Validity::Below45Hz || v == Validity::Above65Hz)
            return Add(kind, Verdict::Fail, kSecondSituation, 0, 0.0, {kFrequencyRow});
        if (v != Validity::Ok) return NoReading(kind, {kFrequencyRow});
        const double f = At(kFrequencyRow);
        double nominal;
        if (snap.config.Model == 1)
            nominal = (snap.config.Freq & kFreqCode) == 4 ? 60.0 : 50.0;
        else // the base model holds no nominal frequency
            nominal = std::fabs(f - 60.0) < std::fabs(f - 50.0) ? 60.0 : 50.0;
        const double off = std::fabs(f - nominal);
        const Verdict verdict = off > kFrequencyFailHz   ? Verdict::Fail
                                : off > kFrequencyWarnHz ? Verdict::Warn
                                                         : Verdict::Ok;
        Add(kind, verdict, verdict == Verdict::Ok ? kFine : kOwnSituation, 0, f, {kFrequencyRow});
    }

    void VoltagePresent() {
        const auto kind = InstallationCheckKind::VoltagePresent;
        if (!VoltagesKnown()) return NoReading(kind, VoltageRows());
        const PhaseSet missing = MissingPhases();
        Add(kind, missing ? Verdict::Fail : Verdict::Ok, missing ? kOwnSituation : kFine, missing, 0.0,
            VoltageRows());
    }

    // Largest deviation of the present voltages from a reference (the nominal value or
    // their mean), in percent, and the phases of the worst ones beyond the limits.
    struct Spread {
        double worst = 0.0;
        PhaseSet warn = 0, fail = 0;
        int judged = 0;
    };
    Spread VoltageSpread(bool fromMean, double warnLimit, double failLimit) const {
        const PhaseSet missing = MissingPhases();
        Spread s;
        double mean = 0.0;
        for (int p = 0; p < layout.phases; ++p)
            if (Present(p, missing)) {
                mean += At(layout.voltageRow[p]);
                ++s.judged;
            }
        if (s.judged == 0) return s;
        const double reference = fromMean ? mean / s.judged : layout.nominalVoltage;
        for (int p = 0; p < layout.phases; ++p) {
            if (!Present(p, missing)) continue;
            const double off = (At(layout.voltageRow[p]) - reference) / reference * 100.0;
            if (std::fabs(off) > std::fabs(s.worst)) s.worst = off;
            if (std::fabs(off) > failLimit) s.fail |= Named(p);
            if (std::fabs(off) > warnLimit) s.warn |= Named(p);
        }
        return s;
    }
    void AddSpread(InstallationCheckKind kind, const Spread& s, int minimumJudged) {
        if (s.judged < minimumJudged) return Add(kind, Verdict::Warn, kNoVoltage, 0, 0.0, VoltageRows());
        const Verdict verdict = s.fail ? Verdict::Fail : s.warn ? Verdict::Warn : Verdict::Ok;
        Add(kind, verdict, verdict == Verdict::Ok ? kFine : kOwnSituation, s.fail ? s.fail : s.warn,
            std::fabs(s.worst), VoltageRows());
    }

    void VoltageBand() {
        const auto kind = InstallationCheckKind::VoltageBand;
        if (!VoltagesKnown()) return NoReading(kind, VoltageRows());
        AddSpread(kind, VoltageSpread(false, kVoltageBandWarnPercent, kVoltageBandFailPercent), 1);
    }

    void VoltageUnbalance() {
        const auto kind = InstallationCheckKind::VoltageUnbalance;
        if (!VoltagesKnown()) return NoReading(kind, VoltageRows());
        AddSpread(kind, VoltageSpread(true, kVoltageUnbalanceWarnPercent, kVoltageUnbalanceFailPercent), 2);
    }

    // Phase-to-phase voltage from two phase voltages 120 degrees apart; a voltage input
    // on the wrong phase or the wrong way round breaks the relation.
    void LineVoltages() {
        const auto kind = InstallationCheckKind::LineVoltages;
        const std::vector<int> rows{1, 2, 3, 4, 5, 6};
        if (!AllValid(rows) || layout.nominalVoltage <= 0.0) return NoReading(kind, rows);
        std::vector<int> wrong;
        double worst = 0.0;
        for (int k = 0; k < 3; ++k) {
            const double a = At(kPhaseVoltageRow + k), b = At(kPhaseVoltageRow + (k + 1) % 3);
            const double expected = std::sqrt(a * a + b * b + a * b);
            // Both phases dead: nothing to compare, the present check says so.
            if (expected < layout.nominalVoltage * kVoltageMissingPercent / 100.0) continue;
            const double off = std::fabs(At(kLineVoltageRow + k) - expected) / expected * 100.0;
            worst = std::max(worst, off);
            if (off > kLineVoltageTolerancePercent) wrong.push_back(k);
        }
        if (wrong.empty()) return Add(kind, Verdict::Ok, kFine, 0, worst, rows);
        Add(kind, Verdict::Fail, kOwnSituation, PhasesOfLines(wrong), worst, rows);
    }

    void CurrentWithoutVoltage() {
        const auto kind = InstallationCheckKind::CurrentWithoutVoltage;
        std::vector<int> rows = VoltageRows();
        const std::vector<int> currents = CurrentRows();
        rows.insert(rows.end(), currents.begin(), currents.end());
        if (!VoltagesKnown() || !CurrentsKnown()) return NoReading(kind, rows);
        const PhaseSet missing = MissingPhases();
        PhaseSet flowing = 0;
        for (int p = 0; p < layout.phases; ++p)
            if ((missing & Bit(p)) && LoadPercent(p) >= kMinimumLoadPercent) flowing |= Bit(p);
        Add(kind, flowing ? Verdict::Fail : Verdict::Ok, flowing ? kOwnSituation : kFine, flowing, 0.0, rows);
    }

    void Load() {
        const auto kind = InstallationCheckKind::Load;
        if (!CurrentsKnown()) return NoReading(kind, CurrentRows());
        double most = 0.0;
        for (int p = 0; p < layout.phases; ++p)
            most = std::max(most, LoadPercent(p));
        const bool low = TooLittleLoad();
        Add(kind, low ? Verdict::Warn : Verdict::Ok, low ? kOwnSituation : kFine, 0, most, CurrentRows());
    }

    // Power sign and power factor judged together: a swapped pair of current transformers
    // also turns one phase's power negative, and a reversed one also shows a "low" factor.
    void PowerChecks() {
        const auto sign = InstallationCheckKind::PowerSign, factor = InstallationCheckKind::PowerFactor;
        const std::vector<int> signRows{16, 17, 18, 19}, factorRows{29, 30, 31, kTotalFactorRow};
        std::vector<int> needed{kTotalPowerRow};
        for (int p = 0; p < 3; ++p) {
            needed.push_back(kPhasePowerRow + p);
            needed.push_back(kPhaseFactorRow + p);
        }
        if (!VoltagesKnown() || !CurrentsKnown() || !AllValid(needed)) {
            NoReading(sign, signRows);
            return NoReading(factor, factorRows);
        }
        if (TooLittleLoad()) {
            Add(sign, Verdict::Warn, kTooLittleLoad, 0, kMinimumLoadPercent, signRows);
            return Add(factor, Verdict::Warn, kTooLittleLoad, 0, kMinimumLoadPercent, factorRows);
        }
        // Factors as the direction of the total sees them: a feeder that exports is
        // judged like one that imports. A swapped pair on a balanced load nets the total
        // out near zero, where its sign is chance: below InstallationLimits::kExportShare of the phases'
        // powers the feeder is taken to import, as a consumer's does.
        double phasesUnsigned = 0.0;
        for (int p = 0; p < 3; ++p)
            phasesUnsigned += std::fabs(At(kPhasePowerRow + p));
        const double direction =
            At(kTotalPowerRow) < -InstallationLimits::kExportShare * phasesUnsigned ? -1.0 : 1.0;
        // A phase without voltage has no angle to judge (the meter shows 1.0).
        const PhaseSet missing = MissingPhases();
        double pf[3] = {0.0, 0.0, 0.0};
        PhaseSet judged = 0, low = 0, reversed = 0;
        for (int p = 0; p < 3; ++p) {
            if (missing & Bit(p)) continue;
            judged |= Bit(p);
            pf[p] = direction * At(kPhaseFactorRow + p);
            if (pf[p] < kWrongPhasePowerFactor) low |= Bit(p);
            // The sign of a plausible factor turned round: the CT's terminals swapped.
            if (pf[p] <= -kWrongPhasePowerFactor) reversed |= Bit(p);
        }
        if (!judged) {
            Add(sign, Verdict::Warn, kNoVoltage, 0, 0.0, signRows);
            return Add(factor, Verdict::Warn, kNoVoltage, 0, 0.0, factorRows);
        }
        // Two phases measuring each other's current: one lands near 120 degrees plus the
        // load angle (strongly negative), the other near 120 degrees minus it (near zero).
        // Two reversed CTs both read about the load's factor negated instead.
        PhaseSet pair = 0;
        if (std::popcount(unsigned(low)) == 2) {
            bool bothReversedLike = true;
            for (int p = 0; p < 3; ++p)
                if ((low & Bit(p)) && pf[p] > -kHighLoadPowerFactor) bothReversedLike = false;
            if (!bothReversedLike) pair = low;
        }
        reversed &= PhaseSet(~pair);
        if (reversed)
            Add(sign, Verdict::Fail, kOwnSituation, reversed, 0.0, signRows);
        else if (pair)
            Add(sign, Verdict::Warn, kSecondSituation, pair, 0.0, signRows);
        else
            Add(sign, Verdict::Ok, kFine, 0, 0.0, signRows);

        if (pair) return Add(factor, Verdict::Fail, kOwnSituation, pair, 0.0, factorRows);
        const PhaseSet wrong = PhaseSet(low & ~reversed);
        if (!wrong) return Add(factor, Verdict::Ok, kFine, 0, 0.0, factorRows);
        // Only a load of high power factor tells a wrong phase from the load's own angle.
        const PhaseSet others = PhaseSet(judged & ~wrong & ~reversed);
        bool othersHigh = others != 0;
        for (int p = 0; p < 3; ++p)
            if ((others & Bit(p)) && pf[p] < kHighLoadPowerFactor) othersHigh = false;
        if (othersHigh) return Add(factor, Verdict::Fail, kSecondSituation, wrong, 0.0, factorRows);
        Add(factor, Verdict::Warn, kThirdSituation, wrong, 0.0, factorRows);
    }

    void CurrentRating() {
        const auto kind = InstallationCheckKind::CurrentRating;
        if (!CurrentsKnown()) return NoReading(kind, CurrentRows());
        double most = 0.0;
        PhaseSet warn = 0, fail = 0;
        for (int p = 0; p < layout.phases; ++p) {
            const double percent = LoadPercent(p);
            most = std::max(most, percent);
            if (percent > kCurrentRatingFailPercent) fail |= Bit(p);
            if (percent > kCurrentRatingWarnPercent) warn |= Bit(p);
        }
        const Verdict verdict = fail ? Verdict::Fail : warn ? Verdict::Warn : Verdict::Ok;
        Add(kind, verdict, verdict == Verdict::Ok ? kFine : kOwnSituation, fail ? fail : warn, most,
            CurrentRows());
    }

    double MeanCurrent() const { return (At(8) + At(9) + At(10)) / 3.0; }

    void CurrentUnbalance() {
        const auto kind = InstallationCheckKind::CurrentUnbalance;
        if (!CurrentsKnown()) return NoReading(kind, CurrentRows());
        if (TooLittleLoad())
            return Add(kind, Verdict::Warn, kTooLittleLoad, 0, kMinimumLoadPercent, CurrentRows());
        const double mean = MeanCurrent();
        double worst = 0.0;
        int worstPhase = 0;
        for (int p = 0; p < 3; ++p) {
            const double off = std::fabs(At(kPhaseCurrentRow + p) - mean) / mean * 100.0;
            if (off > worst) {
                worst = off;
                worstPhase = p;
            }
        }
        const bool high = worst > kCurrentUnbalanceWarnPercent;
        Add(kind, high ? Verdict::Warn : Verdict::Ok, high ? kOwnSituation : kFine,
            high ? Bit(worstPhase) : 0, worst, CurrentRows());
    }

    void NeutralCurrent() {
        const auto kind = InstallationCheckKind::NeutralCurrent;
        const std::vector<int> rows{8, 9, 10, kNeutralRow};
        if (!AllValid(rows) || layout.ctRating <= 0.0) return NoReading(kind, rows);
        if (TooLittleLoad()) return Add(kind, Verdict::Warn, kTooLittleLoad, 0, kMinimumLoadPercent, rows);
        const double percent = At(kNeutralRow) / MeanCurrent() * 100.0;
        const bool high = percent > kNeutralCurrentWarnPercent;
        Add(kind, high ? Verdict::Warn : Verdict::Ok, high ? kOwnSituation : kFine, 0, percent, rows);
    }
};

// The sentences of a check: kFine first, then its own situations in order.
struct SentenceEntry {
    InstallationCheckKind kind;
    int situation;
    const char* text; // %1 the phases, %2 the figure
};

using K = InstallationCheckKind;
const SentenceEntry kSentences[] = {
    {K::Frequency, kFine,
     QT_TRANSLATE_NOOP("InstallationCheck", "The frequency is %2 Hz, within the band of its nominal value.")},
    {K::Frequency, kOwnSituation,
     QT_TRANSLATE_NOOP("InstallationCheck", "The frequency is %2 Hz, off its nominal value: check the supply "
                                            "and the nominal frequency in the settings.")},
    {K::Frequency, kSecondSituation,
     QT_TRANSLATE_NOOP("InstallationCheck",
                       "The frequency lies outside the meter's range of 45 to 65 Hz: check the supply.")},
    {K::VoltagePresent, kFine, QT_TRANSLATE_NOOP("InstallationCheck", "Every phase carries voltage.")},
    {K::VoltagePresent, kOwnSituation,
     QT_TRANSLATE_NOOP("InstallationCheck", "%1: no voltage: check the voltage connection and its fuse.")},
    {K::VoltageBand, kFine,
     QT_TRANSLATE_NOOP("InstallationCheck", "The voltages lie within %2 % of the nominal value.")},
    {K::VoltageBand, kOwnSituation,
     QT_TRANSLATE_NOOP("InstallationCheck", "%1: the voltage is up to %2 % off the nominal value: check the "
                                            "supply and the voltage transformer ratio in the settings.")},
    {K::VoltageUnbalance, kFine, QT_TRANSLATE_NOOP("InstallationCheck", "The voltage unbalance is %2 %.")},
    {K::VoltageUnbalance, kOwnSituation,
     QT_TRANSLATE_NOOP("InstallationCheck", "%1: the voltage deviates %2 % from the mean of the phases: "
                                            "check the supply and the voltage connections.")},
    {K::LineVoltages, kFine,
     QT_TRANSLATE_NOOP("InstallationCheck", "The phase-to-phase voltages match the phase voltages.")},
    {K::LineVoltages, kOwnSituation,
     QT_TRANSLATE_NOOP("InstallationCheck",
                       "%1: the phase-to-phase voltage differs %2 % from what the phase voltages give: check "
                       "that each voltage input is on its own phase, in sequence.")},
    {K::CurrentWithoutVoltage, kFine,
     QT_TRANSLATE_NOOP("InstallationCheck", "No current flows on a phase without voltage.")},
    {K::CurrentWithoutVoltage, kOwnSituation,
     QT_TRANSLATE_NOOP("InstallationCheck", "%1: current flows but the voltage is missing: connect the "
                                            "voltage of this phase (check its fuse and terminal).")},
    {K::Load, kFine,
     QT_TRANSLATE_NOOP("InstallationCheck",
                       "The load is %2 % of the current transformer rating: enough to judge.")},
    {K::Load, kOwnSituation,
     QT_TRANSLATE_NOOP("InstallationCheck",
                       "The load is only %2 % of the current transformer rating: too little to judge the "
                       "current transformers; check again under load.")},
    {K::PowerSign, kFine,
     QT_TRANSLATE_NOOP("InstallationCheck", "The active power of every phase has the sign of the total.")},
    {K::PowerSign, kOwnSituation,
     QT_TRANSLATE_NOOP("InstallationCheck", "%1: the active power opposes the total: the current transformer "
                                            "is probably reversed (check K/L or P1/P2).")},
    {K::PowerSign, kSecondSituation,
     QT_TRANSLATE_NOOP("InstallationCheck", "%1: not judged, as the current transformers of these phases "
                                            "look swapped (see the power factors).")},
    {K::PowerFactor, kFine,
     QT_TRANSLATE_NOOP("InstallationCheck", "The power factors of the phases are plausible.")},
    {K::PowerFactor, kOwnSituation,
     QT_TRANSLATE_NOOP("InstallationCheck", "%1: the power factors of both phases are implausible: their "
                                            "current transformers are probably swapped.")},
    {K::PowerFactor, kSecondSituation,
     QT_TRANSLATE_NOOP("InstallationCheck", "%1: the power factor is low while the other phases' is high: "
                                            "the current transformer is probably on the wrong phase.")},
    {K::PowerFactor, kThirdSituation,
     QT_TRANSLATE_NOOP(
         "InstallationCheck",
         "%1: the power factor is low, but so is the load's: check again with a load of high power factor.")},
    {K::CurrentRating, kFine,
     QT_TRANSLATE_NOOP("InstallationCheck", "The currents reach %2 % of the current transformer rating.")},
    {K::CurrentRating, kOwnSituation,
     QT_TRANSLATE_NOOP("InstallationCheck",
                       "%1: the current reaches %2 % of the current transformer rating: check the "
                       "transformer ratio in the settings and the transformer fitted.")},
    {K::CurrentUnbalance, kFine, QT_TRANSLATE_NOOP("InstallationCheck", "The current unbalance is %2 %.")},
    {K::CurrentUnbalance, kOwnSituation,
     QT_TRANSLATE_NOOP("InstallationCheck",
                       "%1: the current deviates %2 % from the mean of the phases: check the distribution of "
                       "the load and the current transformers.")},
    {K::NeutralCurrent, kFine,
     QT_TRANSLATE_NOOP("InstallationCheck", "The neutral current is %2 % of the mean phase current.")},
    {K::NeutralCurrent, kOwnSituation,
     QT_TRANSLATE_NOOP("InstallationCheck",
                       "The neutral current is %2 % of the mean phase current: check that each current "
                       "transformer sits on its phase, and the balance of the load.")},
};

const char* const kCommonSentences[] = {
    nullptr,
    QT_TRANSLATE_NOOP(
        "InstallationCheck",
        "No valid reading to judge: check again, and check the meter's connection if it persists."),
    QT_TRANSLATE_NOOP("InstallationCheck", "Not judged: less than %2 % of the current transformer rating "
                                           "flows on every phase; check again under load."),
    QT_TRANSLATE_NOOP("InstallationCheck", "Not judged: too few phases carry voltage."),
};

struct KindEntry {
    InstallationCheckKind kind;
    const char* name;
    const char* title;
};
const KindEntry kKinds[] = {
    {K::Frequency, "frequency", QT_TRANSLATE_NOOP("InstallationCheck", "Frequency")},
    {K::VoltagePresent, "voltage-present", QT_TRANSLATE_NOOP("InstallationCheck", "Voltage present")},
    {K::VoltageBand, "voltage-band", QT_TRANSLATE_NOOP("InstallationCheck", "Voltage level")},
    {K::VoltageUnbalance, "voltage-unbalance", QT_TRANSLATE_NOOP("InstallationCheck", "Voltage unbalance")},
    {K::LineVoltages, "line-voltages", QT_TRANSLATE_NOOP("InstallationCheck", "Phase-to-phase voltages")},
    {K::CurrentWithoutVoltage, "current-without-voltage",
     QT_TRANSLATE_NOOP("InstallationCheck", "Current without voltage")},
    {K::Load, "load", QT_TRANSLATE_NOOP("InstallationCheck", "Load")},
    {K::PowerSign, "power-sign", QT_TRANSLATE_NOOP("InstallationCheck", "Direction of active power")},
    {K::PowerFactor, "power-factor", QT_TRANSLATE_NOOP("InstallationCheck", "Power factors")},
    {K::CurrentRating, "current-rating",
     QT_TRANSLATE_NOOP("InstallationCheck", "Current transformer rating")},
    {K::CurrentUnbalance, "current-unbalance", QT_TRANSLATE_NOOP("InstallationCheck", "Current unbalance")},
    {K::NeutralCurrent, "neutral-current", QT_TRANSLATE_NOOP("InstallationCheck", "Neutral current")},
};

const KindEntry* KindOf(InstallationCheckKind kind) {
    for (const auto& k : kKinds)
        if (k.kind == kind) return &k;
    return nullptr;
}

} // namespace

InstallationSnapshot SnapshotOf(MeterSession& session) {
    InstallationSnapshot s;
    s.config = session.read;
    const int rows = MeasRowCount(session);
    s.values.reserve(size_t(rows));
    for (int r = 0; r < rows; ++r)
        s.values.push_back(MeasurandValue(session, r));
    return s;
}

InstallationSnapshot MedianOf(const std::vector<InstallationSnapshot>& reads) {
    if (reads.empty()) return {};
    InstallationSnapshot median = reads.front();
    for (size_t r = 0; r < median.values.size(); ++r) {
        std::vector<double> valid;
        for (const auto& read : reads)
            if (r < read.values.size() && read.values[r].validity == Validity::Ok)
                valid.push_back(read.values[r].si);
        if (valid.empty()) continue; // the first read's marker stands
        std::sort(valid.begin(), valid.end());
        const size_t n = valid.size();
        median.values[r].si = n % 2 ? valid[n / 2] : (valid[n / 2 - 1] + valid[n / 2]) / 2.0;
        median.values[r].validity = Validity::Ok;
    }
    return median;
}

bool ReadInstallationSnapshot(MeterSession& session, InstallationSnapshot& out, int showErrors) {
    std::vector<InstallationSnapshot> reads;
    for (int i = 0; i < kInstallationReads; ++i) {
        if (i > 0) Wire().pauseMs(1000);
        if (!Read(session.read, MeasRequest(session), showErrors)) return false;
        reads.push_back(SnapshotOf(session));
    }
    out = MedianOf(reads);
    return true;
}

std::vector<InstallationFinding> CheckInstallation(const InstallationSnapshot& snapshot) {
    return Checker(snapshot).Run();
}

QString VerdictText(Verdict verdict) {
    static const char* const words[] = {
        QT_TRANSLATE_NOOP("InstallationCheck", "OK"),
        QT_TRANSLATE_NOOP("InstallationCheck", "Warning"),
        QT_TRANSLATE_NOOP("InstallationCheck", "Failed"),
    };
    return QCoreApplication::translate("InstallationCheck", words[int(verdict)]);
}

QString CheckTitle(InstallationCheckKind kind) {
    const KindEntry* k = KindOf(kind);
    return k ? QCoreApplication::translate("InstallationCheck", k->title) : QString();
}

QString PhaseNames(PhaseSet phases) {
    QStringList names;
    for (int p = 0; p < 3; ++p)
        if (phases & Bit(p)) names << QStringLiteral("L%1").arg(p + 1);
    return names.join(QStringLiteral(", "));
}

QString FindingSentence(const InstallationFinding& finding, const QLocale& locale) {
    const char* text = nullptr;
    if (finding.situation > 0 && finding.situation < int(std::size(kCommonSentences)))
        text = kCommonSentences[finding.situation];
    for (const auto& s : kSentences)
        if (s.kind == finding.kind && s.situation == finding.situation) text = s.text;
    if (!text) return {};
    QString sentence = QCoreApplication::translate("InstallationCheck", text);
    if (sentence.contains(QLatin1String("%1"))) sentence = sentence.arg(PhaseNames(finding.phases));
    if (sentence.contains(QLatin1String("%2"))) {
        const int decimals = finding.kind == InstallationCheckKind::Frequency ? 2 : 1;
        sentence = sentence.arg(locale.toString(finding.figure, 'f', decimals));
    }
    return sentence;
}

QString FindingSentence(const InstallationFinding& finding) {
    return FindingSentence(finding, QLocale());
}

const char* VerdictName(Verdict verdict) {
    return verdict == Verdict::Ok ? "ok" : verdict == Verdict::Warn ? "warn" : "fail";
}

const char* CheckKindName(InstallationCheckKind kind) {
    const KindEntry* k = KindOf(kind);
    return k ? k->name : "";
}

Verdict WorstVerdict(const std::vector<InstallationFinding>& findings) {
    Verdict worst = Verdict::Ok;
    for (const auto& f : findings)
        if (int(f.verdict) > int(worst)) worst = f.verdict;
    return worst;
}
