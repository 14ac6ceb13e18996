// Reading the meter's configuration into session.read, receiving it into session.edited, sending
// session.edited with its checks, version information and the transformer-ratio conversion. Every operation
// returns 1 on success, 0 on failure or when declined.
#pragma once

#include "config/ConfigImage.h"

#include <QString>
#include <string>

struct MeterSession;

// The caller has opened the link. 1 when session.read is complete.
int ReadConfiguration(MeterSession& session, int unused);

// Opens the link, reads, derives the interface option and copies session.read into session.edited.
// No settings are saved and nothing is redrawn (zaro-cli uses this directly).
int ReceiveConfiguration(MeterSession& session);
int CmRecFromDev(MeterSession& session);

// Checks session.edited against the connected meter, asks where features are missing, shows what
// the send changes and asks (Warning(0, 0) with the differences), keeps a backup of the
// meter's configuration and writes session.edited. When nothing differs nothing is written and
// the result is 1.
int CmSendConfig(MeterSession& session);

// Reads identification and model name into session.read and ReportedModel(); 1 on success.
int ReadVersionInfo(MeterSession& session);
// The same into image, with or without the link's error messages (the interface test
// names what it tried in its own).
int ReadVersionInfo(ConfigImage& image, int showErrors);
QString VersionText(int version); // 312 -> "3.12"
void CmGetVersionInfo(MeterSession& session);

// Restarts the meter's mean-value interval after the question (Warning kind, number)
// was answered Continue; 0 when cancelled or the write failed.
constexpr int kRestartIntervalKind = 18;
constexpr int kRestartIntervalNumber = 5;
int CmRestartInterval(MeterSession& session);

// Takes the editor's description text into session.edited (at most 47 bytes, line breaks as
// "\n") and returns the text the editor shows again.
QString CmReadDescr(MeterSession& session, const QString& text);

// Transformer ratios: editor values <-> the meter's mantissa/exponent form.
void SetupInputData(ConfigImage* image);
void RestoreInputData(ConfigImage* image);

// session.read as a configuration of its own: the interface option follows the bus settings.
ConfigImage MeterConfiguration(MeterSession& session);

// The edits' baselines. They are taken after the editor's redraw, which makes its own
// corrections, and compared as the image would be sent (ratios in the meter's form).
void KeepEdits(MeterSession& session);    // received, opened, saved or made new
void EditsOnMeter(MeterSession& session); // received or sent
bool HasUnsavedEdits(const MeterSession& session);
bool HasUnsentEdits(const MeterSession& session); // false until a meter's configuration was read

// Folder of the backups kept before every send.
std::string BackupDir();
