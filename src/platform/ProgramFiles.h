// Where the program's files live, and how user files are written.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

// Directory of the running executable.
std::string ProgramDir();

// Settings live beside the program when that folder is writable (a portable copy),
// otherwise in the user's configuration folder ($XDG_CONFIG_HOME/zaro).
std::string DefaultSettingsDir();

// Writes the whole file through a temporary file in the same folder and a rename:
// a crash or a full disk leaves the old file as it was. Returns false on failure.
bool WriteFileAtomically(const std::string& path, const QByteArray& data);

// Reads a whole file; false when it cannot be opened.
bool ReadWholeFile(const std::string& path, QByteArray& data);
