// Clock, calendar and waiting.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

constexpr uint32_t kUnixTo1900 = 2208988800u; // seconds from 1900-01-01 to 1970-01-01

struct LocalTime {
    unsigned year, month, day, hour, minute, second;
};

// Whole seconds from 1900-01-01 00:00 (local time) and back.
uint32_t CalendarSecondsNow();
uint32_t CalendarSecondsFromLocal(const LocalTime& t);
LocalTime LocalFromCalendarSeconds(uint32_t seconds);
LocalTime LocalNow();
// Local time minus UTC, in seconds, at calendar seconds taken as UTC-based stamps.
int32_t LocalOffsetAt(uint32_t seconds);

std::string FormatDate(const LocalTime& t); // "%02u.%02u.%04u" day, month, year
std::string FormatTime(const LocalTime& t); // "%02u:%02u:%02u"

// Seconds since an arbitrary start, with fractions (monotonic).
double Timer();

// Waits while the windows keep repainting; no user input is taken in the meantime.
void Delay(double seconds);
