#include "config/ConfigImage.h"
#include "config/Editor.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"

void ResetLoggerConfiguration(MeterSession& session) {
    if (!Warning(1, 1)) return;
    if (!InitInterface()) return;
    Write(session.read, kWriteLoggerClear, 1, 0);
    CloseInterface();
}
