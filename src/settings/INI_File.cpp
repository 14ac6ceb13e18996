#include "settings/INI_File.h"

void LoadAllSettings(bool) {}
