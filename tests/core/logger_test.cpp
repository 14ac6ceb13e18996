#include "SimLine.h"
#include "acquisition/Acquisition.h"
#include "acquisition/MeasDecode.h"
#include "config/ConfigImage.h"
#include "config/MeterSession.h"
#include "link/DeviceLink.h"
#include "logger/LogData.h"
#include "logger/Logger.h"
#include "platform/Messages.h"
#include "platform/ProgramFiles.h"
#include "platform/ScratchFile.h"
#include "platform/TimeBase.h"
#include "settings/INI_File.h"

#include <QtTest>
#include <cstring>
#include <limits>
#include <memory>

namespace {

using M = MessageType;

uint32_t At(unsigned day, unsigned hour, unsigned minute, unsigned second) {
    return CalendarSecondsFromLocal({2026, 3, day, hour, minute, second});
}

// A file as the logger writes it, with the given record lines.
QByteArray Zrd(const QByteArray& records, const QByteArray& units = "\t\t\t[kV]\t[MW]") {
    return "Device: \t 1\tmeter\x01room 2\nstatus\tdate\ttime\tU1N\tP.inc\n" + units + "\n" + records;
}

} // namespace

class LoggerTest : public QObject {
    Q_OBJECT

    MeterSession session;
    Connection& connection = session.connection; // the one the link talks over
    QTemporaryDir dir;
    ScriptedMessages messages;
    std::unique_ptr<SimLine> sim;
    LogSource device; // the meter logger as the panel describes it
    LoggerRecords records;

    // A meter with its logger preset; the logger described in device as the panel does.
    bool Meter(const QStringList& options, int commType = 0) {
        CloseCommPort();
        sim.reset();
        sim = std::make_unique<SimLine>((commType ? QStringList{"--rs485", "17"} : QStringList{"--rs232"}) +
                                        options);
        if (!sim->ok()) return false;
        connection.kind = commType;
        connection.serialPath = sim->path().toStdString();
        const bool ok = OpenAcquisition(session) && DescribeMeterLogger(session, device);
        messages.clear();
        return ok;
    }

  private slots:
    void initTestCase() {
        UseSession(session);
        SettingsDir = dir.path().toStdString();
        connection.replyTimeoutMs = 100;
        connection.meterAddress = 17;
        connection.baudIndex = 3;
        connection.formatIndex = 1;
        SetMessageSink(&messages);
    }
    void cleanupTestCase() {
        CloseCommPort();
        sim.reset();
        SetMessageSink(nullptr);
    }

    void channelsFromTheConfiguration() {
        ConfigImage c{};
        c.Logger = 0x7C00 | 0x0123;
        std::memset(c.MeanMeas, 255, sizeof c.MeanMeas);
        std::strcpy(c.Description, "line 1\nline 2");
        c.Address = 7;
        LogSource s;
        DescribeLoggerChannels(s, c, 7);
        // The base model knows two power channels only.
        QCOMPARE(s.NumChan, 2);
        QCOMPARE(s.FileHead1, QString("Device: \t 7\tline 1\x01line 2"));
        QCOMPARE(s.FileHead2, QString("status\tdate\ttime\tPinc-Pout\tQind+Qcap"));
        QCOMPARE(s.ListHead1, QString(" Pinc-Pout Qind+Qcap"));
        // The extended model: power channels in their order, then the mean values; a
        // measurand the system lacks keeps its place, nameless and invalid.
        c.Model = 1;
        c.System = 1; // a single-phase class
        c.Logger = 0x2800;
        c.MeanMeas[0] = 0;  // U
        c.MeanMeas[1] = 50; // P1.inc: three phases only
        c.MeanMeas[2] = 25; // F
        c.MeanMeas[3] = 29; // PF, not logged
        c.Mean_Log = 0x7;
        DescribeLoggerChannels(s, c, 0);
        QCOMPARE(s.NumChan, 5);
        QCOMPARE(s.AddrText, QString("--"));
        QCOMPARE((QStringList{s.ChanName[0], s.ChanName[1], s.ChanName[2], s.ChanName[3], s.ChanName[4]}),
                 (QStringList{"P.inc", "P.out", "U", "", "F"}));
        QCOMPARE((QList<int>{s.ChanClass[0], s.ChanClass[2], s.ChanClass[4]}),
                 (QList<int>{kActivePower, kVoltage, kFrequency}));
        QCOMPARE((QList<int>{s.Unmeasured[2], s.Unmeasured[3], s.Unmeasured[4]}), (QList<int>{0, 1, 0}));
        QCOMPARE((QStringList{s.ChanUnit[2], s.ChanUnit[3]}), (QStringList{"[V]", ""}));
    }

    void intervalSizesAndSpans() {
        ConfigImage c{};
        c.EnergyControl = 15;
        LogSource s;
        QVERIFY(LoggerIntervalFromConfig(s, c));
        QCOMPARE(s.IntervalText, QString("15:00"));
        c.EnergyControl = 0x80 | 15; // synchronised from outside: the user is asked
        QVERIFY(!LoggerIntervalFromConfig(s, c));
        c.EnergyControl = 0;
        QVERIFY(!LoggerIntervalFromConfig(s, c));
        QVERIFY(!SetLoggerInterval(s, 0, 9) && SetLoggerInterval(s, 0, 10));
        QCOMPARE(s.IntervalText, QString("00:10"));
        QCOMPARE(s.IntervalAsked, 1);
        QCOMPARE(LoggerSpanText(900, 4), QString("00:01:00"));
        QCOMPARE(LoggerSpanText(900, 100), QString("01:01:00"));
        // Intervals that are no whole number of minutes count in full.
        QCOMPARE(LoggerSpanText(30, 100), QString("00:00:50"));
        QCOMPARE(LoggerSpanText(90, 10), QString("00:00:15"));
    }

    void valueTexts() {
        // 800 kV nominal: kV with one decimal.
        const DisplayScale scale(800000.0f, 1.0f, 1.0f, 1);
        auto text = [&scale](int klass, bool invalid, float x) {
            const LoggedValue v = LoggerReading(scale, klass, invalid, x);
            return v.ok() ? LoggedNumberText(v.value, LoggerDecimals(scale, klass))
                          : MarkerText(v.validity, MarkerPlace::Record);
        };
        QCOMPARE(text(kFrequency, false, 44.99f), QString("<45"));
        QCOMPARE(text(kCurrent, true, 3.0f), QString("inval."));
        QCOMPARE(text(kVoltage, false, 230400.0f), QString("  230.4"));
        QCOMPARE(LoggerReading(scale, kVoltage, false, 230400.0f).value, 230.4);

        // The same reading is marked alike on the live panel, in the meter logger and
        // in the module logger (module codes 43 frequency, 44 power factor).
        const float inf = std::numeric_limits<float>::infinity(), nan = std::nanf("");
        LogSequence seq;
        seq.Digits.fill(2);
        seq.Scale.fill(1.0);
        const struct {
            int klass;
            uint8_t moduleCode;
        } kChecks[] = {{kFrequency, 43}, {kPowerFactor, 44}, {kCurrent, 1}};
        for (const auto& c : kChecks) {
            seq.Codes[0] = c.moduleCode;
            seq.Digits[0] = LoggerDecimals(scale, c.klass);
            for (const float raw : {nan, inf, -inf, 9.5e30f, 1.001f, -1.002f, 44.9f, 65.1f, 0.5f}) {
                const QString panel = scale.FieldText(MakeValue(raw, Quantity(c.klass)));
                const QString meter = text(c.klass, false, raw).trimmed();
                const QString module = ModuleValueText(seq, 0, raw).trimmed();
                const QString why = QString("class %1, reading %2: ").arg(c.klass).arg(raw);
                QVERIFY2(QString(panel).remove(' ') == meter && meter == module,
                         qPrintable(why + panel + " / " + meter + " / " + module));
            }
        }
        QCOMPARE(LoggerListColumn("123456789"), QString(" 123456789"));
        QCOMPARE(LoggerListColumn("1234567890"), QString("  12345678"));
    }

    void recordTimes() {
        LoggerRecords r;
        r.timeoffset = 900;
        r.ref_time = NewestRecordTime(At(9, 12, 7, 31), 900);
        QCOMPARE(GetLoggerTimeDate(r, 0).ixtime, QString("12:00:00"));
        QCOMPARE(GetLoggerTimeDate(r, 3).ixtime, QString("11:15:00"));
        QCOMPARE(GetLoggerTimeDate(r, 49).ixdate, QString("08.03.26"));
        uint32_t t = 0;
        QVERIFY(LoggerTimeFromText("09.03.26", "11:15:00", t));
        QCOMPARE(t, r.ref_time - 3 * 900);
        QVERIFY(!LoggerTimeFromText("9.3.26", "11:15", t));
    }

    // A file written again is the file that was read; numbers only make the extremes,
    // and the times of the first two records make the interval.
    void zrdFiles() {
        QByteArray data = Zrd("OK\t09.03.26\t12:00:00\t  230.4\t   OVL\n"
                              "--\t09.03.26\t11:55:00\t  229.1\t  12.50\n"
                              "OK\t09.03.26\t11:50:00\t    ---\t  -3.25\n"
                              "OK\t09.03.26\t11:45:00\t    <45\t  12.50\n");
        LogSource f;
        LoggerRecords r;
        QVERIFY(ParseZrd(data, f, r));
        QCOMPARE((QList<int>{f.NumRec, f.NumChan, f.FirstGapIx, int(r.timeoffset)}),
                 (QList<int>{4, 2, 1, 300}));
        QCOMPARE((QStringList{f.AddrText, f.DevText, f.IntervalText}),
                 (QStringList{"1", "meter\nroom 2", "05:00"}));
        QCOMPARE(r.ref_time, At(9, 12, 0, 0));
        QCOMPARE((QList<double>{f.Min[0], f.Max[0], f.Min[1], f.Max[1]}),
                 (QList<double>{229.1, 230.4, -3.25, 12.5}));
        QCOMPARE((QList<int>{f.MinIx[0], f.MaxIx[0], f.MinIx[1], f.MaxIx[1]}), (QList<int>{1, 0, 2, 1}));
        QCOMPARE((QList<int>{f.Digits[0], f.Digits[1]}), (QList<int>{1, 2}));

        const QString path = dir.filePath("a.ZRD");
        QByteArray written;
        QVERIFY(WriteZrdFile(path, f, r) && ReadWholeFile(path.toStdString(), written));
        QCOMPARE(written, data); // and the bytes parse as checked above

        // A file edited by hand is saved again as it was written, while its values count
        // as the numbers and states they stand for.
        const QByteArray edited = Zrd("OK\t09.03.26\t12:00:00\t230,1\t 1.5\n"
                                      "OK\t09.03.26\t11:55:00\t  inval.\tabc\n"
                                      "OK\tsoon\t11:50:00\t  1e3\n"
                                      "--\t29.03.26\t02:30:00\t   -2.0\t   1.25\n");
        QVERIFY(ParseZrd(edited, f, r));
        QCOMPARE(r.value(0, 0).value, 230.1);
        QCOMPARE(r.value(1, 0).validity, Validity::NotLogged);
        QCOMPARE(r.value(1, 1).validity, Validity::Overload);
        QCOMPARE(r.value(2, 0).value, 1000.0);
        QCOMPARE(r.times[2], r.ref_time - 2 * r.timeoffset); // no date: counted from the newest
        QCOMPARE(r.value(3, 1).value, 1.25);
        QVERIFY(WriteZrdFile(path, f, r) && ReadWholeFile(path.toStdString(), written));
        QCOMPARE(written, Zrd("OK\t09.03.26\t12:00:00\t230,1\t 1.5\n"
                              "OK\t09.03.26\t11:55:00\t  inval.\tabc\n"
                              "OK\tsoon\t11:50:00\t  1e3\t\n" // the missing field stays empty
                              "--\t29.03.26\t02:30:00\t   -2.0\t   1.25\n"));

        // One record gives no interval: 15 minutes, and the panel says so.
        QVERIFY(ParseZrd(Zrd("OK\t09.03.26\t12:00:00\t1.0\t2.0\n"), f, r));
        QVERIFY(f.IntervalAssumed && f.IntervalText == "15:00");
        QVERIFY(ParseZrd(data, f, r));
        QVERIFY(!f.IntervalAssumed);
    }

    void damagedZrdFilesChangeNothing() {
        const QByteArray fifteen = "\t\t" + QByteArray("\tV").repeated(15);
        const QByteArray bad[] = {
            "Device: \t 1\nstatus\tdate\ttime\tU\n\t\t\tV\n",              // a field short in line 1
            "Device: \t 1\tx\nstatus\tdate\ttime\n\t\t\tV\n",              // in line 2
            Zrd("", fifteen),                                              // more channels than a meter has
            Zrd("OK\t09.03.26\t12:00:00\t" + QByteArray(200, '1') + "\n"), // a line beyond the limit
            "Device: \t 1\tx\n",                                           // no header
        };
        LogSource f;
        f.NumRec = 77;
        LoggerRecords r;
        r.channels = 1;
        r.add(0, false), r.add(0, true), r.add(0, false);
        for (const QByteArray& b : bad) {
            messages.clear();
            QVERIFY(!ParseZrd(b, f, r));
            QCOMPARE(messages.shown, (std::vector<ScriptedMessages::Shown>{{M::Error, 3, 6}}));
        }
        QVERIFY(f.NumRec == 77 && r.size() == 3);
        messages.clear();
        QVERIFY(!ReadZrdFile(dir.filePath("missing.ZRD"), f, r));
        QVERIFY(messages.wasShown(M::Error, 2, 5));
    }

    void scratchFileIsPrivateAndGoes() {
        ScratchFile a, b;
        QVERIFY(a.create() && b.create());
        QVERIFY(a.path() != b.path()); // two running copies do not share it
        QVERIFY(a.append("x\n"));
        QCOMPARE(a.content(), QByteArray("x\n"));
        const QString path = QString::fromStdString(a.path());
        a.remove();
        QVERIFY(!QFile::exists(path));
    }

    // ---- reading from the simulated meter ----

    void fullMemoryInStopModeAsksForTheNewestTime() {
        QVERIFY(Meter({"--logger-channels", "3", "--logger-values", "30000", "--logger-mode", "stop"}));
        QCOMPARE(device.NumChan, 3);
        ScratchFile tmp;
        LoggerReadHooks hooks;
        uint32_t suggested = 0;
        hooks.now = At(9, 12, 7, 31);
        hooks.askNewest = [&](uint32_t s, uint32_t& chosen) {
            suggested = s;
            chosen = At(1, 8, 0, 0);
            return true;
        };
        int blocks = 0;
        hooks.blockDone = [&] { ++blocks; };
        QCOMPARE(ReadLoggerRecords(session, device, records, &tmp, hooks), LoggerRead::Done);
        QCOMPARE(suggested, At(9, 12, 0, 0));
        QCOMPARE((QList<int>{int(records.size()), device.NumRec, blocks}),
                 (QList<int>{5333, 5333, (5333 * 6 + 119) / 120}));
        QCOMPARE(RecordTimeText(records, 0), QString("08:00:00"));
        QCOMPARE(RecordTimeText(records, 4), QString("07:00:00"));
        QCOMPARE(messages.progressOpen, 0);
        QCOMPARE(messages.progressValues.front(), 0);
        // The scratch file is the file the records make.
        QByteArray file = ZrdHeader(device);
        for (size_t r = 0; r < records.size(); ++r)
            file += ZrdLine(records, r);
        QCOMPARE(tmp.content(), file);
        // Refused: nothing is read.
        hooks.askNewest = [](uint32_t, uint32_t&) { return false; };
        QCOMPARE(ReadLoggerRecords(session, device, records, nullptr, hooks), LoggerRead::TimeRefused);
    }

    void gapMarkersAndValueKinds() {
        // 9 channels: 108 registers a request; record 2 from the newest holds the marker
        // in the second register of its fourth value.
        const int values = 9 * 20;
        const int marker = 999 + 2 * (values - 3 * 9 + 3) + 1;
        QVERIFY(Meter({"--logger-channels", "9", "--logger-values", QString::number(values), "--logger-gaps",
                       QString::number(marker)}));
        QCOMPARE(device.NumChan, 9);
        // An interval given as 01:03 dates every record 63 s before the next.
        QVERIFY(SetLoggerInterval(device, 1, 3));
        LoggerReadHooks hooks;
        hooks.newest = At(9, 12, 0, 0);
        QCOMPARE(ReadLoggerRecords(session, device, records, nullptr, hooks), LoggerRead::Done);
        QCOMPARE(records.size(), size_t(20));
        QCOMPARE(RecordTimeText(records, 19), QString("11:40:03"));
        QCOMPARE(device.FirstGapIx, 2);
        for (int r = 0; r < 20; ++r)
            QCOMPARE(records.gaps[size_t(r)] == 0, r != 2);
        // Frequency and power factor channels hold numbers, each within its range.
        QVERIFY(records.value(0, 7).ok() && records.value(0, 8).ok());
        const double f = records.value(0, 7).value, pf = records.value(0, 8).value;
        QVERIFY(f > 45 && f < 65 && pf >= -1 && pf <= 1);
        for (int i = 0; i < 9; ++i)
            QVERIFY(device.Min[size_t(i)] <= device.Max[size_t(i)]);
    }

    void failedBlockKeepsThePartialList() {
        QVERIFY(Meter({"--logger-values", "1000"}, 1));
        QCOMPARE(device.NumChan, 2);
        LoggerReadHooks hooks;
        int blocks = 0, failAfter = 2;
        QString fault = "silence:16";
        hooks.blockDone = [&] {
            if (++blocks == failAfter) sim->fault(fault);
        };
        QCOMPARE(ReadLoggerRecords(session, device, records, nullptr, hooks), LoggerRead::BlockFailed);
        QCOMPARE(records.size(), size_t(60));
        QCOMPARE(messages.progressOpen, 0);
        // The message names what was tried: device, address, baud rate, format, time-out.
        const std::string tried = sim->path().toStdString() + ", 17, 9600, 8E2, 100 ms";
        QCOMPARE(messages.shown, (std::vector<ScriptedMessages::Shown>{{M::Error, 0, 2, tried}}));
        // Three failures and a good fourth attempt lose nothing.
        sim->clearFaults();
        blocks = 0, failAfter = 1, fault = "silence:12";
        messages.clear();
        QCOMPARE(ReadLoggerRecords(session, device, records, nullptr, hooks), LoggerRead::Done);
        QCOMPARE(records.size(), size_t(500));
        QVERIFY(messages.shown.empty());
    }
};

QTEST_GUILESS_MAIN(LoggerTest)
#include "logger_test.moc"
