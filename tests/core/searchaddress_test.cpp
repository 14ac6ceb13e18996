#include "config/MeterSession.h"
#include "link/Connection.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"
#include "settings/SearchAddress.h"

#include "SimLine.h"

#include <QtTest>
#include <algorithm>
#include <vector>

namespace {

QList<int> Found() {
    QList<int> list;
    for (int32_t a : Devices485)
        if (a != 0) list << a;
    return list;
}

} // namespace

class SearchAddressTest : public QObject {
    Q_OBJECT
    MeterSession session;
    Connection& connection = session.connection; // the one the link talks over
    ScriptedMessages messages;
    QTemporaryDir dir;

    bool StartBus(const SimLine& line) {
        connection.serialPath = line.path().toStdString();
        return line.ok();
    }

  private slots:
    void initTestCase() { UseSession(session); }
    void init() {
        SettingsDir = dir.path().toStdString();
        LoadINIDefault(session);
        connection.kind = 1;
        connection.rtsFlow = 0;
        connection.replyTimeoutMs = 50;
        CloseCommPort();
        connection.highestSearchAddress = 32;
        messages.clear();
        SetMessageSink(&messages);
    }

    void findsTheMetersOfTheRange() {
        SimLine line({"--rs485", "3,17,40"});
        QVERIFY(StartBus(line));
        std::vector<int> probed;
        QCOMPARE(SearchAddress(connection.highestSearchAddress, [&](int a) { probed.push_back(a); }), 1);
        QCOMPARE(Found(), (QList<int>{3, 17})); // 40 lies outside 1..32
        QCOMPARE(connection.meterAddress, 247); // the selection is taken when the dialog closes
        QVERIFY(probed.size() == 32 && std::is_sorted(probed.begin(), probed.end()));
        QVERIFY(!CommPortIsOpen() && messages.shown.empty());
    }

    void onlyAddressOneGetsASecondProbe() {
        for (const QString missesFirst : {"1", "2"}) {
            SimLine line({"--rs485", "1,2", "--miss-first", missesFirst});
            QVERIFY(StartBus(line));
            QCOMPARE(SearchAddress(connection.highestSearchAddress), 1);
            QCOMPARE(Found(), missesFirst == "1" ? (QList<int>{1, 2}) : (QList<int>{1}));
        }
    }

    void keepsTheLowest32() {
        QStringList bus;
        QList<int> lowest;
        for (int a = 30; a < 70; ++a) {
            bus << QString::number(a);
            if (a < 62) lowest << a;
        }
        SimLine line({"--rs485", bus.join(',')});
        QVERIFY(StartBus(line));
        connection.highestSearchAddress = 247;
        int last = 0, found = 0;
        const auto probing = [&](int a) { last = a; };
        QCOMPARE(SearchAddress(connection.highestSearchAddress, probing, &found), 1);
        QCOMPARE(Found(), lowest);
        QCOMPARE(found, 32);
        QCOMPARE(last, 61); // nothing more can be kept, so nothing more is probed
    }

    void emptyBusChangesNothingButTheList() {
        SimLine line({"--rs485", "100"});
        QVERIFY(StartBus(line));
        Devices485[0] = 9;
        connection.meterAddress = 9;
        QCOMPARE(SearchAddress(connection.highestSearchAddress), 1);
        QVERIFY(Found().empty());
        QCOMPARE(connection.meterAddress, 9);
    }

    void portThatDoesNotExist() {
        connection.serialPath = dir.path().toStdString() + "/no-such-tty";
        Devices485[0] = 5;
        int probes = 0;
        QCOMPARE(SearchAddress(connection.highestSearchAddress, [&](int) { ++probes; }), -1);
        QCOMPARE(probes, 0);
        QCOMPARE(messages.shown, (std::vector<ScriptedMessages::Shown>{{MessageType::Error, 0, 0}}));
        QCOMPARE(Found(), QList<int>{5});
        QVERIFY(!CommPortIsOpen());
    }

    // A converter pulled out halfway: the search ends at once instead of timing out
    // on every remaining address, and keeps what it found.
    void portVanishesDuringTheSearch() {
        SimLine line({"--rs485", "2"});
        QVERIFY(StartBus(line));
        connection.highestSearchAddress = 247;
        connection.replyTimeoutMs = 200;
        int probes = 0;
        const int rc = SearchAddress(connection.highestSearchAddress, [&](int a) {
            ++probes;
            if (a == 4) QFile::remove(line.path());
        });
        QCOMPARE(rc, 0);
        QVERIFY2(probes < 10, qPrintable(QString::number(probes)));
        QCOMPARE(Found(), QList<int>{2});
        QVERIFY(messages.wasShown(MessageType::Error, 0, 0));
        QVERIFY(!CommPortIsOpen());
    }

    void selectionKeepsTheLowest32() {
        QList<int> many;
        for (int a = 10; a < 43; ++a)
            many << a;
        const struct {
            QList<int> ticked, kept;
            int deviceAddr;
        } cases[] = {
            {many, many.mid(0, 32), 10}, {{247, 1}, {1, 247}, 1}, {{}, {}, 77}}; // none keeps the address
        for (const auto& c : cases) {
            bool boxes[kMaxBusAddress] = {};
            for (int a : c.ticked)
                boxes[a - 1] = true;
            connection.meterAddress = Devices485[0] = 77;
            GetRS485DeviceSelection(boxes, connection);
            QCOMPARE(Found(), c.kept);
            QCOMPARE(connection.meterAddress, c.deviceAddr);
        }
    }

    void timeoutField() {
        connection.replyTimeoutMs = 200;
        // 0.29 is 289.99999999999994 in binary; the rest is cut off; nonsense is clamped or refused.
        const std::pair<double, int> cases[] = {{0.35, 350}, {0.29, 290},    {0.2509, 250}, {0.0, 50},
                                                {-3.0, 50},  {1e300, 10000}, {qQNaN(), 200}};
        for (const auto& [seconds, ms] : cases)
            QCOMPARE(TimeoutFromSeconds(seconds), ms);
    }
};

QTEST_GUILESS_MAIN(SearchAddressTest)
#include "searchaddress_test.moc"
