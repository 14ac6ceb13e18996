#include "platform/TimeBase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <cstdio>

namespace {

// Local broken-down time <-> time_t. mktime interprets the fields as local time.
std::time_t ToTimeT(const LocalTime& t) {
    std::tm tm{};
    tm.tm_year = int(t.year) - 1900;
    tm.tm_mon = int(t.month) - 1;
    tm.tm_mday = int(t.day);
    tm.tm_hour = int(t.hour);
    tm.tm_min = int(t.minute);
    tm.tm_sec = int(t.second);
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

LocalTime FromTimeT(std::time_t tt) {
    std::tm tm{};
    localtime_r(&tt, &tm);
    return {unsigned(tm.tm_year + 1900), unsigned(tm.tm_mon + 1), unsigned(tm.tm_mday),
            unsigned(tm.tm_hour),        unsigned(tm.tm_min),     unsigned(tm.tm_sec)};
}

} // namespace

uint32_t CalendarSecondsFromLocal(const LocalTime& t) {
    return uint32_t(int64_t(ToTimeT(t)) + kUnixTo1900);
}

LocalTime LocalFromCalendarSeconds(uint32_t seconds) {
    return FromTimeT(std::time_t(int64_t(seconds) - int64_t(kUnixTo1900)));
}

int32_t LocalOffsetAt(uint32_t seconds) {
    const std::time_t tt = std::time_t(int64_t(seconds) - int64_t(kUnixTo1900));
    std::tm tm{};
    localtime_r(&tt, &tm);
    return int32_t(tm.tm_gmtoff);
}

uint32_t CalendarSecondsNow() {
    return uint32_t(int64_t(std::time(nullptr)) + kUnixTo1900);
}

LocalTime LocalNow() {
    return FromTimeT(std::time(nullptr));
}

std::string FormatDate(const LocalTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02u.%02u.%04u", t.day, t.month, t.year);
    return buf;
}

std::string FormatTime(const LocalTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02u:%02u:%02u", t.hour, t.minute, t.second);
    return buf;
}

double Timer() {
    static QElapsedTimer clock = [] {
        QElapsedTimer c;
        c.start();
        return c;
    }();
    return double(clock.nsecsElapsed()) / 1e9;
}

void Delay(double seconds) {
    if (seconds <= 0) return;
    const int ms = int(seconds * 1000.0);
    if (!QCoreApplication::instance()) {
        QThread::msleep(ulong(ms));
        return;
    }
    // Sleeps in an event loop of its own: repaints and timers keep running, user input
    // waits until the delay is over, and no core is kept busy meanwhile.
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
