#include "settings/SearchAddress.h"

#include "link/DeviceLink.h"
#include "link/ModbusTcp.h"
#include "link/Transport.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace {

// The pause every address gets before the next, so that a slow meter's late echo
// cannot be taken for the next address's reply.
constexpr int kProbePauseMs = 10;

// A USB converter pulled out during the search leaves a port that only times out;
// its device node disappears, which is the cheap way to notice.
bool PortVanished() {
    std::error_code ec;
    return !std::filesystem::exists(CommDevicePath(), ec);
}

} // namespace

int SearchAddress(int highestAddress, const std::function<void(int)>& probing, int* found) {
    if (CommPortIsOpen()) CloseCommPort();
    if (!InitInterface()) return -1;

    std::fill(std::begin(Devices485), std::end(Devices485), 0);
    int count = 0;
    if (found) *found = 0;
    const int last = highestAddress == kMaxBusAddress ? kMaxBusAddress : 32;
    // Once 32 are found nothing more can be kept, so the remaining addresses are not
    // waited for either.
    for (int a = 1; a <= last && count < kMaxSelected; ++a) {
        if (probing) probing(a);
        // Address 1 gets a second chance: a meter just switched to it may miss one.
        if (Diagnose(a) || (a == 1 && Diagnose(a))) {
            Devices485[count++] = a;
            if (found) *found = count;
        } else if (PortVanished()) {
            Error(0, 0);
            CloseCommPort();
            return 0;
        }
        Wire().pauseMs(kProbePauseMs);
    }
    CloseCommPort();
    return 1;
}

void GetRS485DeviceSelection(const bool (&ticked)[kMaxBusAddress], Connection& connection) {
    std::fill(std::begin(Devices485), std::end(Devices485), 0);
    int n = 0;
    for (int a = 1; a <= kMaxBusAddress && n < kMaxSelected; ++a)
        if (ticked[a - 1]) Devices485[n++] = a;
    if (n > 0) connection.meterAddress = Devices485[0];
}

int32_t PortNumberOf(const std::string& device) {
    for (int32_t n = 1; n <= kMaxCommPort; ++n)
        if (device == "/dev/ttyS" + std::to_string(n - 1)) return n;
    return 0;
}

int32_t TimeoutFromSeconds(double seconds) {
    if (!std::isfinite(seconds)) return ConnectionInUse().replyTimeoutMs;
    double ms = seconds * 1000.0;
    // 0.29 s is 289.99999999999994 ms in binary: a whole number of milliseconds that
    // only misses by the representation must not lose one to the truncation.
    if (std::fabs(ms - std::round(ms)) < 1e-6) ms = std::round(ms);
    ms = std::trunc(ms);
    return ClampTimeout(int64_t(std::clamp(ms, -1e12, 1e12)));
}
