// Frames built from the request tables, reply checks and the byte-order conversions.
#include "link/Kommun.h"
#include "link/TCP_Komm.h"
#include "link/Udp.h"
#include "settings/INI_File.h"

#include <QtTest>
#include <cstring>

namespace {

QByteArray Sent() { return QByteArray(reinterpret_cast<const char*>(SendBuffer), SndLen); }

QByteArray WithCRC(QByteArray frame)
{
    uint16_t crc = 0xFFFF;
    for (char c : frame) crc = CRC16(crc, uint8_t(c));
    frame.append(char(crc & 0xFF));
    frame.append(char(crc >> 8));
    return frame;
}

// Puts a reply with the given data bytes into RecBuffer the way a meter sends it.
int PutReply(const QByteArray& data)
{
    const QByteArray r = WithCRC(QByteArray("\xFF\x03", 2) + char(data.size()) + data);
    std::memcpy(RecBuffer, r.constData(), size_t(r.size()));
    return int(r.size());
}

void SetLoggerRequest(int blockAddress, int blockCount)
{
    Log[26] = uint8_t(blockCount);
    Log[27] = uint8_t(blockCount >> 8);
    Log[28] = uint8_t(blockAddress);
    Log[29] = uint8_t(blockAddress >> 8);
}

} // namespace

class LinkFramesTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        CommType = 0;
        DeviceAddr = 247;
        TCPDevAddr = 247;
    }

    void crcMatchesTheModbusReference()
    {
        // The frame every Modbus document quotes: 01 03 00 00 00 0A, CRC C5 CD.
        uint16_t crc = 0xFFFF;
        for (uint8_t b : {0x01, 0x03, 0x00, 0x00, 0x00, 0x0A}) crc = CRC16(crc, b);
        QCOMPARE(crc & 0xFF, 0xC5);
        QCOMPARE(crc >> 8, 0xCD);
    }

    void frames_data()
    {
        QTest::addColumn<int>("commType");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("broadcast");
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<int>("recLen");
        QTest::newRow("rs232 read 0") << 0 << 3 << 0 << 0 << WithCRC(QByteArray::fromHex("FF030063 0042")) << 137;
        QTest::newRow("rs232 read 13") << 0 << 3 << 13 << 0 << WithCRC(QByteArray::fromHex("FF030063 0048")) << 149;
        QTest::newRow("rs485 write 6 to 5") << 1 << 10 << 6 << 0
                                            << WithCRC(QByteArray::fromHex("051003C9 00010200 03")) << 8;
        QTest::newRow("rs485 broadcast") << 1 << 10 << 7 << 1 << WithCRC(QByteArray::fromHex("001003C9 00010200 02"))
                                         << 8;
        QTest::newRow("rs232 broadcast keeps 255")
            << 0 << 10 << 7 << 1 << WithCRC(QByteArray::fromHex("FF1003C9 00010200 02")) << 8;
        QTest::newRow("rs485 read 35") << 1 << 3 << 35 << 0 << WithCRC(QByteArray::fromHex("050301F3 004B")) << 155;
        QTest::newRow("gateway read") << 2 << 3 << 9 << 0 << WithCRC(QByteArray::fromHex("0903018F 0001")) << 7;
        QTest::newRow("module read goes to 255") << 3 << 3 << 9 << 0 << WithCRC(QByteArray::fromHex("FF03018F 0001"))
                                                 << 7;
        QTest::newRow("module write goes to the meter")
            << 3 << 10 << 6 << 0 << WithCRC(QByteArray::fromHex("091003C9 00010200 03")) << 8;
    }
    void frames()
    {
        QFETCH(int, commType);
        QFETCH(int, kind);
        QFETCH(int, index);
        QFETCH(int, broadcast);
        QFETCH(QByteArray, frame);
        QFETCH(int, recLen);
        CommType = commType;
        DeviceAddr = 5;
        TCPDevAddr = 9;
        MakeProtocol(kind, Lese, index, 1, broadcast);
        QCOMPARE(Sent().toHex(' '), frame.toHex(' '));
        QCOMPARE(RecLen, recLen);
    }

    void everyTableEntryIsConsistent()
    {
        for (int i = 0; i < kWriteRequests; ++i) {
            const int count = Stel[i][2] << 8 | Stel[i][3];
            QCOMPARE(int(Stel[i][4]), 2 * count);
            QCOMPARE(int(Stel[i][5]), 7 + 2 * count);
        }
        // Every block read fits its destination (8 and 16 keep only part of their data,
        // 10 keeps nothing, 12 is sized at run time).
        for (int i = 0; i < kReadRequests; ++i) {
            if (i == 8 || i == 10 || i == 12 || i == 16) continue;
            int room = 0;
            for (const auto& block : ReadDestinations(Lese, i)) room += int(block.size());
            const int data = 2 * (Rtel[i][2] << 8 | Rtel[i][3]);
            QVERIFY2(data <= room, qPrintable(QString::number(i)));
        }
    }

    void loggerRequestTakesAddressAndCountFromLog()
    {
        SetLoggerRequest(0x1234, 64);
        MakeProtocol(3, Lese, 12, 1, 0);
        QCOMPARE(Sent().toHex(' '), WithCRC(QByteArray::fromHex("FF031234 0040")).toHex(' '));
        QCOMPARE(RecLen, 133);
    }

    void loggerRequestBeyondItsBufferIsRefused_data()
    {
        QTest::addColumn<int>("commType");
        QTest::addColumn<int>("count");
        QTest::newRow("serial 129") << 0 << 129;
        QTest::newRow("serial 256") << 0 << 256; // low byte 0 would also have gone out
        QTest::newRow("tcp 124") << 2 << 124;
    }
    void loggerRequestBeyondItsBufferIsRefused()
    {
        QFETCH(int, commType);
        QFETCH(int, count);
        CommType = commType;
        SetLoggerRequest(0, count);
        SndLen = 0;
        QCOMPARE(Read(Lese, 12, 1), 0);
        QCOMPARE(SndLen, 0); // nothing was built, so nothing was sent
    }

    void modelFlag_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("model");
        QTest::newRow("ZRM3") << QByteArray("ZRM3\0\0", 6) << 1;
        QTest::newRow("ZRM3 with trailing bytes") << QByteArray("ZRM3xy", 6) << 1;
        QTest::newRow("standard") << QByteArray("ZRM2\0\0", 6) << 0;
        QTest::newRow("shorter") << QByteArray("ZRM\0\0\0", 6) << 0;
        QTest::newRow("blank") << QByteArray("      ", 6) << 0;
        QTest::newRow("lower case") << QByteArray("zrm3\0\0", 6) << 0;
    }
    void modelFlag()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, model);
        MakeProtocol(3, Lese, 6, 1, 0);
        QCOMPARE(CheckReply(PutReply(name)), 1);
        Lese.Model = 7;
        DistributeReply(Lese, 6);
        QCOMPARE(int(Lese.Model), model);
        QCOMPARE(Devtype[4], '\0');
        QCOMPARE(QByteArray(Devtype, 4), name.left(4));
    }

    void replyChecks()
    {
        MakeProtocol(3, Lese, 9, 1, 0);
        const int n = PutReply(QByteArray::fromHex("0102"));
        QCOMPARE(CheckReply(n), 1);
        QCOMPARE(CheckReply(n - 1), 0);
        RecBuffer[4] ^= 0x10;
        QCOMPARE(CheckReply(n), -1);
        // A Modbus exception reply is only 5 bytes long.
        const QByteArray ex = WithCRC(QByteArray::fromHex("FF8302"));
        std::memcpy(RecBuffer, ex.constData(), size_t(ex.size()));
        QCOMPARE(CheckReply(int(ex.size())), 0);
    }

    void readConversions()
    {
        // 32-bit quantities travel low register first, each register big-endian.
        MakeProtocol(3, Lese, 2, 1, 0);
        QByteArray wire;
        for (int i = 0; i < 8; ++i) wire += QByteArray::fromHex("5678") + QByteArray::fromHex("1234");
        PutReply(wire);
        DistributeReply(Lese, 2);
        uint32_t first;
        std::memcpy(&first, Meters, 4);
        QCOMPARE(first, 0x12345678u);

        MakeProtocol(3, Lese, 3, 1, 0);
        PutReply(QByteArray::fromHex("0102"));
        DistributeReply(Lese, 3);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(MeterScale), 2).toHex(), QByteArray("0201"));

        // Unbalance and THD arrive together and are split over two blocks.
        std::memset(UnbU, 0xEE, sizeof UnbU);
        std::memset(THDU, 0xEE, sizeof THDU);
        MakeProtocol(3, Lese, 19, 1, 0);
        PutReply(QByteArray::fromHex("0001000200030004"));
        DistributeReply(Lese, 19);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(UnbU), 4).toHex(), QByteArray("0100eeee"));
        QCOMPARE(QByteArray(reinterpret_cast<char*>(THDU), 8).toHex(), QByteArray("020003000400eeee"));

        // Single bytes land at their image positions, unconverted.
        MakeProtocol(3, Lese, 8, 1, 0);
        PutReply(QByteArray::fromHex("A1B2C3D4"));
        DistributeReply(Lese, 8);
        QCOMPARE(int(Lese.Display), 0xA1);
        QCOMPARE(int(Lese.System), 0xB2);
        QCOMPARE(int(uint8_t(Lese.Image)), 0xC3);
        QCOMPARE(int(Lese.DigOut[0]), 0); // data byte 3 is not kept
        MakeProtocol(3, Lese, 16, 1, 0);
        PutReply(QByteArray::fromHex("7731"));
        DistributeReply(Lese, 16);
        QCOMPARE(int(Lese.Freq), 0x31);
        MakeProtocol(3, Lese, 34, 1, 0);
        PutReply(QByteArray::fromHex("0586"));
        DistributeReply(Lese, 34);
        QCOMPARE(int(Lese.Address), 5);
        QCOMPARE(int(Lese.BusSettings), 0x86);
    }

    void configurationWordsAreTheOnlyConvertedBytes()
    {
        // Register r carries the bytes (r - 499) * 2 and + 1 of the wire block.
        QByteArray wire;
        for (int k = 0; k < 150; ++k) wire += char(k);
        MakeProtocol(3, Lese, 35, 1, 0);
        PutReply(wire);
        DistributeReply(Lese, 35);
        const auto* img = reinterpret_cast<const uint8_t*>(&Lese);
        QCOMPARE(int(Lese.PulseRate[0]), 0x0001); // bytes 0, 1 swapped into a number
        QCOMPARE(int(Lese.IrSecMant), 0x0a0b);
        QCOMPARE(int(img[38]), 12);              // exponents are bytes
        QCOMPARE(int(Lese.Description[0]), 18);
        QCOMPARE(int(Lese.LimitOff[1]), 0x4849);
        QCOMPARE(int(Lese.Logger), 0x5051);
        QCOMPARE(int(Lese.Freq), 82);
        QCOMPARE(int(Lese.Mean_Log), 0x8081);
        QCOMPARE(int(img[175]), 149);

        // Sending converts back: the wire equals what came in.
        MakeProtocol(10, Lese, 3, 1, 0);
        QCOMPARE(Sent().mid(7, 82), wire.left(82));
        MakeProtocol(10, Lese, 11, 1, 0);
        QCOMPARE(Sent().mid(7, 68), wire.mid(82, 68));
        QCOMPARE(SndLen, 77);
    }

    void writePayloads()
    {
        const uint32_t v = 0x12345678;
        std::memcpy(Meters, &v, 4);
        MakeProtocol(10, Lese, 2, 1, 0);
        QCOMPARE(Sent().mid(7, 4).toHex(), QByteArray("56781234"));
        const uint16_t w[3] = {0x0102, 0x0304, 0x0506};
        std::memcpy(ResetMinMax, w, 6);
        MakeProtocol(10, Lese, 9, 1, 0);
        QCOMPARE(Sent().mid(7, 4).toHex(), QByteArray("03040506"));
        QCOMPARE(QByteArray(reinterpret_cast<char*>(ResetMinMax), 2).toHex(), QByteArray("0201")); // source untouched
    }

    void tcpFrames_data()
    {
        QTest::addColumn<int>("commType");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<int>("recLen");
        QTest::newRow("gateway read 0, unit 5") << 2 << 3 << 0 << 5 << QByteArray::fromHex("000000000006050300630042")
                                                << 141;
        QTest::newRow("module write 6 to 247")
            << 3 << 10 << 6 << 247 << QByteArray::fromHex("000000000009F71003C9000102 0003") << 12;
    }
    void tcpFrames()
    {
        QFETCH(int, commType);
        QFETCH(int, kind);
        QFETCH(int, index);
        QFETCH(int, unit);
        QFETCH(QByteArray, frame);
        QFETCH(int, recLen);
        CommType = commType;
        TCPDevAddr = unit;
        MakeProtocol(kind, Lese, index, 1, 0);
        MakeTCPProtocol();
        QCOMPARE(Sent().toHex(' '), frame.toHex(' '));
        QCOMPARE(RecLen, recLen);
    }

    void tcpReplies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("state");
        const QByteArray head = QByteArray::fromHex("000000000005");
        QTest::newRow("good") << head + QByteArray::fromHex("05030201 02") << 1;
        QTest::newRow("other unit") << head + QByteArray::fromHex("06030201 02") << -7;
        QTest::newRow("other function") << head + QByteArray::fromHex("05040201 02") << -7;
        QTest::newRow("short") << head + QByteArray::fromHex("050302 01") << -7;
        QTest::newRow("exception 11") << QByteArray::fromHex("000000000003 05830B") << -11;
        QTest::newRow("exception 2 waits for the time-out") << QByteArray::fromHex("000000000003 058302") << 0;
        QTest::newRow("exception of another unit") << QByteArray::fromHex("000000000003 06830B") << -7;
    }
    void tcpReplies()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, state);
        CommType = 2;
        TCPDevAddr = 5;
        MakeProtocol(3, Lese, 9, 1, 0);
        MakeTCPProtocol();
        std::memcpy(RecBuffer, reply.constData(), size_t(reply.size()));
        QCOMPARE(ClassifyTCPReply(int(reply.size())), state);
        if (state == 1) {
            DecodeTCPProtocol();
            QCOMPARE(int(RecBuffer[0]), 5);
            QCOMPARE(int(RecBuffer[3]), 1);
        }
    }

    void udpErrorTexts()
    {
        QCOMPARE(QString(UDPErrorString(0)), QString("No Error."));
        QCOMPARE(QString(UDPErrorString(10048)), QString("Socket address is already in use."));
        QCOMPARE(QString(UDPErrorString(10055)), QString("Another Windows Socket Operation is in Progress."));
        QCOMPARE(QString(UDPErrorString(10060)), QString("The connection timed out."));
        QCOMPARE(QString(UDPErrorString(12345)), QString("Unknown System Error 12345"));
    }
};

QTEST_GUILESS_MAIN(LinkFramesTest)
#include "link_frames_test.moc"
