// Synthetic logged data for the profile graph: smooth daily curves in both loggers'
// records, for the panel tests, the pictures in docs/ and the benchmark.
#pragma once

#include "logger/LogData.h"

#include <QString>
#include <algorithm>
#include <cmath>

// The value of channel c at minute m of the day: a daily swing around a level.
inline double SampleValue(int c, double minuteOfDay) {
    const double level = 20.0 + 15.0 * c;
    return level + 0.4 * level * std::sin((minuteOfDay / 1440.0 - 0.25 + 0.03 * c) * 2.0 * M_PI);
}

// A meter logger of `channels` channels and `count` records, the newest at refTime.
inline void FillMeterSample(LogSource& src, LoggerRecords& records, int channels, int count,
                            uint32_t intervalSeconds, uint32_t refTime) {
    src = LogSource{};
    src.NumChan = channels;
    src.NumRec = count;
    src.IntervalSeconds = intervalSeconds;
    for (int c = 0; c < channels; ++c) {
        src.ChanName[size_t(c)] = QString("P%1").arg(c + 1);
        src.ChanUnit[size_t(c)] = "kW";
        src.Digits[size_t(c)] = 2;
        src.Min[size_t(c)] = 1e100;
        src.Max[size_t(c)] = -1e100;
    }
    records = LoggerRecords{};
    records.ref_time = refTime;
    records.timeoffset = intervalSeconds;
    records.channels = channels;
    records.decimals.fill(2);
    for (int k = 0; k < count; ++k) {
        const size_t row = records.add(refTime - uint32_t(k) * intervalSeconds, false);
        const double minute = double((refTime - uint32_t(k) * intervalSeconds) % 86400) / 60.0;
        for (int c = 0; c < channels; ++c) {
            const double v = std::round(SampleValue(c, minute) * 100) / 100; // as a file holds it
            records.set(row, c, {v, Validity::Ok});
            src.Min[size_t(c)] = std::min(src.Min[size_t(c)], v);
            src.Max[size_t(c)] = std::max(src.Max[size_t(c)], v);
        }
    }
}

// Sequence 1 of a module logger: `count` records of `channels` channels, the newest at newest.
inline void FillModuleSample(ModuleLog& log, int channels, int count, uint16_t intervalMin, uint32_t newest) {
    log = ModuleLog{};
    log.NumLogSeq = 1;
    LogSequence& seq = log.Dev57[1];
    seq.NumRec = uint32_t(count);
    seq.NumChan = uint32_t(channels);
    seq.IntervalMin = intervalMin;
    for (int c = 0; c < channels; ++c) {
        seq.Codes[size_t(c)] = uint8_t(14 + c % 8);
        seq.Names[size_t(c)] = QString("P%1inc").arg(c + 1);
        seq.Units[size_t(c)] = "[kW]";
        seq.Scale[size_t(c)] = 1000.0;
        seq.Digits[size_t(c)] = 2;
        seq.Min[size_t(c)] = 1e100;
        seq.Max[size_t(c)] = -1e100;
    }
    for (int r = 0; r < count; ++r) {
        const uint32_t t = newest - uint32_t(r) * intervalMin * 60u;
        log.LogStamp.push_back(t);
        for (int c = 0; c < channels; ++c) {
            const double v = 1000.0 * SampleValue(c, double(t % 86400) / 60.0);
            log.LogVal.push_back(float(v));
            seq.Min[size_t(c)] = std::min(seq.Min[size_t(c)], v);
            seq.Max[size_t(c)] = std::max(seq.Max[size_t(c)], v);
        }
    }
    seq.Start = log.LogStamp.back();
    seq.Stop = log.LogStamp.front();
}
