// Where the program's files live, and how user files are written.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

// Directory of the running executable.
std::string ProgramDir();

// The folder holding translations/ and help/: beside the program in a build or a
// portable copy, else the installed data folder (<prefix>/share/zaro, /usr/share/zaro).
std::string DataDir();

// Settings live beside the program in a portable copy (its data beside it, the folder
// writable), otherwise in the user's configuration folder ($XDG_CONFIG_HOME/zaro): an
// installed copy must not write into /usr/bin even when run as root.
std::string DefaultSettingsDir();

// Writes the whole file through a temporary file in the same folder and a rename:
// a crash or a full disk leaves the old file as it was. Returns false on failure.
bool WriteFileAtomically(const std::string& path, const QByteArray& data);

// Creates path as a new file holding data; fails (errno EEXIST) when anything, even
// a dangling symbolic link, already has that name, so it never writes through a link
// planted there. A failed write leaves no file behind.
bool WriteNewFile(const std::string& path, const QByteArray& data);

// Renames path to path + ".bak", replacing an older backup. Only the name moves: a
// symbolic link stays a link and its target is not touched. True when done or when
// nothing has that name.
bool MoveToBackup(const std::string& path);

// For files written by a library that takes only a file name: a new empty file with a
// unique hidden name in path's folder (empty string on failure), then, once complete,
// synced and renamed over path (false and removed on failure), or discarded. A failed
// export so never leaves half a file under the user's name.
std::string CreateFileBeside(const std::string& path);
bool CommitFileBeside(const std::string& temporary, const std::string& path);
void DiscardFile(const std::string& temporary);

// A new private folder (mode 0700), left in place until RemoveFolder; empty on failure.
std::string CreateTemporaryFolder();
void RemoveFolder(const std::string& path);

// Reads a whole regular file of at most maxBytes; false when it cannot be opened, is
// no regular file (a FIFO would block, a device never end) or is larger.
constexpr qint64 kMaxUserFileBytes = 4 << 20;
bool ReadWholeFile(const std::string& path, QByteArray& data, qint64 maxBytes = kMaxUserFileBytes);
