// Waiting: a Delay sleeps in the event loop, so timers (and repaints) keep running while
// no core is kept busy.
#include "platform/TimeBase.h"

#include <QtTest>
#include <sys/resource.h>

namespace {

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

} // namespace

class TimeBaseTest : public QObject {
    Q_OBJECT
  private slots:
    void delaySleepsWhileTimersRun() {
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start(40);
        QElapsedTimer wall;
        wall.start();
        const double cpuBefore = CpuSeconds();
        Delay(0.4);
        const double waited = double(wall.elapsed()) / 1000.0;
        const double cpu = CpuSeconds() - cpuBefore;
        QVERIFY(waited >= 0.39);
        QVERIFY2(cpu < 0.2 * waited, qPrintable(QString("%1 s of CPU in %2 s").arg(cpu).arg(waited)));
        QVERIFY(ticks >= 5);
    }
};

QTEST_GUILESS_MAIN(TimeBaseTest)
#include "timebase_test.moc"
