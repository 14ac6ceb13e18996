#include "platform/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>

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
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
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

bool ReadWholeFile(const std::string& path, QByteArray& data) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return false;
    data = file.readAll();
    return true;
}
