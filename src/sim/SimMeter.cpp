#include "SimMeter.h"

#include "SimFront.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstring>

namespace {

constexpr double kSqrt3 = 1.7320508075688772;
constexpr double kPi = 3.14159265358979323846;

// ---- configuration registers -------------------------------------------------------

// Byte at image offset off (26..175): register 499 + (off - 26) / 2, high byte first.
uint8_t CfgByte(const SimMeter& m, int off) {
    const uint16_t r = m.config[(off - 26) / 2];
    return (off - 26) % 2 == 0 ? uint8_t(r >> 8) : uint8_t(r & 0xFF);
}

void SetCfgByte(SimMeter& m, int off, uint8_t v) {
    uint16_t& r = m.config[(off - 26) / 2];
    r = (off - 26) % 2 == 0 ? uint16_t((r & 0x00FF) | (v << 8)) : uint16_t((r & 0xFF00) | v);
}

uint16_t& CfgReg(SimMeter& m, int reg) {
    return m.config[reg - kConfigFirst];
}

int NetClass(int code) {
    if (code == 3 || code == 19) return 1;
    if (code == 4 || code == 20) return 2;
    return 0;
}

double Pow10(int e) {
    double v = 1.0;
    for (; e > 0; --e)
        v *= 10.0;
    for (; e < 0; ++e)
        v /= 10.0;
    return v;
}

double StoredValue(int16_t mant, int8_t exp) {
    return mant * Pow10(exp);
}

int IntervalMinutes(const SimMeter& m) {
    const int minutes = CfgByte(m, 105) & 0x3F;
    return minutes == 0 ? 15 : minutes;
}

// ---- random walk ---------------------------------------------------------------------

double Uniform(SimMeter& m) // -1 .. 1
{
    m.rng ^= m.rng << 13;
    m.rng ^= m.rng >> 17;
    m.rng ^= m.rng << 5;
    return (m.rng / 4294967295.0) * 2.0 - 1.0;
}

double Clamp(double v, double lo, double hi) {
    return std::min(hi, std::max(lo, v));
}

void Wander(SimMeter& m) {
    m.loadU = Clamp(m.loadU + 0.002 * Uniform(m), 0.97, 1.03);
    // The busiest phase (up to 1.15 of the mean) stays within the CT's rating.
    m.loadI = Clamp(m.loadI * (1.0 + 0.02 * Uniform(m)), 0.15, 0.8);
    m.phi = Clamp(m.phi + 0.01 * Uniform(m), 0.15, 0.55);
    const double nominal = (CfgByte(m, 108) & 0x0F) == 4 && m.zrm3 ? 60.0 : 50.0;
    m.freq = Clamp(m.freq + 0.005 * Uniform(m), nominal - 0.08, nominal + 0.08);
    for (int p = 0; p < 3; ++p) {
        m.phaseU[p] = Clamp(m.phaseU[p] + 0.001 * Uniform(m), 0.99, 1.01);
        m.phaseI[p] = Clamp(m.phaseI[p] + 0.01 * Uniform(m), 0.85, 1.15);
    }
}

// ---- measurands ------------------------------------------------------------------------

double SecondaryVoltage(const SimMeter& m) {
    const double u = StoredValue(int16_t(m.config[502 - kConfigFirst]), int8_t(CfgByte(m, 39)));
    return u > 0 ? u : m.maxU;
}

double SecondaryCurrent(const SimMeter& m) {
    const double i = StoredValue(int16_t(m.config[504 - kConfigFirst]), int8_t(CfgByte(m, 41)));
    return i > 0 ? i : m.maxI / 100.0;
}

using Phasor = std::complex<double>;

// What the meter's channels see: the installation's phase voltages (at 0°, -120° and
// +120°) and load currents, through the wiring as it is.
void Channels(const SimMeter& m, Phasor u[3], Phasor i[3]) {
    const double ull = SimVtRatio(m) * SecondaryVoltage(m) * m.loadU;
    const double inom = SimCtRatio(m) * SecondaryCurrent(m) * m.loadI;
    Phasor phaseU[3], phaseI[3];
    for (int p = 0; p < 3; ++p) {
        const double angle = -2.0 * kPi / 3.0 * p;
        phaseU[p] = std::polar(ull / kSqrt3 * m.phaseU[p], angle);
        phaseI[p] = std::polar(inom * m.phaseI[p], angle - m.phi * (0.95 + 0.05 * p));
    }
    const SimWiring& w = m.wiring;
    for (int k = 0; k < 3; ++k) {
        u[k] = w.voltageMissing[k] ? Phasor() : phaseU[k];
        i[k] = phaseI[w.currentPhase[k]] * (w.currentReversed[k] ? -w.ctFactor : w.ctFactor);
    }
}

void Compute(SimMeter& m, double dtSeconds) {
    float* v = m.meas;
    std::fill(v, v + 36, 0.0f);
    const int code = SimSystemCode(m);
    const int cls = NetClass(code);
    Phasor u[3], i[3];
    Channels(m, u, i);
    double uln[3], ulls[3], cur[3];
    Phasor power[3]; // P + jQ of each channel
    for (int p = 0; p < 3; ++p) {
        uln[p] = std::abs(u[p]);
        ulls[p] = std::abs(u[p] - u[(p + 1) % 3]);
        cur[p] = std::abs(i[p]);
        power[p] = u[p] * std::conj(i[p]);
    }
    // The slow (bimetal) currents follow the present ones with a one-minute lag.
    const double lag = std::min(1.0, dtSeconds / 60.0);
    auto slow = [&](int k, double target) {
        if (m.iavgState[k] <= 0.0f) m.iavgState[k] = float(target);
        m.iavgState[k] = float(m.iavgState[k] + (target - m.iavgState[k]) * lag);
        return m.iavgState[k];
    };
    double pTot = 0, qTot = 0, sTot = 0;
    if (cls == 2) {
        for (int p = 0; p < 3; ++p) {
            v[1 + p] = float(uln[p]);
            v[4 + p] = float(ulls[p]);
            v[8 + p] = float(cur[p]);
            v[12 + p] = slow(1 + p, cur[p]);
            const double s = uln[p] * cur[p];
            v[16 + p] = float(power[p].real());
            v[20 + p] = float(power[p].imag());
            v[24 + p] = float(s);
            // Without a voltage the meter has no angle to judge and shows 1.
            v[29 + p] = float(s > 0 ? power[p].real() / s : 1.0);
            pTot += power[p].real();
            qTot += power[p].imag();
            sTot += s;
        }
        v[0] = v[1];
        v[7] = v[8];
        v[11] = v[12];
        if (m.zrm3 && (CfgByte(m, 108) & 0x40)) { // current unbalance instead of neutral current
            const double mean = (cur[0] + cur[1] + cur[2]) / 3.0;
            double dev = 0;
            for (double c : cur)
                dev = std::max(dev, std::fabs(c - mean));
            v[15] = float(mean > 0 ? dev / mean * 100.0 : 0.0);
        } else {
            v[15] = float(std::abs(i[0] + i[1] + i[2]));
        }
        v[33] = float((ulls[0] + ulls[1] + ulls[2]) / 3.0);
        v[34] = float((cur[0] + cur[1] + cur[2]) / 3.0);
        v[35] = float(uln[0] * 0.004);
    } else if (cls == 1) {
        for (int p = 0; p < 3; ++p) {
            v[4 + p] = float(ulls[p]);
            v[8 + p] = float(cur[p]);
            v[12 + p] = slow(1 + p, cur[p]);
        }
        v[0] = v[4];
        v[7] = v[8];
        v[11] = v[12];
        // The meter forms a star point from its three voltage inputs and adds the
        // channels' powers against it.
        const Phasor total = power[0] + power[1] + power[2];
        const double um = (ulls[0] + ulls[1] + ulls[2]) / 3.0;
        const double im = (cur[0] + cur[1] + cur[2]) / 3.0;
        sTot = kSqrt3 * um * im;
        pTot = total.real();
        qTot = total.imag();
        v[33] = float(um);
        v[34] = float(im);
    } else {
        // One voltage and one current; codes 1 and 2 stand for balanced three-phase
        // systems. Code 1 measures U12, which leads the phase voltage U1 by 30°.
        Phasor apparent;
        if (code == 1) {
            const Phasor u12 = u[0] - u[1];
            v[0] = float(std::abs(u12));
            apparent = kSqrt3 * u12 * std::polar(1.0, -kPi / 6.0) * std::conj(i[0]);
        } else {
            v[0] = float(uln[0]);
            apparent = (code == 2 ? 3.0 : 1.0) * power[0];
        }
        v[7] = float(cur[0]);
        v[11] = slow(0, cur[0]);
        sTot = std::abs(apparent);
        pTot = apparent.real();
        qTot = apparent.imag();
    }
    v[19] = float(pTot);
    v[23] = float(qTot);
    v[27] = float(sTot);
    v[28] = float(m.freq);
    v[32] = float(sTot > 0 ? pTot / sTot : 1.0);
    if (!m.zrm3) std::fill(v + 33, v + 36, 0.0f);
}

void Extremes(SimMeter& m) {
    for (int k = 0; k < 28; ++k)
        m.maxima[k] = std::max(m.maxima[k], m.meas[k]);
    for (int k = 0; k < 7; ++k)
        m.minU[k] = std::min(m.minU[k], m.meas[k]);
    m.pfMin[0] = std::min(m.pfMin[0], m.meas[32]);
    m.fMax = std::max(m.fMax, m.meas[28]);
    m.fMin = std::min(m.fMin, m.meas[28]);
    m.uneMax = std::max(m.uneMax, m.meas[35]);
}

// ---- energy ----------------------------------------------------------------------------

void Integrate(SimMeter& m, double dtSeconds) {
    const double unit = Pow10(m.meterScale) * 3600.0; // watt-seconds per count
    const bool tariff2 = (m.devStatus & 0x0004) == 0;
    const double p = m.meas[19], q = m.meas[23];
    const int pi = (p >= 0 ? 0 : 2) + (tariff2 ? 1 : 0);
    const int qi = (q >= 0 ? 4 : 6) + (tariff2 ? 1 : 0);
    m.energy[pi] += std::fabs(p) * dtSeconds / unit;
    m.energy[qi] += std::fabs(q) * dtSeconds / unit;
    for (double& e : m.energy)
        if (e >= 4294967296.0) e -= 4294967296.0; // the register rolls over like a counter
}

// ---- harmonics ---------------------------------------------------------------------------

void Harmonics(SimMeter& m) {
    // Typical spectra in tenths of a percent, orders 2..15.
    static const int baseU[14] = {2, 14, 1, 24, 1, 11, 1, 4, 1, 8, 1, 5, 1, 2};
    static const int baseI[14] = {6, 42, 3, 78, 2, 36, 2, 12, 1, 21, 1, 14, 1, 6};
    const int phases = NetClass(SimSystemCode(m)) == 0 ? 1 : 3;
    for (int p = 0; p < 3; ++p) {
        double su = 0, si = 0;
        for (int h = 0; h < 14; ++h) {
            const int k = 14 * p + h;
            const bool on = p < phases;
            m.harmU[k] = on ? uint16_t(std::max(0.0, baseU[h] * (1.0 + 0.1 * Uniform(m)) + 0.5)) : 0;
            m.harmI[k] = on ? uint16_t(std::max(0.0, baseI[h] * (1.0 + 0.1 * Uniform(m)) + 0.5)) : 0;
            m.harmUmax[k] = std::max(m.harmUmax[k], m.harmU[k]);
            m.harmImax[k] = std::max(m.harmImax[k], m.harmI[k]);
            su += double(m.harmU[k]) * m.harmU[k];
            si += double(m.harmI[k]) * m.harmI[k];
        }
        m.thdU[p] = uint16_t(std::sqrt(su) + 0.5);
        m.thdI[p] = uint16_t(std::sqrt(si) + 0.5);
        m.thdUmax[p] = std::max(m.thdUmax[p], m.thdU[p]);
        m.thdImax[p] = std::max(m.thdImax[p], m.thdI[p]);
    }
    if (NetClass(SimSystemCode(m)) == 2) {
        double mean = 0, dev = 0;
        for (int p = 0; p < 3; ++p)
            mean += m.meas[1 + p] / 3.0;
        for (int p = 0; p < 3; ++p)
            dev = std::max(dev, std::fabs(m.meas[1 + p] - mean));
        m.unbU = mean > 0 ? uint16_t(dev / mean * 1000.0 + 0.5) : 0;
    } else {
        m.unbU = 0;
    }
    m.unbUmax = std::max(m.unbUmax, m.unbU);
}

// ---- mean values and the logger ------------------------------------------------------

// Value of a mean-value measurand code in base units; 0 where the code means nothing.
double CodeValue(const SimMeter& m, int code) {
    const float* v = m.meas;
    const bool single = NetClass(SimSystemCode(m)) == 0;
    if (code <= 2) return single && code == 0 ? v[0] : v[1 + code];
    if (code <= 5) return v[4 + code - 3];
    if (code <= 8) return single && code == 6 ? v[7] : v[8 + code - 6];
    if (code <= 11) return v[12 + code - 9];
    if (code == 12) return v[15];
    if (code <= 15) return v[16 + code - 13];
    if (code == 16) return v[19];
    if (code <= 19) return v[20 + code - 17];
    if (code == 20) return v[23];
    if (code <= 23) return v[24 + code - 21];
    if (code == 24) return v[27];
    if (code == 25) return v[28];
    if (code <= 28) return v[29 + code - 26];
    if (code == 29) return v[32];
    if (code >= 31 && code <= 33) return v[33 + code - 31];
    if (code == 39) return m.unbU / 10.0;
    if (code >= 40 && code <= 42) return m.thdU[code - 40] / 10.0;
    if (code >= 43 && code <= 45) return m.thdI[code - 43] / 10.0;
    if (code >= 50 && code <= 64 && (code - 50) % 4 != 3) {
        const int group = (code - 50) / 4, phase = (code - 50) % 4;
        const double x = group < 2 ? v[16 + phase] : v[20 + phase];
        return group % 2 == 0 ? std::max(0.0, x) : std::max(0.0, -x);
    }
    return 0.0;
}

void Sample(const SimMeter& m, double out[14]) {
    const double p = m.meas[19], q = m.meas[23];
    out[0] = std::max(0.0, p);
    out[1] = std::max(0.0, -p);
    out[2] = std::max(0.0, q);
    out[3] = std::max(0.0, -q);
    out[4] = m.meas[27];
    for (int k = 0; k < 9; ++k) {
        const int code = CfgByte(m, 156 + k);
        out[5 + k] = code == 255 ? 0.0 : CodeValue(m, code);
    }
}

// The values one logger record holds, in channel order.
QVector<float> LogRecord(const SimMeter& m, const float means[14]) {
    QVector<float> rec;
    const uint16_t bits = m.config[539 - kConfigFirst];
    if (!m.zrm3) {
        if (bits & 0x0800) rec << means[0] - means[1];
        if (bits & 0x0400) rec << means[2] + means[3];
        return rec;
    }
    static const uint16_t order[5] = {0x0800, 0x0400, 0x2000, 0x1000, 0x4000};
    static const int quantity[5] = {0, 2, 1, 3, 4};
    for (int k = 0; k < 5; ++k)
        if (bits & order[k]) rec << means[quantity[k]];
    const uint16_t meanLog = m.config[563 - kConfigFirst];
    for (int k = 0; k < 9; ++k)
        if (CfgByte(m, 156 + k) != 255 && (meanLog & (1 << k))) rec << means[5 + k];
    return rec;
}

int LogCap(int channels) {
    return channels > 0 ? kLogCapacity / channels * channels : 0;
}

// What the logger records, so that a change of the channel set can be told.
QByteArray LogSignature(const SimMeter& m) {
    QByteArray sig;
    sig += char(m.config[539 - kConfigFirst] >> 8);
    if (m.zrm3) {
        const uint16_t meanLog = m.config[563 - kConfigFirst];
        for (int k = 0; k < 9; ++k)
            sig += (meanLog & (1 << k)) ? char(CfgByte(m, 156 + k)) : char(255);
    }
    return sig;
}

void LogAppend(SimMeter& m, const QVector<float>& rec) {
    const int n = int(rec.size());
    if (n == 0 || n != m.logChannels) return;
    const int cap = LogCap(n);
    if (int(m.logMem.size()) + n > cap) {
        if (!(m.config[539 - kConfigFirst] & 0x0200)) { // stop when full
            m.logFlags |= 0x0100;
            return;
        }
        m.logFlags |= 0x0200; // full, overwriting
        for (int k = 0; k < n; ++k)
            m.logMem.pop_front();
        for (uint16_t& g : m.logGaps)
            g = g > 2 * n + kLogFirst ? uint16_t(g - 2 * n) : 0;
    }
    m.logMem.insert(m.logMem.end(), rec.begin(), rec.end());
}

void LogClear(SimMeter& m) {
    m.logMem.clear();
    m.logReported = -1;
    m.logFlags = 0;
    std::fill(std::begin(m.logGaps), std::end(m.logGaps), 0);
    m.logChannels = SimLogChannelCount(m);
    m.logSignature = LogSignature(m);
}

void CloseInterval(SimMeter& m) {
    float means[14];
    for (int k = 0; k < 14; ++k) {
        means[k] = m.runSamples ? float(m.runSum[k] / m.runSamples) : m.running[k];
        m.meanMax[k] = std::max(m.meanMax[k], means[k]);
        m.meanMin[k] = std::min(m.meanMin[k], means[k]);
    }
    for (int i = 3; i > 0; --i)
        std::copy(m.previous[i - 1], m.previous[i - 1] + 5, m.previous[i]);
    std::copy(means, means + 5, m.previous[0]);
    std::copy(means + 5, means + 14, m.freePrevious);
    LogAppend(m, LogRecord(m, means));
    std::fill(std::begin(m.runSum), std::end(m.runSum), 0.0);
    m.runSamples = 0;
}

void Means(SimMeter& m, int64_t nowMs) {
    const int64_t length = int64_t(IntervalMinutes(m)) * 60000;
    if (nowMs - m.intervalStartMs >= length) {
        // Intervals nobody watched repeat the last one, up to what the logger can take.
        int64_t passed = (nowMs - m.intervalStartMs) / length;
        CloseInterval(m);
        for (int64_t k = 1; k < std::min<int64_t>(passed, kLogCapacity); ++k)
            CloseInterval(m);
        m.intervalStartMs += passed * length;
    }
    double sample[14];
    Sample(m, sample);
    for (int k = 0; k < 14; ++k)
        m.runSum[k] += sample[k];
    ++m.runSamples;
    for (int k = 0; k < 14; ++k)
        m.running[k] = float(m.runSum[k] / m.runSamples);
}

float Trend(const SimMeter& m, int k, int64_t nowMs) {
    // The value the running interval will end with if the present load stays.
    const double length = IntervalMinutes(m) * 60000.0;
    const double done = Clamp((nowMs - m.intervalStartMs) / length, 0.0, 1.0);
    double now[14];
    Sample(m, now);
    return float(m.running[k] * done + now[k] * (1.0 - done));
}

// ---- register image of the live blocks -------------------------------------------------

uint16_t FloatReg(float f, int half) // half 0: low 16 bits, 1: high 16 bits
{
    uint32_t bits;
    std::memcpy(&bits, &f, 4);
    return half == 0 ? uint16_t(bits & 0xFFFF) : uint16_t(bits >> 16);
}

float MinMaxValue(const SimMeter& m, int k) {
    if (k < 28) return m.maxima[k];
    if (k < 35) return m.minU[k - 28];
    if (k < 39) return m.pfMin[k - 35];
    if (k == 39) return m.fMin;
    if (k == 40) return m.fMax;
    return m.uneMax;
}

float PowerIntValue(const SimMeter& m, int k) {
    // Base model: running interval, preceding interval, maxima. ZRM3: running interval
    // and the four preceding ones; each group holds the five power quantities.
    const int group = k / 5, q = k % 5;
    if (group == 0) return m.running[q];
    if (!m.zrm3 && group == 2) return m.meanMax[q];
    return m.previous[group - 1][q];
}

uint16_t LiveReg(const SimMeter& m, int reg, int64_t nowMs) {
    auto f32 = [&](int base, auto value) { return FloatReg(value((reg - base) / 2), (reg - base) % 2); };
    if (reg >= 99 && reg <= 170) return f32(99, [&](int k) { return m.meas[k]; });
    if (reg >= 171 && reg <= 180) return f32(171, [&](int k) { return Trend(m, k, nowMs); });
    if (reg == 183) return m.unbU;
    if (reg >= 184 && reg <= 186) return m.thdU[reg - 184];
    if (reg >= 187 && reg <= 189) return m.thdI[reg - 187];
    if (reg >= 199 && reg <= 282) return f32(199, [&](int k) { return MinMaxValue(m, k); });
    if (reg >= 299 && reg <= 314) {
        const uint32_t count = uint32_t(m.energy[(reg - 299) / 2]);
        return (reg - 299) % 2 == 0 ? uint16_t(count & 0xFFFF) : uint16_t(count >> 16);
    }
    if (reg == 319) return uint16_t(m.meterScale);
    if (reg >= 329 && reg <= 348)
        return f32(329, [&](int k) { return k < 5 ? m.meanMax[k] : m.meanMin[k - 5]; });
    if (reg >= 349 && reg <= 398) return f32(349, [&](int k) { return PowerIntValue(m, k); });
    if (reg == 399) return m.devStatus;
    if (reg == 401) return m.fw;
    if (reg == 402) return m.ext;
    if (reg == 403) return m.maxI;
    if (reg == 404) return m.maxU;
    if (reg == 405) return m.zrm3 ? CfgByte(m, 108) : 0;
    if (reg >= 409 && reg <= 411) {
        const char* name = m.zrm3 ? "ZRM3  " : "ZR30  ";
        const int i = 2 * (reg - 409);
        return uint16_t((uint8_t(name[i]) << 8) | uint8_t(name[i + 1]));
    }
    if (reg >= kConfigFirst && reg < kConfigFirst + kConfigCount) return m.config[reg - kConfigFirst];
    if (reg >= 599 && reg <= 640) return m.harmU[reg - 599];
    if (reg >= 641 && reg <= 682) return m.harmI[reg - 641];
    if (reg == 699) return m.unbUmax;
    if (reg >= 700 && reg <= 702) return m.thdUmax[reg - 700];
    if (reg >= 703 && reg <= 705) return m.thdImax[reg - 703];
    if (reg >= 706 && reg <= 747) return m.harmUmax[reg - 706];
    if (reg >= 748 && reg <= 789) return m.harmImax[reg - 748];
    if (reg >= 799 && reg <= 834)
        return f32(799, [&](int k) { return k < 9 ? m.running[5 + k] : Trend(m, 5 + k - 9, nowMs); });
    if (reg >= 839 && reg <= 874)
        return f32(839, [&](int k) { return k < 9 ? m.meanMax[5 + k] : m.meanMin[5 + k - 9]; });
    if (reg == 949) return m.logFlags;
    if (reg == 950) return SimLogValueCount(m);
    if (reg >= 951 && reg <= 960) return m.logGaps[reg - 951];
    if (reg >= kLogFirst) {
        const size_t k = size_t(reg - kLogFirst) / 2;
        return k < m.logMem.size() ? FloatReg(m.logMem[k], (reg - kLogFirst) % 2) : 0;
    }
    return 0; // reset registers and the gaps of an area read as zero
}

// ---- the register map per model ------------------------------------------------------------

struct Area {
    int first, last;
};

const Area kBaseAreas[] = {{99, 164},  {199, 272}, {299, 319}, {349, 378},
                           {399, 431}, {499, 539}, {949, 969}, {kLogFirst, kLogFirst + 2 * kLogCapacity - 1}};
const Area kZrm3Areas[] = {{99, 189},  {199, 282}, {299, 398},
                           {399, 431}, {499, 573}, {599, 789},
                           {799, 874}, {949, 969}, {kLogFirst, kLogFirst + 2 * kLogCapacity - 1}};
const Area kBaseWritable[] = {{299, 314}, {399, 399}, {419, 419}, {429, 431}, {499, 539}, {969, 969}};
const Area kZrm3Writable[] = {{299, 314}, {399, 399}, {419, 419}, {429, 431}, {499, 573}, {969, 969}};

template <size_t N> bool Inside(const Area (&areas)[N], int start, int count) {
    for (const Area& a : areas)
        if (start >= a.first && start + count - 1 <= a.last) return true;
    return false;
}

bool Touches(int start, int count, int first, int last) {
    return start <= last && start + count - 1 >= first;
}

// ---- reset commands --------------------------------------------------------------------------

void ResetMinMax(SimMeter& m, uint16_t bits) {
    // Bits 0-7 and 13: groups of extremes; bits 8-12: harmonic maxima.
    auto resetMax = [&](int from, int to) {
        for (int k = from; k <= to; ++k)
            m.maxima[k] = m.meas[k];
    };
    if (bits & 0x0001) resetMax(0, 6);
    if (bits & 0x0002) resetMax(7, 10);
    if (bits & 0x0004) resetMax(11, 15);
    if (bits & 0x0008) resetMax(16, 19);
    if (bits & 0x0010) resetMax(20, 23);
    if (bits & 0x0020) resetMax(24, 27);
    if (bits & 0x0040)
        for (int k = 0; k < 7; ++k)
            m.minU[k] = m.meas[k];
    if (bits & 0x0080) {
        m.pfMin[0] = m.meas[32];
        std::fill(m.pfMin + 1, m.pfMin + 4, 1.0f);
        m.fMax = m.fMin = m.meas[28];
    }
    if (bits & 0x0100) m.unbUmax = m.unbU;
    if (bits & 0x0200) std::copy(m.thdU, m.thdU + 3, m.thdUmax);
    if (bits & 0x0400) std::copy(m.thdI, m.thdI + 3, m.thdImax);
    if (bits & 0x0800) std::copy(m.harmU, m.harmU + 42, m.harmUmax);
    if (bits & 0x1000) std::copy(m.harmI, m.harmI + 42, m.harmImax);
    if (bits & 0x2000) m.uneMax = m.meas[35];
}

void ResetMeans(SimMeter& m, uint16_t minima, uint16_t maxima) {
    for (int k = 0; k < 14; ++k) {
        if (minima & (1 << k)) m.meanMin[k] = m.running[k];
        if (maxima & (1 << k)) m.meanMax[k] = m.running[k];
    }
}

void ApplyDevStatus(SimMeter& m, uint16_t v) {
    uint16_t s = m.devStatus;
    if (v & 0x0800) s = (v & 0x0400) ? (s | 0x0004) : (s & ~0x0004);
    // Simulation commands switch an output only when it has no function of its own.
    if ((v & 0x0100) && (CfgByte(m, 103) & 0x80)) s = (v & 0x2000) ? (s | 0x2000) : (s & ~0x2000);
    if ((v & 0x0200) && (CfgByte(m, 104) & 0x80)) s = (v & 0x4000) ? (s | 0x4000) : (s & ~0x4000);
    m.devStatus = uint16_t(s);
}

int Command(SimMeter& m, uint16_t v, int64_t nowMs) {
    if (v == 3) {
        LogClear(m);
        return 0;
    }
    if (v == 2) { // restart of the mean-value interval
        std::fill(std::begin(m.runSum), std::end(m.runSum), 0.0);
        m.runSamples = 0;
        m.intervalStartMs = nowMs;
        return 0;
    }
    return kExIllegalValue;
}

void Prefill(SimMeter& m, int records) {
    // A day's load curve, oldest record first, so the logger holds something plausible.
    m.logChannels = SimLogChannelCount(m);
    m.logSignature = LogSignature(m);
    float means[14];
    double now[14];
    Sample(m, now);
    const int perDay = std::max(1, 1440 / IntervalMinutes(m));
    for (int r = 0; r < records; ++r) {
        const double f = 0.75 + 0.25 * std::sin(6.283185307 * r / perDay) + 0.02 * Uniform(m);
        for (int k = 0; k < 14; ++k)
            means[k] = float(now[k] * (k < 5 ? f : 1.0));
        LogAppend(m, LogRecord(m, means));
    }
}

} // namespace

// ---- public --------------------------------------------------------------------------------

int SimSystemCode(const SimMeter& m) {
    return CfgByte(m, 101) & 0x1F;
}

uint16_t SimConfigReg(const SimMeter& m, int reg) {
    return m.config[reg - kConfigFirst];
}

double SimVtRatio(const SimMeter& m) {
    const double prim = StoredValue(int16_t(m.config[501 - kConfigFirst]), int8_t(CfgByte(m, 38)));
    const double sec = StoredValue(int16_t(m.config[502 - kConfigFirst]), int8_t(CfgByte(m, 39)));
    return prim > 0 && sec > 0 ? prim / sec : 1.0;
}

double SimCtRatio(const SimMeter& m) {
    const double prim = StoredValue(int16_t(m.config[503 - kConfigFirst]), int8_t(CfgByte(m, 40)));
    const double sec = StoredValue(int16_t(m.config[504 - kConfigFirst]), int8_t(CfgByte(m, 41)));
    return prim > 0 && sec > 0 ? prim / sec : 1.0;
}

int SimLogChannelCount(const SimMeter& m) {
    const float zero[14] = {};
    return int(LogRecord(m, zero).size());
}

void SimEncodeRatio(double value, bool current, bool secondary, int16_t& mant, int8_t& exp) {
    // Three significant digits with a decimal exponent, as the meter keeps them.
    if (!current && secondary) {
        mant = int16_t(value);
        exp = 0;
        return;
    }
    if (current && secondary) {
        int v = int(1000.0 * value + 0.5);
        exp = -3;
        if (v >= 999) {
            v = int(100.0 * value + 0.5);
            exp = -2;
        }
        mant = int16_t(v);
        return;
    }
    double x = current ? 100.0 * value : value;
    int e = current ? -2 : 0;
    while (x >= 1000.0) {
        ++e;
        x /= 10.0;
    }
    mant = int16_t(x + 0.5);
    exp = int8_t(e);
}

void SimMeterInit(SimMeter& m, const SimMeterSetup& s, int64_t nowMs) {
    m = SimMeter();
    m.address = s.address;
    m.zrm3 = s.zrm3;
    m.fw = uint16_t(s.fw);
    m.ext = uint16_t(s.ext);
    m.maxI = uint16_t(s.ratedI == 1 ? 100 : 500);
    m.maxU = uint16_t(s.maxU);
    m.rng = s.seed ? s.seed : 1;
    m.wiring = s.wiring;

    int16_t mant;
    int8_t exp;
    CfgReg(m, 499) = 100;
    CfgReg(m, 500) = 100;
    SimEncodeRatio(s.vtPrim, false, false, mant, exp);
    CfgReg(m, 501) = uint16_t(mant);
    SetCfgByte(m, 38, uint8_t(exp));
    SimEncodeRatio(s.vtSec, false, true, mant, exp);
    CfgReg(m, 502) = uint16_t(mant);
    SetCfgByte(m, 39, uint8_t(exp));
    SimEncodeRatio(s.ctPrim, true, false, mant, exp);
    CfgReg(m, 503) = uint16_t(mant);
    SetCfgByte(m, 40, uint8_t(exp));
    SimEncodeRatio(s.ctSec, true, true, mant, exp);
    CfgReg(m, 504) = uint16_t(mant);
    SetCfgByte(m, 41, uint8_t(exp));
    SetCfgByte(m, 42, uint8_t(s.address == 255 ? 1 : s.address));
    SetCfgByte(m, 43, 3 + 8 * 1); // 9600 baud, even parity
    const QByteArray text = QStringLiteral("Simulated meter %1").arg(s.address).toLatin1();
    for (int i = 0; i < 48; ++i)
        SetCfgByte(m, 44 + i, i < text.size() ? uint8_t(text[i]) : 0);
    SetCfgByte(m, 100, 8);
    SetCfgByte(m, 101, uint8_t(s.system & 0x1F));
    SetCfgByte(m, 102, 0);
    SetCfgByte(m, 103, uint8_t(s.digOut[0]));
    SetCfgByte(m, 104, uint8_t(s.digOut[1]));
    SetCfgByte(m, 105, 15);
    CfgReg(m, 539) = 0x0C00; // logs P and Q, stops when full
    if (m.zrm3) {
        SetCfgByte(m, 108, 2);
        SetCfgByte(m, 109, 16);
        for (int i = 0; i < 22; ++i) {
            SetCfgByte(m, 110 + i, uint8_t(i < 8 ? i + 1 : 0));
            SetCfgByte(m, 132 + i, uint8_t(i < 4 ? i + 1 : 0));
        }
        for (int i = 0; i < 9; ++i) {
            SetCfgByte(m, 156 + i, 255);
            SetCfgByte(m, 166 + i, 255);
        }
    }

    // Meter scale: keep the counters in a useful range for the rated primary power.
    const double sNom = kSqrt3 * SimVtRatio(m) * SecondaryVoltage(m) * SimCtRatio(m) * SecondaryCurrent(m);
    m.meterScale = int16_t(std::max(0, int(std::floor(std::log10(std::max(sNom, 1.0)))) - 4));
    static const double startCounts[8] = {1523411, 210466, 1210, 0, 412200, 53310, 10220, 870};
    std::copy(startCounts, startCounts + 8, m.energy);
    SimAcquisitionConfig(m, s);

    m.intervalStartMs = nowMs;
    m.lastMs = nowMs;
    m.started = true;
    Compute(m, 0);
    Harmonics(m);
    // Extremes as if the meter had been running for a while.
    for (int k = 0; k < 28; ++k)
        m.maxima[k] = m.meas[k] * 1.12f;
    for (int k = 0; k < 7; ++k)
        m.minU[k] = m.meas[k] * 0.95f;
    std::fill(m.pfMin, m.pfMin + 4, 1.0f);
    m.pfMin[0] = m.meas[32] * 0.96f;
    m.fMax = m.meas[28] + 0.06f;
    m.fMin = m.meas[28] - 0.07f;
    m.uneMax = m.meas[35] * 1.5f;
    double sample[14];
    Sample(m, sample);
    for (int k = 0; k < 14; ++k) {
        m.running[k] = float(sample[k]);
        m.meanMax[k] = float(sample[k] * 1.15);
        m.meanMin[k] = float(sample[k] * 0.6);
        for (auto& p : m.previous)
            if (k < 5) p[k] = float(sample[k] * 0.95);
        if (k >= 5) m.freePrevious[k - 5] = float(sample[k]);
    }
    SimAcquisitionStart(m);
    Prefill(m, SimLoggerPrepare(m, s));
    // A gap marker names the high register of a record's first value.
    const int records = m.logChannels ? int(m.logMem.size()) / m.logChannels : 0;
    int marker = 0;
    for (int r : s.logGaps)
        if (r >= 0 && r < records && marker < 10)
            m.logGaps[marker++] = uint16_t(kLogFirst + 2 * (records - 1 - r) * m.logChannels + 1);
    SimLoggerPreset(m, s);
}

void SimMeterTick(SimMeter& m, int64_t nowMs) {
    const double dt = std::max<int64_t>(0, nowMs - m.lastMs) / 1000.0;
    m.lastMs = std::max(m.lastMs, nowMs);
    Wander(m);
    Compute(m, dt);
    Extremes(m);
    Integrate(m, dt);
    Harmonics(m);
    Means(m, nowMs);
}

int SimMeterRead(SimMeter& m, int start, int count, QVector<uint16_t>& out, int64_t nowMs) {
    if (count < 1 || count > 125) return kExIllegalValue;
    if (m.zrm3 ? !Inside(kZrm3Areas, start, count) : !Inside(kBaseAreas, start, count))
        return kExIllegalAddress;
    // Live values move between reads; identification and configuration do not need it.
    if (start < 399 || start > 574) SimMeterTick(m, nowMs);
    out.resize(count);
    for (int k = 0; k < count; ++k)
        out[k] = LiveReg(m, start + k, nowMs);
    return 0;
}

int SimMeterWrite(SimMeter& m, int start, const QVector<uint16_t>& values, int64_t nowMs) {
    const int count = int(values.size());
    if (count < 1 || count > 123) return kExIllegalValue;
    if (m.zrm3 ? !Inside(kZrm3Writable, start, count) : !Inside(kBaseWritable, start, count))
        return kExIllegalAddress;
    auto value = [&](int reg) { return values[reg - start]; };
    if (start == 969) return Command(m, value(969), nowMs);
    SimMeterTick(m, nowMs);
    if (Touches(start, count, 299, 314)) {
        for (int reg = std::max(start, 299); reg <= std::min(start + count - 1, 314); ++reg) {
            const int k = (reg - 299) / 2;
            uint32_t c = uint32_t(m.energy[k]);
            c = (reg - 299) % 2 == 0 ? (c & 0xFFFF0000u) | value(reg)
                                     : (c & 0xFFFFu) | (uint32_t(value(reg)) << 16);
            m.energy[k] = c;
        }
    }
    if (start == 399) ApplyDevStatus(m, value(399));
    if (start == 419)
        for (int k = 0; k < 8; ++k)
            if (value(419) & (1 << k)) m.energy[k] = 0;
    if (Touches(start, count, 429, 429)) ResetMinMax(m, value(429));
    const uint16_t meanMin = Touches(start, count, 430, 430) ? value(430) : 0;
    const uint16_t meanMax = Touches(start, count, 431, 431) ? value(431) : 0;
    ResetMeans(m, meanMin, meanMax);
    if (start >= kConfigFirst && start < kConfigFirst + kConfigCount) {
        uint16_t old[kConfigCount];
        std::copy(std::begin(m.config), std::end(m.config), old);
        for (int reg = start; reg < start + count; ++reg)
            CfgReg(m, reg) = value(reg);
        SimFrontConfigWritten(m, old);
        // A changed channel set re-arranges the logger: what it held no longer fits.
        if (LogSignature(m) != m.logSignature) LogClear(m);
        const int address = CfgByte(m, 42);
        if (m.addressFromConfig && address >= 1 && address <= 247 && address != m.address) {
            std::fprintf(stderr, "zaro-sim: meter %d now answers at address %d\n", m.address, address);
            m.address = address;
        }
    }
    return 0;
}
