// The wiring faults an installer makes, as zaro-sim --wiring names them.
#include "SimMeter.h"

#include <QStringList>
#include <cmath>
#include <utility>

namespace {

bool Channel(const QString& text, int& channel) {
    bool ok = false;
    channel = text.trimmed().toInt(&ok) - 1;
    return ok && channel >= 0 && channel < 3;
}

} // namespace

bool SimParseWiring(const QString& spec, SimWiring& wiring, QString& error) {
    const QString text = spec.trimmed();
    const int colon = int(text.indexOf(':'));
    const QString kind = text.left(colon), arg = colon < 0 ? QString() : text.mid(colon + 1);
    int n = 0, m = 0;
    if (kind == "reversed-ct" && Channel(arg, n)) {
        wiring.currentReversed[n] = !wiring.currentReversed[n];
        return true;
    }
    if (kind == "missing-u" && Channel(arg, n)) {
        wiring.voltageMissing[n] = true;
        return true;
    }
    const QStringList pair = arg.split(',');
    if (kind == "swapped-ct" && pair.size() == 2 && Channel(pair[0], n) && Channel(pair[1], m) && n != m) {
        std::swap(wiring.currentPhase[n], wiring.currentPhase[m]);
        return true;
    }
    bool ok = false;
    const double x = arg.toDouble(&ok);
    // Beyond a factor of 1000 either way no installer would have picked the transformer.
    if (kind == "ct-ratio" && ok && std::isfinite(x) && x >= 1e-3 && x <= 1e3) {
        wiring.ctFactor *= x;
        return true;
    }
    error = QStringLiteral("bad wiring \"%1\": reversed-ct:N, swapped-ct:N,M, missing-u:N (N, M 1..3) "
                           "or ct-ratio:X (0.001..1000)")
                .arg(spec);
    return false;
}
