// Marks a transaction (or a connect) in flight for LinkBusy() while it exists.
#pragma once

struct LinkBusyScope {
    LinkBusyScope();
    ~LinkBusyScope();
    LinkBusyScope(const LinkBusyScope&) = delete;
    LinkBusyScope& operator=(const LinkBusyScope&) = delete;
};
