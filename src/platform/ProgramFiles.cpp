#include "platform/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

std::string ProgramDir() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath().toStdString();
    return QDir::currentPath().toStdString();
}

std::string DefaultSettingsDir() {
    const QString dir = QString::fromStdString(ProgramDir());
    const QFileInfo info(dir);
    if (info.isDir() && info.isWritable()) return dir.toStdString();
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

bool ReadWholeFile(const std::string& path, QByteArray& data) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return false;
    data = file.readAll();
    return true;
}
