// Decoding the largest module log allowed (4 MiB) and filling the module logger panel
// with its sequence. Goals: decode <= 50 ms, fill and first paint <= 200 ms.
// Run: QT_QPA_PLATFORM=offscreen build/bench/modulelog_bench
#include "config/MeterSession.h"
#include "logger/Logger57Decode.h"
#include "logger/gui/Logger57Panel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

QByteArray Element(uint8_t id, const QByteArray& content) {
    QByteArray out(1, char(id));
    if (content.size() >= 0x80) out += char(0x81); // one length byte follows
    out += char(content.size());                    // every element here is below 256 bytes
    return out + content;
}

QByteArray Le32(uint32_t v) {
    return QByteArray(reinterpret_cast<const char*>(&v), 4); // the build machine is little-endian
}

// One sequence of 23 channels, records of 147 bytes, as many as 4 MiB hold.
QByteArray LargestLog() {
    const qsizetype limit = 4 << 20;
    QByteArray codes;
    for (int k = 0; k < 23; ++k)
        codes += char(k < 20 ? 1 + k : 70 + k);
    QByteArray body = Element(0x41, QByteArray("\x00\x30\x11\x00\x00\x01", 6)) + Element(0x42, "bench") +
                      QByteArray("\x63\x00", 2) + Element(0x44, codes) + Element(0x45, "\x0f");
    for (uint32_t r = 0; body.size() + 147 + 6 <= limit; ++r) {
        QByteArray record = Element(0x80, Le32(1700000000u + 900u * r));
        for (int k = 0; k < 23; ++k) {
            float v = 230.0f + float((r * 7 + uint32_t(k)) % 100) * 0.1f;
            uint32_t bits;
            std::memcpy(&bits, &v, 4);
            record += Element(uint8_t(0x81 + k), Le32(bits));
        }
        body += Element(0x30, record);
    }
    return QByteArray("\x70\x00", 2) + body + QByteArray(4, '\0');
}

} // namespace

int main(int argc, char** argv) {
    MeterSession session;
    QApplication app(argc, argv);
    const QByteArray file = LargestLog();
    ModuleLog& log = ModuleLoggerPanelLog(); // the log the panel below shows
    double best = 1e9;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer t;
        t.start();
        QString error;
        if (!DecodeModuleLog(file, log, error)) {
            std::fprintf(stderr, "decode failed: %s\n", qPrintable(error));
            return 1;
        }
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    const LogSequence& seq = log.Dev57[1];
    std::printf("decode %.2f MiB, %u records x %u channels: %.1f ms (goal <= 50)\n", file.size() / 1048576.0,
                seq.NumRec, seq.NumChan, best);

    log.Shown = 1;
    QWidget* panel = CreateLogger57Panel(session, nullptr, false);
    panel->resize(1200, 800);
    panel->show();
    QCoreApplication::processEvents();
    QElapsedTimer t;
    t.start();
    DispLogger57();
    panel->repaint();
    QCoreApplication::processEvents();
    std::printf("panel fill and paint, %u rows: %.1f ms (goal <= 200)\n", seq.NumRec, t.nsecsElapsed() / 1e6);
    delete panel;
    return 0;
}
