// Reading the meter's configuration into Lese, receiving it into Konf, sending Konf
// with its checks, version information and the transformer-ratio conversion.
// Every operation returns 1 on success, 0 on failure or when declined.
#pragma once

#include "config/ConfigImage.h"

#include <QString>
#include <string>

// The caller has opened the link. 1 when Lese is complete.
int ReadConfiguration(int unused);

// Opens the link, reads, derives the interface option and copies Lese into Konf.
// No settings are saved and nothing is redrawn (zaro-cli uses this directly).
int ReceiveConfiguration();
int CmRecFromDev();

// Checks Konf against the connected meter, asks where features are missing, shows what
// the send changes and asks (Warnung(0, 0) with the differences), keeps a backup of the
// meter's configuration and writes Konf. When nothing differs nothing is written and
// the result is 1.
int CmSendConfig();

// Reads identification and model name into Lese and ReportedModel(); 1 on success.
int ReadVersionInfo();
QString VersionText(int version); // 312 -> "3.12"
void CmGetVersionInfo();

int CmRestartInterval();

// Takes the editor's description text into Konf (at most 47 bytes, line breaks as
// "\n") and returns the text the editor shows again.
QString CmReadDescr(const QString& text);

// Transformer ratios: editor values <-> the meter's mantissa/exponent form.
void SetupInputData(ConfigImage* image);
void RestoreInputData(ConfigImage* image);

// Lese as a configuration of its own: the interface option follows the bus settings.
ConfigImage MeterConfiguration();

// Folder of the backups kept before every send.
std::string BackupDir();
