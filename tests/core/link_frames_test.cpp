// Frames built from the request tables, reply checks and the byte-order conversions.
#include "config/ConfigImage.h"
#include "config/MeterSession.h"
#include "link/Connection.h"
#include "link/DeviceLink.h"
#include "link/ModbusTcp.h"
#include "link/Udp.h"
#include "settings/INI_File.h"

#include <QtTest>
#include <cstring>

struct FrameCase {
    int commType, kind, index, broadcast;
    QByteArray frame; // RTU frames without their CRC; Modbus/TCP frames whole
    int recLen;
};
Q_DECLARE_METATYPE(FrameCase)

namespace {

QByteArray Sent() {
    return QByteArray(reinterpret_cast<const char*>(SendBuffer), SndLen);
}
QByteArray Hex(const void* p, int n) {
    return QByteArray(static_cast<const char*>(p), n).toHex();
}

QByteArray WithCRC(QByteArray frame) {
    uint16_t crc = 0xFFFF;
    for (char c : frame)
        crc = CRC16(crc, uint8_t(c));
    return frame.append(char(crc & 0xFF)).append(char(crc >> 8));
}

// Puts a reply with the given data bytes into RecBuffer the way a meter sends it.
int PutReply(const QByteArray& data) {
    const QByteArray r = WithCRC(QByteArray("\xFF\x03", 2) + char(data.size()) + data);
    std::memcpy(RecBuffer, r.constData(), size_t(r.size()));
    return int(r.size());
}

void Receive(MeterSession& session, int index, const QByteArray& data) {
    MakeProtocol(3, session.read, index, 1, 0);
    PutReply(data);
    DistributeReply(session.read, index);
}

void SetLoggerRequest(int blockAddress, int blockCount) {
    MeterBlocksInUse().loggerStatus[26] = uint8_t(blockCount);
    MeterBlocksInUse().loggerStatus[27] = uint8_t(blockCount >> 8);
    MeterBlocksInUse().loggerStatus[28] = uint8_t(blockAddress);
    MeterBlocksInUse().loggerStatus[29] = uint8_t(blockAddress >> 8);
}

} // namespace

class LinkFramesTest : public QObject {
    Q_OBJECT
    MeterSession session;
    Connection& connection = session.connection; // the one the link talks over
  private slots:
    void initTestCase() { UseSession(session); }
    void init() {
        connection.kind = 0;
        connection.meterAddress = 5;
        connection.gatewayUnitAddress = 9;
    }

    void crcMatchesTheModbusReference() {
        QCOMPARE(WithCRC(QByteArray::fromHex("01030000000A")).right(2).toHex(), QByteArray("c5cd"));
    }

    void frames_data() {
        QTest::addColumn<FrameCase>("c");
        QTest::newRow("rs232 read 0") << FrameCase{0, 3, 0, 0, QByteArray::fromHex("FF0300630042"), 137};
        QTest::newRow("rs232 read 13") << FrameCase{0, 3, 13, 0, QByteArray::fromHex("FF0300630048"), 149};
        QTest::newRow("rs485 write 6")
            << FrameCase{1, 10, 6, 0, QByteArray::fromHex("051003C90001020003"), 8};
        QTest::newRow("rs485 broadcast")
            << FrameCase{1, 10, 7, 1, QByteArray::fromHex("001003C90001020002"), 8};
        QTest::newRow("rs232 broadcast keeps 255")
            << FrameCase{0, 10, 7, 1, QByteArray::fromHex("FF1003C90001020002"), 8};
        QTest::newRow("rs485 read 35") << FrameCase{1, 3, 35, 0, QByteArray::fromHex("050301F3004B"), 155};
        QTest::newRow("gateway read") << FrameCase{2, 3, 9, 0, QByteArray::fromHex("0903018F0001"), 7};
        QTest::newRow("module read goes to 255")
            << FrameCase{3, 3, 9, 0, QByteArray::fromHex("FF03018F0001"), 7};
        QTest::newRow("module write goes to the meter")
            << FrameCase{3, 10, 6, 0, QByteArray::fromHex("091003C90001020003"), 8};
        QTest::newRow("tcp gateway read 0")
            << FrameCase{2, 3, 0, -1, QByteArray::fromHex("000000000006090300630042"), 141};
        QTest::newRow("tcp module write 6")
            << FrameCase{3, 10, 6, -1, QByteArray::fromHex("000000000009091003C90001020003"), 12};
    }
    void frames() {
        QFETCH(FrameCase, c);
        connection.kind = c.commType;
        const bool tcp = c.broadcast < 0;
        MakeProtocol(c.kind, session.read, c.index, 1, tcp ? 0 : c.broadcast);
        if (tcp) MakeTCPProtocol();
        QCOMPARE(Sent().toHex(' '), (tcp ? c.frame : WithCRC(c.frame)).toHex(' '));
        QCOMPARE(RecLen, c.recLen);
    }

    // Every block read fits its destination (the display and frequency reads keep only
    // part of their data, request 10 keeps nothing, logger data is sized at run time),
    // and every write payload is its source block.
    void everyRequestFitsItsBlocks() {
        for (int i = 0; i < kReadRequests; ++i) {
            if (i == kReadDisplay || i == kReadUnused10 || i == kReadLoggerData || i == kReadFrequency)
                continue;
            int room = 0;
            for (const auto& block : ReadDestinations(session.read, i))
                room += int(block.size());
            QVERIFY2(2 * Rtel[i].count <= room, qPrintable(QString::number(i)));
        }
        for (int i = 0; i < kWriteRequests; ++i)
            QVERIFY2(Stel[i].source.size == 2 * Stel[i].count, qPrintable(QString::number(i)));
    }

    void loggerRequestTakesAddressAndCountFromLog() {
        connection.kind = 0;
        SetLoggerRequest(0x1234, 64);
        MakeProtocol(3, session.read, 12, 1, 0);
        QCOMPARE(Sent().toHex(' '), WithCRC(QByteArray::fromHex("FF03123400 40")).toHex(' '));
        QCOMPARE(RecLen, 133);
    }

    // Beyond its buffer a logger request is not built, so nothing is sent (a count of 256
    // would have gone out with its low byte 0).
    void loggerRequestBeyondItsBufferIsRefused() {
        for (const auto& [commType, count] : {std::pair{0, 129}, std::pair{0, 256}, std::pair{2, 124}}) {
            connection.kind = commType;
            SetLoggerRequest(0, count);
            SndLen = 0;
            QCOMPARE(Read(session.read, kReadLoggerData, 1), 0);
            QCOMPARE(SndLen, 0);
        }
    }

    // Only a reply naming "ZRM3" (in capitals, whatever follows) is the extended model.
    void modelFlag() {
        const std::pair<QByteArray, int> cases[] = {{QByteArray("ZRM3\0\0", 6), 1},
                                                    {QByteArray("ZRM3xy", 6), 1},
                                                    {QByteArray("ZRM2\0\0", 6), 0},
                                                    {QByteArray("zrm3\0\0", 6), 0}};
        for (const auto& [name, model] : cases) {
            MakeProtocol(3, session.read, 6, 1, 0);
            QCOMPARE(CheckReply(PutReply(name)), 1);
            session.read.Model = 7;
            DistributeReply(session.read, 6);
            QCOMPARE(int(session.read.Model), model);
            QCOMPARE(QByteArray(ReportedModel(), 5), name.left(4) + '\0');
        }
    }

    void replyChecks() {
        MakeProtocol(3, session.read, 9, 1, 0);
        const int n = PutReply(QByteArray::fromHex("0102"));
        QCOMPARE(CheckReply(n), 1);
        QCOMPARE(CheckReply(n - 1), 0);
        RecBuffer[4] ^= 0x10;
        QCOMPARE(CheckReply(n), -1);
        const QByteArray ex = WithCRC(QByteArray::fromHex("FF8302")); // exception replies are 5 bytes
        std::memcpy(RecBuffer, ex.constData(), size_t(ex.size()));
        QCOMPARE(CheckReply(int(ex.size())), 0);
    }

    void readConversions() {
        // 32-bit quantities travel low register first, each register big-endian.
        Receive(session, 2, QByteArray::fromHex("56781234").repeated(8));
        QCOMPARE(Hex(session.blocks.energy, 4), QByteArray("78563412"));
        Receive(session, 3, QByteArray::fromHex("0102"));
        QCOMPARE(Hex(session.blocks.energyScale, 2), QByteArray("0201"));
        // Logger blocks may have an odd register count: the last register is turned too.
        SetLoggerRequest(0, 3);
        Receive(session, 12, QByteArray::fromHex("010203040506"));
        QCOMPARE(Hex(session.blocks.loggerRecords, 6), QByteArray("020104030605"));
        // Unbalance and THD arrive together and are split over two blocks.
        std::memset(session.blocks.voltageUnbalance, 0xEE, sizeof session.blocks.voltageUnbalance);
        std::memset(session.blocks.voltageThd, 0xEE, sizeof session.blocks.voltageThd);
        Receive(session, 19, QByteArray::fromHex("0001000200030004"));
        QCOMPARE(Hex(session.blocks.voltageUnbalance, 4), QByteArray("0100eeee"));
        QCOMPARE(Hex(session.blocks.voltageThd, 8), QByteArray("020003000400eeee"));
        // Single bytes land at their image positions, unconverted.
        Receive(session, 8, QByteArray::fromHex("A1B2C3D4"));
        QCOMPARE((QList<int>{session.read.Display, session.read.System, uint8_t(session.read.Image)}),
                 (QList<int>{0xA1, 0xB2, 0xC3}));
        QCOMPARE(int(session.read.DigOut[0]), 0); // data byte 3 is not kept
        Receive(session, 16, QByteArray::fromHex("7731"));
        QCOMPARE(int(session.read.Freq), 0x31);
        Receive(session, 34, QByteArray::fromHex("0586"));
        QCOMPARE(int(session.read.Address), 5);
        QCOMPARE(int(session.read.BusSettings), 0x86);
    }

    void configurationWordsAreTheOnlyConvertedBytes() {
        // Register r carries the bytes (r - 499) * 2 and + 1 of the wire block.
        QByteArray wire;
        for (int k = 0; k < 150; ++k)
            wire += char(k);
        Receive(session, 35, wire);
        const auto* img = reinterpret_cast<const uint8_t*>(&session.read);
        QCOMPARE(int(session.read.PulseRate[0]), 0x0001);
        QCOMPARE(int(session.read.IrSecMant), 0x0a0b);
        QCOMPARE(int(img[38]), 12); // exponents are bytes
        QCOMPARE(int(session.read.Description[0]), 18);
        QCOMPARE(int(session.read.LimitOff[1]), 0x4849);
        QCOMPARE(int(session.read.Freq), 82);
        QCOMPARE(int(session.read.Mean_Log), 0x8081);
        QCOMPARE(int(img[175]), 149);
        // Sending converts back: the wire equals what came in.
        MakeProtocol(10, session.read, 3, 1, 0);
        QCOMPARE(Sent().mid(7, 82), wire.left(82));
        MakeProtocol(10, session.read, 11, 1, 0);
        QCOMPARE(Sent().mid(7, 68), wire.mid(82, 68));
        QCOMPARE(SndLen, 77);
    }

    void writePayloads() {
        const uint32_t v = 0x12345678;
        std::memcpy(session.blocks.energy, &v, 4);
        MakeProtocol(10, session.read, 2, 1, 0);
        QCOMPARE(Sent().mid(7, 4).toHex(), QByteArray("56781234"));
        const uint16_t w[3] = {0x0102, 0x0304, 0x0506};
        std::memcpy(session.blocks.minMaxReset, w, 6);
        MakeProtocol(10, session.read, 9, 1, 0);
        QCOMPARE(Sent().mid(7, 4).toHex(), QByteArray("03040506"));
        QCOMPARE(Hex(session.blocks.minMaxReset, 2), QByteArray("0201")); // source untouched
    }

    // Good; another unit, another function, short; exception 11 (also with the gateway's own
    // unit); exception 2 waits for the time-out; exceptions of another unit or function.
    void tcpReplies() {
        const struct {
            const char* hex;
            int state;
        } cases[] = {
            {"0000000000050503020102", 1}, {"0000000000050603020102", -7}, {"0000000000050504020102", -7},
            {"00000000000505030201", -7},  {"00000000000305830B", -11},    {"00000000000301830B", -11},
            {"000000000003058302", 0},     {"000000000003068302", -7},     {"00000000000305840B", -7}};
        for (const auto& [hex, state] : cases) {
            const QByteArray reply = QByteArray::fromHex(hex);
            connection.kind = 2;
            connection.gatewayUnitAddress = 5;
            MakeProtocol(3, session.read, 9, 1, 0);
            MakeTCPProtocol();
            std::memcpy(RecBuffer, reply.constData(), size_t(reply.size()));
            QCOMPARE(ClassifyTCPReply(int(reply.size())), state);
            if (state == 1) {
                DecodeTCPProtocol();
                QCOMPARE(Hex(RecBuffer, 4), QByteArray("05030201"));
            }
        }
    }
};

QTEST_GUILESS_MAIN(LinkFramesTest)
#include "link_frames_test.moc"
