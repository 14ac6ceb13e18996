#include "platform/ScratchFile.h"

#include <QDir>
#include <QTemporaryFile>

ScratchFile::ScratchFile() = default;
ScratchFile::~ScratchFile() = default;

bool ScratchFile::create() {
    remove();
    auto f = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/zaro-XXXXXX.tmp");
    if (!f->open()) return false;
    file = std::move(f);
    return true;
}

bool ScratchFile::append(const QByteArray& bytes) {
    return file && file->write(bytes) == bytes.size();
}

QByteArray ScratchFile::content() {
    if (!file || !file->flush()) return {};
    QFile reader(file->fileName());
    if (!reader.open(QIODevice::ReadOnly)) return {};
    return reader.readAll();
}

std::string ScratchFile::path() const {
    return file ? file->fileName().toStdString() : std::string();
}

void ScratchFile::remove() {
    file.reset(); // QTemporaryFile deletes its file
}
