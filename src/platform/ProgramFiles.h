// Where the program's files live, and how user files are written.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
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

// What kept a file of the user from being read or written.
enum class FileFault : uint8_t {
    None,
    CannotOpen,  // no such file or folder, or no permission: cannot be opened or created
    NotAFile,    // the name belongs to a folder, FIFO, device or symbolic link
    TooLarge,    // larger than the reader takes
    WriteFailed, // writing stopped part-way (a full disk)
};

// Every file written for the user obeys one rule: its name is free or holds a regular
// file. A folder, FIFO, device or symbolic link (even a dangling one) is refused, so
// nothing is written through a link or into a device, and none is replaced by a file.

// Writes the whole file through a temporary file in the same folder and a rename:
// a crash or a full disk leaves the old file as it was, with its permissions.
bool WriteFileAtomically(const std::string& path, const QByteArray& data, FileFault* why = nullptr);

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
std::string CreateFileBeside(const std::string& path, FileFault* why = nullptr);
bool CommitFileBeside(const std::string& temporary, const std::string& path, FileFault* why = nullptr);
void DiscardFile(const std::string& temporary);
// The folder a file of that path goes into ("." for a bare name).
std::string FolderOf(const std::string& path);

// A file written piece by piece as things happen, such as a log: every piece reaches
// the file with one write, so what was written survives the program being killed.
// Opening empties the file; the name follows the rule above.
class LiveFile {
  public:
    LiveFile() = default;
    LiveFile(const LiveFile&) = delete;
    LiveFile& operator=(const LiveFile&) = delete;
    ~LiveFile();
    bool open(const std::string& path, FileFault* why = nullptr);
    bool isOpen() const { return fd >= 0; }
    void append(const QByteArray& bytes); // a failure is reported by close()
    bool close(FileFault* why = nullptr); // false when any piece was not written

  private:
    int fd = -1;
    bool failed = false;
};

// The English phrase ("Messages" context) of why a file was not written, to be shown
// as a message's argument.
const char* WriteFaultPhrase(FileFault fault);
// Says why a file was not written: Error(2, 5) when it cannot be created, else
// Error(kFileNotSavedKind, kFileNotSavedNumber) with the reason. Returns 0.
int ShowWriteFault(FileFault fault);

// A new private folder (mode 0700) "zaro-<purpose>-<process id>-XXXXXX" in the
// temporary folder, left in place until RemoveFolder; empty on failure.
std::string CreateTemporaryFolder(const char* purpose);
void RemoveFolder(const std::string& path);
// Removes what a killed run left: folders CreateTemporaryFolder(purpose) made for a
// process that no longer exists. Only this user's folders of exactly that form, never
// a link, and never one of a process still running.
void RemoveStaleTemporaryFolders(const char* purpose);

// Reads a whole regular file of at most maxBytes; false when it cannot be opened, is
// no regular file (a FIFO would block, a device never end) or is larger.
constexpr qint64 kMaxUserFileBytes = 4 << 20;
bool ReadWholeFile(const std::string& path, QByteArray& data, qint64 maxBytes = kMaxUserFileBytes,
                   FileFault* why = nullptr);
