// The instantaneous rows (as MeasurandValue numbers them) of an installation built from
// the phasors of a wired meter: the installation check's tests, the panel test and the
// panel's picture show miswired installations the simulated load never shows
// (SimLine::holdValues answers with them).
#pragma once

#include <QList>
#include <bit>
#include <cmath>
#include <complex>
#include <vector>

// How the meter is wired; the defaults are a healthy 4-wire installation on VT 400/400 V
// and CT 100/5 A with half the rated current at power factor 0.9 lagging. Phase sets
// have bit k for channel k + 1.
struct Wiring {
    double load = 0.5;        // of the CT rating
    double powerFactor = 0.9; // the load's, lagging
    int reversed = 0;         // current channels negated, as a CT mounted the wrong way round
    int swapped = 0;          // two current channels carrying each other's phase
    int noVoltage = 0;        // voltage channels reading 0
    double ctFactor = 1.0;    // fitted CT against the configured one
    double frequency = 50.0;
    int system = 4;
    int model = 1;
    int freqCode = 2; // the configured frequency: 2 is 50 Hz, 4 is 60 Hz
    double phaseVoltage = 400.0 / std::sqrt(3.0);
    double ctRating = 100.0;
};

// The meter's rows as it measures channel k with voltage channel k and current channel k.
inline std::vector<double> WiringRows(const Wiring& w) {
    using Phasor = std::complex<double>;
    Phasor u[3], i[3];
    for (int k = 0; k < 3; ++k) {
        const int carried = (w.swapped & (1 << k)) ? std::countr_zero(unsigned(w.swapped & ~(1 << k))) : k;
        const double angle = -2.0 * M_PI / 3 * k, currentAngle = -2.0 * M_PI / 3 * carried;
        u[k] = (w.noVoltage & (1 << k)) ? Phasor{} : std::polar(w.phaseVoltage, angle);
        i[k] = std::polar(w.load * w.ctRating * w.ctFactor, currentAngle - std::acos(w.powerFactor)) *
               ((w.reversed & (1 << k)) ? -1.0 : 1.0);
    }
    std::vector<double> v(36, 0.0);
    Phasor total, neutral;
    double apparent = 0.0;
    for (int k = 0; k < 3; ++k) {
        const Phasor power = u[k] * std::conj(i[k]);
        v[size_t(1 + k)] = std::abs(u[k]);
        v[size_t(4 + k)] = std::abs(u[k] - u[(k + 1) % 3]);
        v[size_t(8 + k)] = v[size_t(12 + k)] = std::abs(i[k]);
        v[size_t(16 + k)] = power.real();
        v[size_t(20 + k)] = power.imag();
        v[size_t(24 + k)] = std::abs(power);
        v[size_t(29 + k)] =
            std::abs(power) > 0.0 ? power.real() / std::abs(power) : 1.0; // no angle without U
        total += power;
        apparent += std::abs(power);
        neutral += i[k];
    }
    v[0] = w.system == 1 ? v[4] : v[1]; // systems measuring one phase
    v[7] = v[11] = v[8];
    v[15] = std::abs(neutral);
    v[19] = total.real();
    v[23] = total.imag();
    v[27] = apparent;
    v[28] = w.frequency;
    v[32] = total.real() / apparent;
    v[33] = v[4];
    v[34] = v[8];
    v[35] = 0.5;
    return v;
}

// A 4-wire installation at 230 V and 50 A per phase; reversedCt (1-3) negates that phase's
// current channel, 0 is a healthy installation.
inline QList<float> FourWireRows(int reversedCt) {
    QList<float> rows;
    for (double v : WiringRows({.reversed = reversedCt ? 1 << (reversedCt - 1) : 0, .phaseVoltage = 230.0}))
        rows << float(v);
    return rows;
}
