// The installation check on instantaneous values built from the phasors of a wired
// meter: each wiring fault gets its verdict and names its phases, the checks follow the
// network system, a missing reading never fails a check; the reads over the link.
#include "SimLine.h"
#include "WiringRows.h"
#include "acquisition/Acquisition.h"
#include "commissioning/InstallationCheck.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"
#include "values/Measurands.h"

#include <QtTest>

namespace {

using K = InstallationCheckKind;
constexpr PhaseSet L1 = 1, L2 = 2, L3 = 4;

// The meter as configured for the wiring, with the rows it measures.
InstallationSnapshot Measure(const Wiring& w) {
    InstallationSnapshot s;
    s.config.System = uint8_t(w.system);
    s.config.UrPrim = 400.0f;
    s.config.UrSec = 400;
    s.config.IrPrim = float(w.ctRating);
    s.config.IrSec = 5.0f;
    s.config.Model = int16_t(w.model);
    s.config.Freq = uint8_t(w.freqCode);
    const std::vector<double> v = WiringRows(w);
    for (int r = 0; r < 36; ++r)
        s.values.push_back({v[size_t(r)], MeasurandAtRow(r)->quantity, Validity::Ok});
    return s;
}

const InstallationFinding& Find(const std::vector<InstallationFinding>& findings, K kind) {
    static const InstallationFinding none{};
    for (const auto& f : findings)
        if (f.kind == kind) return f;
    return none;
}

struct Expected {
    K kind;
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
        const Verdict ok = Verdict::Ok, warn = Verdict::Warn, fail = Verdict::Fail;
        using E = std::vector<Expected>;
        QTest::newRow("healthy") << Wiring{} << ok << E{};
        QTest::newRow("exporting feeder")
            << Wiring{.reversed = L1 | L2 | L3} << ok << E{{K::PowerSign, ok, 0}};
        QTest::newRow("reversed CT L2")
            << Wiring{.reversed = L2} << fail << E{{K::PowerSign, fail, L2}, {K::PowerFactor, ok, 0}};
        for (double pf : {0.9, 0.99, 0.8})
            QTest::addRow("swapped CTs L1 L2, PF %.2f", pf)
                << Wiring{.powerFactor = pf, .swapped = L1 | L2} << fail
                << E{{K::PowerFactor, fail, L1 | L2}, {K::PowerSign, warn, L1 | L2}};
        // Every phase low: the load's own angle, not the wiring.
        QTest::newRow("low power factor of the load")
            << Wiring{.powerFactor = 0.5} << warn
            << E{{K::PowerFactor, warn, L1 | L2 | L3}, {K::PowerSign, ok, 0}};
        QTest::newRow("missing voltage L3") << Wiring{.noVoltage = L3} << fail
                                            << E{{K::VoltagePresent, fail, L3},
                                                 {K::CurrentWithoutVoltage, fail, L3},
                                                 {K::LineVoltages, ok, 0},
                                                 {K::VoltageBand, ok, 0},
                                                 {K::PowerFactor, ok, 0}};
        QTest::newRow("missing voltage L3 without current")
            << Wiring{.load = 0.01, .noVoltage = L3} << fail << E{{K::CurrentWithoutVoltage, ok, 0}};
        QTest::newRow("CT ratio 3") << Wiring{.ctFactor = 3.0} << fail
                                    << E{{K::CurrentRating, fail, L1 | L2 | L3}};
        QTest::newRow("CT ratio 0.05: too little load")
            << Wiring{.ctFactor = 0.05} << warn
            << E{{K::Load, warn, 0}, {K::PowerSign, warn, 0}, {K::PowerFactor, warn, 0}};
        const E frequencyFails{{K::Frequency, fail, 0}};
        QTest::newRow("49.2 Hz") << Wiring{.frequency = 49.2} << warn << E{{K::Frequency, warn, 0}};
        QTest::newRow("52.5 Hz") << Wiring{.frequency = 52.5} << fail << frequencyFails;
        QTest::newRow("60 Hz set to 60") << Wiring{.frequency = 60.0, .freqCode = 4} << ok << E{};
        QTest::newRow("60 Hz set to 50") << Wiring{.frequency = 60.0} << fail << frequencyFails;
        QTest::newRow("base model at 59.7 Hz") << Wiring{.frequency = 59.7, .model = 0} << ok << E{};
        QTest::newRow("base model at 56 Hz")
            << Wiring{.frequency = 56.0, .model = 0} << fail << frequencyFails;
    }
    void wiringFaults() {
        QFETCH(Wiring, wiring);
        QFETCH(Verdict, worst);
        QFETCH(std::vector<Expected>, expected);
        const auto findings = CheckInstallation(Measure(wiring));
        QCOMPARE(findings.size(), size_t(12)); // every check of a four-wire system
        QCOMPARE(WorstVerdict(findings), worst);
        for (const Expected& e : expected) {
            QCOMPARE(Find(findings, e.kind).kind, e.kind);
            QCOMPARE(VerdictName(Find(findings, e.kind).verdict), VerdictName(e.verdict));
            QCOMPARE(Find(findings, e.kind).phases, e.phases);
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

    // Only the checks that mean something for the system run; a lone phase without
    // voltage is named as L1.
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
        QStringList ran;
        for (const auto& f : CheckInstallation(Measure({.system = system}))) {
            ran << CheckKindName(f.kind);
            QCOMPARE(VerdictName(f.verdict), "ok");
        }
        QCOMPARE(ran, checks);
        if (system != 0) return;
        const auto findings = CheckInstallation(Measure({.noVoltage = L1, .system = 0}));
        QCOMPARE(Find(findings, K::VoltagePresent).phases, L1);
        QCOMPARE(Find(findings, K::CurrentWithoutVoltage).verdict, Verdict::Fail);
    }

    // A reading the meter marks, or a block shorter than expected, makes the checks behind
    // it warn; none fails on it. A frequency the meter marks as out of its range fails.
    void invalidReadings() {
        InstallationSnapshot s = Measure({});
        s.values[2].validity = Validity::Overload; // U2N
        s.values[9].validity = Validity::Overload; // I2
        s.values[28].validity = Validity::Below45Hz;
        auto findings = CheckInstallation(s);
        QCOMPARE(Find(findings, K::Frequency).verdict, Verdict::Fail);
        findings.erase(findings.begin());
        QCOMPARE(WorstVerdict(findings), Verdict::Warn);
        QCOMPARE(Find(findings, K::VoltagePresent).verdict, Verdict::Warn);
        QCOMPARE(Find(findings, K::PowerSign).verdict, Verdict::Warn);
        s.values.resize(5);
        findings = CheckInstallation(s);
        QCOMPARE(WorstVerdict(findings), Verdict::Warn);
        QVERIFY(FindingSentence(findings.front()).contains("No valid reading"));
    }

    // Per row the median of the valid reads; a row valid in no read keeps its marker.
    void medianOfReads() {
        auto read = [](double u, Validity validity) {
            return InstallationSnapshot{{}, {{u, kVoltage, validity}, {1.0, kCurrent, Validity::Overload}}};
        };
        const auto three =
            MedianOf({read(230.0, Validity::Ok), read(1e9, Validity::Ok), read(229.0, Validity::Ok)});
        QCOMPARE(three.values[0].si, 230.0);
        QCOMPARE(three.values[1].validity, Validity::Overload);
        const auto two =
            MedianOf({read(230.0, Validity::Ok), read(0.0, Validity::NoReading), read(232.0, Validity::Ok)});
        QCOMPARE(two.values[0].si, 231.0);
    }

    // The user's language: translated sentence, the phases as they are, its decimal comma.
    void sentencesInGerman() {
        QTranslator german;
        QVERIFY(german.load("zaro_de", QStringLiteral(ZARO_BIN_DIR) + "/translations"));
        QCoreApplication::installTranslator(&german);
        const auto findings = CheckInstallation(Measure({.reversed = L2}));
        const QLocale de(QLocale::German);
        const QString reversed = FindingSentence(Find(findings, K::PowerSign), de);
        const QString load = FindingSentence(Find(findings, K::Load), de);
        QCoreApplication::removeTranslator(&german);
        QVERIFY2(reversed.startsWith("L2: die Wirkleistung"), qPrintable(reversed));
        QVERIFY2(load.contains("50,0 %"), qPrintable(load));
    }

    // Over a meter's link: its rows, read three times a second apart on the link's clock.
    void readsOverTheLink() {
        ScriptedMessages messages;
        MessageSink* old = SetMessageSink(&messages);
        MeterSession session;
        UseSession(session);
        SimLine line({"--rs232"});
        QVERIFY(line.ok());
        session.connection.serialPath = line.path().toStdString();
        session.connection.replyTimeoutMs = 300;
        InstallationSnapshot snapshot;
        const bool read = OpenAcquisition(session) && ReadInstallationSnapshot(session, snapshot, 0);
        CloseInterface();
        SetMessageSink(old);
        QVERIFY(read);
        QCOMPARE(snapshot.values.size(), size_t(36));
        QCOMPARE(WorstVerdict(CheckInstallation(snapshot)), Verdict::Ok);
        QList<int64_t> reads;
        const auto requests = line.requests();
        for (const auto& r : requests)
            if (r.frame == requests.back().frame) reads << r.atMs;
        QCOMPARE(reads.size(), kInstallationReads);
        QVERIFY(reads[1] - reads[0] >= 1000 && reads[2] - reads[1] >= 1000);
    }
};

QTEST_GUILESS_MAIN(InstallationCheckTest)
#include "installation_check_test.moc"
