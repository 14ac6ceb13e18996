#include "settings/INI_File.h"

int32_t Language = kDefaultLanguage;
int32_t Devices485[32] = {};

std::string SettingsDir;
