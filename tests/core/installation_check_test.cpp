// The installation check on instantaneous values built from the phasors of a wired
// meter: each wiring fault gets its verdict and names its phases, the checks follow the
// network system, a missing reading never fails a check, and the reads' median.
#include "commissioning/InstallationCheck.h"
#include "values/Measurands.h"

#include <QtTest>
#include <complex>
#include <numbers>

namespace {

using Phasor = std::complex<double>;
constexpr double kPhaseVoltage = 400.0 / std::numbers::sqrt3; // VT 400/400 V
constexpr double kCtRating = 100.0;                           // CT 100/5 A
constexpr int kRows = 36;

// How the meter is wired; the defaults are a healthy installation with half the rated
// current at power factor 0.9 lagging.
struct Wiring {
    int system = 4;
    double load = 0.5;          // of the CT rating
    double powerFactor = 0.9;   // the load's, lagging
    PhaseSet reversed = 0;      // current channels negated
    int swapA = -1, swapB = -1; // current channels that carry each other's phase (0..2)
    PhaseSet noVoltage = 0;     // voltage channels reading 0
    double ctFactor = 1.0;      // fitted CT against the configured one
    double frequency = 50.0;
    int model = 1;
    uint8_t freqCode = 2; // 2: 50 Hz, 4: 60 Hz
};

Value Row(int row, double si) {
    const Measurand* m = MeasurandAtRow(row);
    return {si, m ? m->quantity : kVoltage, Validity::Ok};
}

// The meter's rows as it measures channel k with voltage channel k and current channel k.
InstallationSnapshot Measure(const Wiring& w) {
    InstallationSnapshot s;
    s.config.System = uint8_t(w.system);
    s.config.UrPrim = 400.0f;
    s.config.UrSec = 400;
    s.config.IrPrim = float(kCtRating);
    s.config.IrSec = 5.0f;
    s.config.Model = int16_t(w.model);
    s.config.Freq = w.freqCode;
    const double phi = std::acos(w.powerFactor);
    const double phase[3] = {0.0, -2.0 * std::numbers::pi / 3, 2.0 * std::numbers::pi / 3};
    Phasor u[3], i[3], real[3];
    for (int k = 0; k < 3; ++k) {
        u[k] = (w.noVoltage & (1 << k)) ? Phasor{} : std::polar(kPhaseVoltage, phase[k]);
        real[k] = std::polar(w.load * kCtRating, phase[k] - phi);
    }
    for (int k = 0; k < 3; ++k)
        i[k] = real[k == w.swapA   ? w.swapB
                    : k == w.swapB ? w.swapA
                                   : k] *
               ((w.reversed & (1 << k)) ? -1.0 : 1.0) * w.ctFactor;
    std::vector<double> v(kRows, 0.0);
    Phasor total, neutral;
    double apparent = 0.0;
    for (int k = 0; k < 3; ++k) {
        const Phasor power = u[k] * std::conj(i[k]);
        v[size_t(1 + k)] = std::abs(u[k]);
        v[size_t(4 + k)] = std::abs(u[k] - u[(k + 1) % 3]);
        v[size_t(8 + k)] = std::abs(i[k]);
        v[size_t(16 + k)] = power.real();
        v[size_t(20 + k)] = power.imag();
        v[size_t(24 + k)] = std::abs(power);
        v[size_t(29 + k)] = std::abs(power) > 0.0 ? power.real() / std::abs(power) : 1.0;
        total += power;
        apparent += std::abs(power);
        neutral += i[k];
    }
    v[15] = std::abs(neutral);
    v[19] = total.real();
    v[23] = total.imag();
    v[27] = apparent;
    v[28] = w.frequency;
    v[32] = total.real() / apparent;
    if (w.system < 3) { // one measured phase stands for the system
        v[0] = w.system == 1 ? v[4] : v[1];
        v[7] = v[8];
    }
    for (int r = 0; r < kRows; ++r)
        s.values.push_back(Row(r, v[size_t(r)]));
    return s;
}

const InstallationFinding* Find(const std::vector<InstallationFinding>& findings,
                                InstallationCheckKind kind) {
    for (const auto& f : findings)
        if (f.kind == kind) return &f;
    return nullptr;
}

constexpr PhaseSet L1 = 1, L2 = 2, L3 = 4;

struct Expected {
    InstallationCheckKind kind;
    Verdict verdict;
    PhaseSet phases;
};

} // namespace

Q_DECLARE_METATYPE(Wiring)
Q_DECLARE_METATYPE(Verdict)
Q_DECLARE_METATYPE(std::vector<Expected>)

class InstallationCheckTest : public QObject {
    Q_OBJECT
  private slots:
    void wiringFaults_data() {
        QTest::addColumn<Wiring>("wiring");
        QTest::addColumn<Verdict>("worst");
        QTest::addColumn<std::vector<Expected>>("expected");
        using K = InstallationCheckKind;
        QTest::newRow("healthy") << Wiring{} << Verdict::Ok << std::vector<Expected>{};
        Wiring exporting;
        exporting.reversed = L1 | L2 | L3; // a feeder that exports is no fault
        QTest::newRow("exporting feeder")
            << exporting << Verdict::Ok << std::vector<Expected>{{K::PowerSign, Verdict::Ok, 0}};
        Wiring reversed;
        reversed.reversed = L2;
        QTest::newRow("reversed CT L2")
            << reversed << Verdict::Fail
            << std::vector<Expected>{{K::PowerSign, Verdict::Fail, L2}, {K::PowerFactor, Verdict::Ok, 0}};
        for (double pf : {0.9, 0.99, 0.8}) {
            Wiring swapped;
            swapped.swapA = 0;
            swapped.swapB = 1;
            swapped.powerFactor = pf;
            QTest::addRow("swapped CTs L1 L2, PF %.2f", pf)
                << swapped << Verdict::Fail
                << std::vector<Expected>{{K::PowerFactor, Verdict::Fail, L1 | L2},
                                         {K::PowerSign, Verdict::Warn, L1 | L2}};
        }
        // Every phase low: the load's own angle, not the wiring.
        QTest::newRow("low power factor of the load")
            << Wiring{.powerFactor = 0.5} << Verdict::Warn
            << std::vector<Expected>{{K::PowerFactor, Verdict::Warn, L1 | L2 | L3},
                                     {K::PowerSign, Verdict::Ok, 0}};
        Wiring missing;
        missing.noVoltage = L3;
        QTest::newRow("missing voltage L3")
            << missing << Verdict::Fail
            << std::vector<Expected>{{K::VoltagePresent, Verdict::Fail, L3},
                                     {K::CurrentWithoutVoltage, Verdict::Fail, L3},
                                     {K::LineVoltages, Verdict::Ok, 0},
                                     {K::VoltageBand, Verdict::Ok, 0},
                                     {K::PowerFactor, Verdict::Ok, 0}};
        Wiring missingUnloaded = missing;
        missingUnloaded.load = 0.01;
        QTest::newRow("missing voltage L3 without current")
            << missingUnloaded << Verdict::Fail
            << std::vector<Expected>{{K::VoltagePresent, Verdict::Fail, L3},
                                     {K::CurrentWithoutVoltage, Verdict::Ok, 0}};
        Wiring bigCt;
        bigCt.ctFactor = 3.0;
        QTest::newRow("CT ratio 3") << bigCt << Verdict::Fail
                                    << std::vector<Expected>{{K::CurrentRating, Verdict::Fail, L1 | L2 | L3}};
        Wiring slightlyOver;
        slightlyOver.load = 1.1;
        QTest::newRow("110 % of the rating")
            << slightlyOver << Verdict::Warn
            << std::vector<Expected>{{K::CurrentRating, Verdict::Warn, L1 | L2 | L3}};
        Wiring smallCt;
        smallCt.ctFactor = 0.05;
        QTest::newRow("CT ratio 0.05: too little load")
            << smallCt << Verdict::Warn
            << std::vector<Expected>{{K::Load, Verdict::Warn, 0},
                                     {K::PowerSign, Verdict::Warn, 0},
                                     {K::PowerFactor, Verdict::Warn, 0}};
        // Too little load must not hide a swapped pair behind a guess.
        Wiring smallSwapped = smallCt;
        smallSwapped.swapA = 0;
        smallSwapped.swapB = 2;
        QTest::newRow("too little load with swapped CTs")
            << smallSwapped << Verdict::Warn << std::vector<Expected>{{K::PowerFactor, Verdict::Warn, 0}};
    }
    void wiringFaults() {
        QFETCH(Wiring, wiring);
        QFETCH(Verdict, worst);
        QFETCH(std::vector<Expected>, expected);
        const auto findings = CheckInstallation(Measure(wiring));
        QCOMPARE(findings.size(), size_t(12)); // every check of a four-wire system
        QCOMPARE(WorstVerdict(findings), worst);
        for (const Expected& e : expected) {
            const InstallationFinding* f = Find(findings, e.kind);
            QVERIFY2(f, CheckKindName(e.kind));
            QCOMPARE(VerdictName(f->verdict), VerdictName(e.verdict));
            QCOMPARE(f->phases, e.phases);
        }
        for (const auto& f : findings) {
            const QString sentence = FindingSentence(f);
            QVERIFY2(!sentence.isEmpty() && !sentence.contains("%1") && !sentence.contains("%2"),
                     CheckKindName(f.kind));
            for (int p = 0; p < 3; ++p)
                if (f.phases & (1 << p))
                    QVERIFY2(sentence.contains(QStringLiteral("L%1").arg(p + 1)), qPrintable(sentence));
        }
    }

    // Only the checks that mean something for the system run.
    void checksPerSystem_data() {
        QTest::addColumn<int>("system");
        QTest::addColumn<QStringList>("checks");
        const QStringList single{"frequency", "voltage-present", "voltage-band", "current-without-voltage",
                                 "load",      "current-rating"};
        QTest::newRow("1 phase") << 0 << single;
        QTest::newRow("3 wires balanced") << 1 << single;
        QTest::newRow("3 wires") << 19
                                 << QStringList{
                                        "frequency",         "voltage-present",         "voltage-band",
                                        "voltage-unbalance", "current-without-voltage", "load",
                                        "current-rating",    "current-unbalance"};
    }
    void checksPerSystem() {
        QFETCH(int, system);
        QFETCH(QStringList, checks);
        Wiring w;
        w.system = system;
        QStringList ran;
        for (const auto& f : CheckInstallation(Measure(w))) {
            ran << CheckKindName(f.kind);
            QCOMPARE(VerdictName(f.verdict), "ok");
        }
        QCOMPARE(ran, checks);
    }

    void missingVoltageOfOnePhaseSystem() {
        Wiring w;
        w.system = 0;
        w.noVoltage = L1;
        const auto findings = CheckInstallation(Measure(w));
        QCOMPARE(Find(findings, InstallationCheckKind::VoltagePresent)->phases, L1);
        QCOMPARE(Find(findings, InstallationCheckKind::CurrentWithoutVoltage)->verdict, Verdict::Fail);
    }

    // A reading the meter marks, or a block shorter than expected, makes the checks behind
    // it warn; none fails on it.
    void invalidReadingWarns() {
        InstallationSnapshot s = Measure(Wiring{});
        s.values[2].validity = Validity::Overload; // U2N
        s.values[9].validity = Validity::Overload; // I2
        auto findings = CheckInstallation(s);
        QCOMPARE(WorstVerdict(findings), Verdict::Warn);
        QCOMPARE(Find(findings, InstallationCheckKind::VoltagePresent)->verdict, Verdict::Warn);
        QCOMPARE(Find(findings, InstallationCheckKind::PowerSign)->verdict, Verdict::Warn);
        QCOMPARE(Find(findings, InstallationCheckKind::Frequency)->verdict, Verdict::Ok);
        s.values.resize(5);
        findings = CheckInstallation(s);
        QCOMPARE(WorstVerdict(findings), Verdict::Warn);
        QVERIFY(FindingSentence(findings.front()).contains("No valid reading"));
    }

    void frequencyBand_data() {
        QTest::addColumn<double>("hz");
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("freqCode");
        QTest::addColumn<Verdict>("verdict");
        QTest::newRow("50.4 Hz") << 50.4 << 1 << 2 << Verdict::Ok;
        QTest::newRow("49.2 Hz") << 49.2 << 1 << 2 << Verdict::Warn;
        QTest::newRow("52.5 Hz") << 52.5 << 1 << 2 << Verdict::Fail;
        QTest::newRow("60 Hz set to 60") << 60.0 << 1 << 4 << Verdict::Ok;
        QTest::newRow("60 Hz set to 50") << 60.0 << 1 << 2 << Verdict::Fail;
        QTest::newRow("base model at 59.7 Hz") << 59.7 << 0 << 0 << Verdict::Ok;
        QTest::newRow("base model at 56 Hz") << 56.0 << 0 << 0 << Verdict::Fail;
    }
    void frequencyBand() {
        QFETCH(double, hz);
        QFETCH(int, model);
        QFETCH(int, freqCode);
        QFETCH(Verdict, verdict);
        Wiring w;
        w.frequency = hz;
        w.model = model;
        w.freqCode = uint8_t(freqCode);
        const auto findings = CheckInstallation(Measure(w));
        QCOMPARE(VerdictName(Find(findings, InstallationCheckKind::Frequency)->verdict),
                 VerdictName(verdict));
    }

    void frequencyOutsideMeterRangeFails() {
        InstallationSnapshot s = Measure(Wiring{});
        s.values[28].validity = Validity::Below45Hz;
        QCOMPARE(Find(CheckInstallation(s), InstallationCheckKind::Frequency)->verdict, Verdict::Fail);
    }

    // Per row the median of the valid reads; a row valid in no read keeps its marker.
    void medianOfReads() {
        auto read = [](double a, Validity va, double b) {
            InstallationSnapshot s;
            s.values = {{a, kVoltage, va}, {b, kCurrent, Validity::Overload}};
            return s;
        };
        QCOMPARE(MedianOf({}).values.size(), size_t(0));
        const auto m = MedianOf(
            {read(230.0, Validity::Ok, 1.0), read(1e9, Validity::Ok, 2.0), read(229.0, Validity::Ok, 3.0)});
        QCOMPARE(m.values[0].si, 230.0);
        QCOMPARE(m.values[1].validity, Validity::Overload);
        const auto two = MedianOf(
            {read(230.0, Validity::Ok, 0), read(0.0, Validity::NoReading, 0), read(232.0, Validity::Ok, 0)});
        QCOMPARE(two.values[0].si, 231.0);
        QCOMPARE(two.values[0].validity, Validity::Ok);
    }
};

QTEST_GUILESS_MAIN(InstallationCheckTest)
#include "installation_check_test.moc"
