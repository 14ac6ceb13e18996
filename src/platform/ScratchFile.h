// A private temporary file in the user's temporary folder, unique to this run, that
// collects lines and is removed when it is dropped.
#pragma once

#include <QByteArray>
#include <memory>
#include <string>

class QTemporaryFile;

class ScratchFile {
  public:
    ScratchFile();
    ~ScratchFile();
    // Starts a new empty file (the previous one is removed); false when none can be made.
    bool create();
    bool append(const QByteArray& bytes);
    // The content written so far (flushed first); empty when there is none.
    QByteArray content();
    bool exists() const { return file != nullptr; }
    std::string path() const;
    void remove();

  private:
    std::unique_ptr<QTemporaryFile> file;
};
