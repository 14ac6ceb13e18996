#include "platform/ProgramFiles.h"

#include "platform/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdlib>
#include <cstdio>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

std::string ProgramDir() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath().toStdString();
    return QDir::currentPath().toStdString();
}

namespace {
bool HoldsData(const QString& dir) {
    return QFileInfo(dir + "/translations").isDir();
}
} // namespace

std::string DataDir() {
    const QString own = QString::fromStdString(ProgramDir());
    for (const QString& dir : {own, QDir::cleanPath(own + "/../share/zaro"), QStringLiteral("/usr/share/zaro")})
        if (HoldsData(dir)) return dir.toStdString();
    return own.toStdString(); // nothing found: messages name the program's own folder
}

std::string DefaultSettingsDir() {
    const QString dir = QString::fromStdString(ProgramDir());
    const QFileInfo info(dir);
    if (HoldsData(dir) && info.isWritable()) return dir.toStdString();
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty()) base = QDir::homePath() + "/.config";
    const QString own = base + "/zaro";
    QDir().mkpath(own);
    return own.toStdString();
}

namespace {

bool WriteAll(int fd, const QByteArray& data) {
    const char* p = data.constData();
    qint64 left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        left -= n;
    }
    return true;
}

void Tell(FileFault* why, FileFault fault) {
    if (why) *why = fault;
}

// A failed create or rename: a full disk, a name that is no file, or no way there.
FileFault FaultOfErrno(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EIO:
    case EFBIG:
        return FileFault::WriteFailed;
    case EISDIR:
    case ELOOP:
    case ENXIO:
        return FileFault::NotAFile;
    default:
        return FileFault::CannotOpen;
    }
}

// The rule for a name written to; the permissions of a regular file found there.
FileFault CheckOutputName(const std::string& path, std::optional<mode_t>* mode = nullptr) {
    struct stat st = {};
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT ? FileFault::None : FileFault::CannotOpen;
    if (!S_ISREG(st.st_mode)) return FileFault::NotAFile;
    if (mode) *mode = st.st_mode & 07777;
    return FileFault::None;
}

// A new file beside path, open for writing: permissions as a new file gets them, or
// those of the file it is to replace. -1 on failure.
int CreateTemporaryBeside(const std::string& path, std::string& temporary, FileFault* why) {
    std::optional<mode_t> mode;
    const FileFault name = CheckOutputName(path, &mode);
    if (name != FileFault::None) {
        Tell(why, name);
        return -1;
    }
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string suffix(6, 'x');
        for (char& ch : suffix) ch = kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))];
        temporary = folder + "." + base + "." + suffix;
        // The mode of open() passes the user's umask, as for any new file.
        const int fd = ::open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) break;
        if (!mode || ::fchmod(fd, *mode) == 0) return fd;
        ::close(fd);
        ::unlink(temporary.c_str());
        errno = EACCES;
        break;
    }
    Tell(why, FaultOfErrno(errno));
    temporary.clear();
    return -1;
}

} // namespace

bool WriteFileAtomically(const std::string& path, const QByteArray& data, FileFault* why) {
    std::string temporary;
    const int fd = CreateTemporaryBeside(path, temporary, why);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, data);
    if (::close(fd) == 0 && written) return CommitFileBeside(temporary, path, why);
    ::unlink(temporary.c_str());
    Tell(why, FileFault::WriteFailed);
    return false;
}

bool WriteNewFile(const std::string& path, const QByteArray& data) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool ok = WriteAll(fd, data) && ::fsync(fd) == 0;
    if (::close(fd) == 0 && ok) return true;
    ::unlink(path.c_str());
    return false;
}

bool MoveToBackup(const std::string& path) {
    return std::rename(path.c_str(), (path + ".bak").c_str()) == 0 || errno == ENOENT;
}

std::string CreateFileBeside(const std::string& path, FileFault* why) {
    std::string temporary;
    const int fd = CreateTemporaryBeside(path, temporary, why);
    if (fd >= 0) ::close(fd);
    return temporary;
}

bool CommitFileBeside(const std::string& temporary, const std::string& path, FileFault* why) {
    const int fd = ::open(temporary.c_str(), O_RDONLY | O_CLOEXEC);
    // A disk that filled up may tell only now, when the data must reach it.
    FileFault fault = fd >= 0 && ::fsync(fd) == 0 ? FileFault::None : FileFault::WriteFailed;
    if (fd >= 0) ::close(fd);
    // Checked again: a long export leaves time for something else to take the name.
    if (fault == FileFault::None) fault = CheckOutputName(path);
    if (fault == FileFault::None && std::rename(temporary.c_str(), path.c_str()) != 0) fault = FaultOfErrno(errno);
    if (fault == FileFault::None) return true;
    ::unlink(temporary.c_str());
    Tell(why, fault);
    return false;
}

void DiscardFile(const std::string& temporary) {
    if (!temporary.empty()) ::unlink(temporary.c_str());
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

LiveFile::~LiveFile() {
    close();
}

bool LiveFile::open(const std::string& path, FileFault* why) {
    close();
    failed = false;
    FileFault fault = CheckOutputName(path);
    // Not blocking: a FIFO put there meanwhile must not stall the open before it is refused.
    if (fault == FileFault::None) {
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
        if (fd < 0) fault = FaultOfErrno(errno);
    }
    struct stat st = {};
    if (fault == FileFault::None && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) fault = FileFault::NotAFile;
    if (fault == FileFault::None && ::ftruncate(fd, 0) != 0) fault = FileFault::CannotOpen;
    if (fault == FileFault::None) return true;
    if (fd >= 0) ::close(fd);
    fd = -1;
    Tell(why, fault);
    return false;
}

void LiveFile::append(const QByteArray& bytes) {
    if (fd >= 0 && !failed && !WriteAll(fd, bytes)) failed = true;
}

bool LiveFile::close(FileFault* why) {
    if (fd < 0) return !failed;
    const bool ok = ::close(fd) == 0 && !failed;
    fd = -1;
    if (!ok) {
        failed = true;
        Tell(why, FileFault::WriteFailed);
    }
    return ok;
}

const char* WriteFaultPhrase(FileFault fault) {
    switch (fault) {
    case FileFault::NotAFile:
        return QT_TRANSLATE_NOOP(
            "Messages",
            "That name belongs to a folder, a link or a device, not to a file. Choose another name.");
    case FileFault::WriteFailed:
        return QT_TRANSLATE_NOOP("Messages",
                                 "The file could not be written completely. Check the free space and try again.");
    default:
        return QT_TRANSLATE_NOOP("Messages", "The file cannot be created there. Choose another folder or name.");
    }
}

int ShowWriteFault(FileFault fault) {
    if (fault == FileFault::NotAFile || fault == FileFault::WriteFailed)
        Error(kFileNotSavedKind, kFileNotSavedNumber, WriteFaultPhrase(fault));
    else
        Error(2, 5);
    return 0;
}

std::string CreateTemporaryFolder(const char* purpose) {
    QTemporaryDir dir(QDir::tempPath() + QString("/zaro-%1-%2-XXXXXX").arg(purpose).arg(::getpid()));
    if (!dir.isValid()) return {};
    dir.setAutoRemove(false);
    return dir.path().toStdString();
}

void RemoveFolder(const std::string& path) {
    if (!path.empty()) QDir(QString::fromStdString(path)).removeRecursively();
}

void RemoveStaleTemporaryFolders(const char* purpose) {
    const QDir temporary(QDir::tempPath());
    const QRegularExpression form(
        QString("^zaro-%1-([0-9]{1,9})-[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(purpose)));
    for (const QString& name : temporary.entryList({QString("zaro-%1-*").arg(purpose)}, QDir::Dirs | QDir::Hidden)) {
        const QRegularExpressionMatch match = form.match(name);
        if (!match.hasMatch()) continue;
        const pid_t owner = pid_t(match.captured(1).toLong());
        const std::string path = temporary.filePath(name).toStdString();
        struct stat st = {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) continue;
        // Only a process that is gone for certain: kill() with no signal asks whether it exists.
        if (owner == ::getpid() || ::kill(owner, 0) == 0 || errno != ESRCH) continue;
        RemoveFolder(path);
    }
}

bool ReadWholeFile(const std::string& path, QByteArray& data, qint64 maxBytes, FileFault* why) {
    // Non-blocking open: a FIFO must not stall the program before it can be refused.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        Tell(why, FileFault::CannotOpen);
        return false;
    }
    struct stat st = {};
    FileFault fault = FileFault::None;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) fault = FileFault::NotAFile;
    else if (st.st_size > maxBytes) fault = FileFault::TooLarge;
    QByteArray text;
    // Read until the end, whatever the size said: the file may grow meanwhile.
    char buffer[65536];
    while (fault == FileFault::None) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fault = FileFault::CannotOpen;
        else if (text.size() + n > maxBytes) fault = FileFault::TooLarge;
        if (n <= 0) break;
        text.append(buffer, qsizetype(n));
    }
    ::close(fd);
    if (fault == FileFault::None) data = text;
    Tell(why, fault);
    return fault == FileFault::None;
}
