// Stand-ins until the toolbar lists are built by the main window; the real
// definitions replace these at link time.
#include "shell/ZARO.h"

__attribute__((weak)) void InitToolbarDeviceAddr() {}
__attribute__((weak)) void InitToolbarGateway() {}
