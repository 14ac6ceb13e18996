// The instantaneous rows (as MeasurandValue numbers them) of a 4-wire installation that
// SimLine::holdValues can answer with: the panel test and the panel's picture show a
// miswired installation the simulated load never shows.
#pragma once

#include <QList>
#include <cmath>
#include <complex>

// The instantaneous rows of a 4-wire installation: 230 V and 50 A (half the 100 A
// transformer) per phase at PF 0.9 lagging. reversedCt (1-3) negates that phase's current
// channel, as a transformer mounted the wrong way round does; 0 is a healthy installation.
inline QList<float> FourWireRows(int reversedCt) {
    using Phasor = std::complex<double>;
    const double phi = std::acos(0.9);
    Phasor u[3], i[3];
    for (int k = 0; k < 3; ++k) {
        const double angle = -2.0 * M_PI / 3.0 * k;
        u[k] = std::polar(230.0, angle);
        i[k] = std::polar(k + 1 == reversedCt ? -50.0 : 50.0, angle - phi);
    }
    QList<float> rows(36, 0.0f);
    double p = 0, q = 0, s = 0;
    for (int k = 0; k < 3; ++k) {
        const Phasor power = u[k] * std::conj(i[k]);
        rows[1 + k] = float(std::abs(u[k]));
        rows[4 + k] = float(std::abs(u[k] - u[(k + 1) % 3]));
        rows[8 + k] = rows[12 + k] = float(std::abs(i[k]));
        rows[16 + k] = float(power.real());
        rows[20 + k] = float(power.imag());
        rows[24 + k] = float(std::abs(power));
        rows[29 + k] = float(power.real() / std::abs(power));
        p += power.real();
        q += power.imag();
        s += std::abs(power);
    }
    rows[0] = rows[1];
    rows[7] = rows[11] = rows[8];
    rows[15] = float(std::abs(i[0] + i[1] + i[2]));
    rows[19] = float(p);
    rows[23] = float(q);
    rows[27] = float(s);
    rows[28] = 50.0f;
    rows[32] = float(p / s);
    rows[33] = rows[4];
    rows[34] = rows[8];
    rows[35] = 0.5f;
    return rows;
}
