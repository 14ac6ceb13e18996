#include "platform/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdlib>
#include <cstdio>
#include <fcntl.h>
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

bool WriteFileAtomically(const std::string& path, const QByteArray& data) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    // write() only fills Qt's buffer: a full disk shows first in flush(), and commit()
    // must not rename a short temporary file over the good one.
    if (file.write(data) != data.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
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
} // namespace

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

std::string CreateFileBeside(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temporary = folder + "." + name + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return {};
    // mkstemp makes the file private; the finished file gets the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const bool ok = ::fchmod(fd, 0666 & ~mask) == 0;
    ::close(fd);
    if (ok) return temporary;
    ::unlink(temporary.c_str());
    return {};
}

bool CommitFileBeside(const std::string& temporary, const std::string& path) {
    const int fd = ::open(temporary.c_str(), O_RDONLY | O_CLOEXEC);
    bool ok = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0) ::close(fd);
    ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temporary.c_str());
    return ok;
}

void DiscardFile(const std::string& temporary) {
    if (!temporary.empty()) ::unlink(temporary.c_str());
}

std::string CreateTemporaryFolder() {
    QTemporaryDir dir(QDir::tempPath() + "/zaro-XXXXXX");
    if (!dir.isValid()) return {};
    dir.setAutoRemove(false);
    return dir.path().toStdString();
}

void RemoveFolder(const std::string& path) {
    if (!path.empty()) QDir(QString::fromStdString(path)).removeRecursively();
}

bool ReadWholeFile(const std::string& path, QByteArray& data, qint64 maxBytes) {
    // Non-blocking open: a FIFO must not stall the program before it can be refused.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st = {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= maxBytes;
    QByteArray text;
    if (ok) {
        // Read until the end, whatever the size said: the file may grow meanwhile.
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 || text.size() + n > maxBytes) ok = false;
            if (n <= 0 || !ok) break;
            text.append(buffer, qsizetype(n));
        }
    }
    ::close(fd);
    if (ok) data = text;
    return ok;
}
