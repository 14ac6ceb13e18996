#include "settings/INI_File.h"

// Stand-ins until the settings files are implemented.
void LoadINIDefault() {}
int ReadINIFile() { return 0; }
int NewINIFile() { return 1; }
void LoadINIDefaultTCP() {}
int ReadINIFileTCP() { return 0; }
int NewINIFileTCP() { return 1; }
void LoadDevINIDefault() {}
int ReadDevINIFile() { return 0; }
int NewDevINIFile() { return 1; }
void LoadAllSettings(bool) {}
