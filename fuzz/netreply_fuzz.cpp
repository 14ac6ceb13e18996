// Arbitrary datagrams as answers to the gateway and module scans and to a configuration
// message. Whatever is taken must be a device's record: a MAC of six upper-case hex
// pairs and dotted addresses, nothing a later connection would have to look up.
#include "netmodules/Gateway.h"
#include "netmodules/LANMOD57Net.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    const int reply = int(std::min<size_t>(size, kGatewayReplySize));
    NetbiterRecord g;
    if (ParseNetbiterReply(text, reply, g) >= 0 && (!CheckMAC(g.MAC) || !CheckIP(g.IP))) std::abort();
    ConfirmsNetbiterConfig(text, reply, "00-30-11-0A-1B-01");
    ModuleRecord m;
    if (ParseModuleAnswer(text, int(std::min<size_t>(size, kModuleMessageSize)), m) &&
        (!CheckMAC(m.MAC) || !CheckIP(m.IP) || !CheckIP(m.subnet) || !CheckIP(m.gateway)))
        std::abort();
    return 0;
}
