// Configuration files (*.ZRC): two tab-separated lines, a header naming the columns
// and a value line holding one configuration image. 25 columns for the base model,
// 31 for the extended model, 32 when the extended model sits behind the LANMOD57 module.
#pragma once

#include "config/ConfigImage.h"

#include <QByteArray>
#include <QString>
#include <string>

struct MeterSession;

// Captions of the configuration editor that also head the file's columns, so a file
// carries the words of the language it was written in. The editor shows the same texts.
enum EditorCaption {
    kCapVoltageTransformer,
    kCapCurrentTransformer,
    kCapOutput1,
    kCapOutput2,
    kCapLimitOn,
    kCapLimitOff,
    kCapPulseRate,
    kCapDevice, // heads the description; also the address word of panel titles
    kCapAddress,
    kCapBusSettings,
    kCapSaveTitle, // file dialogs
    kCapOpenTitle,
    kEditorCaptions
};
QString EditorCaptionText(EditorCaption caption); // in the current language

// The whole file for image. commType kModule sets kBusViaModule in the written bus settings and, on
// the extended model, adds the min/max logger column. Lines end in CR LF.
QByteArray ConfigFileText(const ConfigImage& image, int commType, const std::string& date,
                          const std::string& time);

// Fills image from a file's text; 1 on success. On any fault of the format the image is
// left exactly as it was and 0 is returned (the caller shows Error(3, 6)).
int ParseConfigText(const QByteArray& text, ConfigImage& image);

// True when text would load again: an image with values a file cannot keep (an
// infinite ratio, a field beyond its range) must not be saved as if it were fine.
bool ConfigFileReadsBack(const QByteArray& text);

// Reads path into image without touching the program settings: Error(2, 5) when the
// file cannot be read, Error(3, 6) when its format is wrong; 1 on success.
int LoadConfigFile(const std::string& path, ConfigImage& image);
// Writes session.edited to path with today's date and time (bit 6 of session.edited.BusSettings is set first
// when the module is the interface); Error(3, 9) when the file would not load again,
// else the reason it was not written (ShowWriteFault). 1 on success.
int SaveConfigFile(MeterSession& session, const std::string& path);

// As LoadConfigFile, then the interface kind follows the file (module or RS-232) and
// the program settings are saved.
int OpenConfigFile(MeterSession& session, const std::string& path, ConfigImage& image);

void CmFileNew(MeterSession& session);
void CmFileOpen(MeterSession& session);
int CmSaveToFile(MeterSession& session); // 1 when the file was written
