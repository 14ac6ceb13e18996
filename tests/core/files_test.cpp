// Files the user keeps: hostile names and kinds of file are refused, never followed
// or waited on.
#include "platform/ProgramFiles.h"

#include <QtTest>
#include <cerrno>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class FilesTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }

  private slots:
    void newFileNeverWritesThroughALinkOrOverAFile() {
        QVERIFY(QFile::link(dir.filePath("elsewhere"), dir.filePath("planted")));
        errno = 0;
        QVERIFY(!WriteNewFile(Path("planted"), "backup"));
        QCOMPARE(errno, EEXIST);
        QVERIFY(!QFileInfo::exists(dir.filePath("elsewhere")));

        QVERIFY(WriteNewFile(Path("first"), "one"));
        QVERIFY(!WriteNewFile(Path("first"), "two"));
        QByteArray text;
        QVERIFY(ReadWholeFile(Path("first"), text) && text == "one");
    }

    // Every writer: a FIFO, a device, a folder or a link (even dangling) under the name
    // is refused and left as it was; nothing is written through the link.
    void writersRefuseWhatIsNoRegularFile() {
        QVERIFY(::mkfifo(Path("out.fifo").c_str(), 0600) == 0);
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        QVERIFY(WriteFileAtomically(Path("real"), "real"));
        QVERIFY(QFile::link(dir.filePath("real"), dir.filePath("link")));
        QVERIFY(QFile::link(dir.filePath("nowhere"), dir.filePath("dangling")));
        for (const std::string& name : {Path("out.fifo"), Path("folder"), Path("link"), Path("dangling"),
                                        std::string("/dev/null")}) {
            FileFault written = FileFault::None, opened = FileFault::None;
            LiveFile live;
            QVERIFY(!WriteFileAtomically(name, "new", &written) && !live.open(name, &opened));
            QVERIFY2(written == FileFault::NotAFile && opened == FileFault::NotAFile, name.c_str());
        }
        struct stat st = {};
        QVERIFY(::lstat(Path("out.fifo").c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
        QCOMPARE(QFileInfo(dir.filePath("link")).symLinkTarget(), dir.filePath("real"));
        QVERIFY(!QFileInfo::exists(dir.filePath("nowhere")));
        QByteArray text;
        QVERIFY(ReadWholeFile(Path("real"), text) && text == "real");

        LiveFile live; // a regular file is emptied, then takes each piece at once
        QVERIFY(live.open(Path("real")));
        live.append("one\n");
        QVERIFY(ReadWholeFile(Path("real"), text) && text == "one\n");
        QVERIFY(live.close());
    }

    // Only folders of the same purpose, of a process that is gone, are removed.
    void staleTemporaryFoldersOfDeadProcessesGo() {
        QTemporaryDir temporary;
        const QByteArray savedTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", temporary.path().toUtf8());
        const pid_t dead = ::fork();
        if (dead == 0) ::_exit(0);
        QVERIFY(dead > 0 && ::waitpid(dead, nullptr, 0) == dead);
        QDir tmp(temporary.path());
        const QStringList kept{QString("zaro-demo-%1-aB3xyz").arg(::getpid()),
                               QString("zaro-other-%1-aB3xyz").arg(dead),
                               QString("zaro-demo-%1-aB3xyz.keep").arg(dead), "zaro-demo-1-aB3xyz"};
        for (const QString& name : kept) QVERIFY(tmp.mkdir(name));
        // The dead process's folder as it was made, but for the process id.
        const QString made = QString::fromStdString(CreateTemporaryFolder("demo"));
        QVERIFY(made.startsWith(temporary.path()));
        const QString gone = tmp.filePath(
            QFileInfo(made).fileName().replace(QString("-%1-").arg(::getpid()), QString("-%1-").arg(dead)));
        QVERIFY(QFile::rename(made, gone));
        QVERIFY(WriteFileAtomically((gone + "/log.dat").toStdString(), "old"));
        QVERIFY(QFile::link(tmp.filePath(kept[0]), tmp.filePath(QString("zaro-demo-%1-linkxy").arg(dead))));
        RemoveStaleTemporaryFolders("demo");
        qputenv("TMPDIR", savedTmp);
        QStringList left = QStringList(kept) << QString("zaro-demo-%1-linkxy").arg(dead);
        left.sort();
        QCOMPARE(tmp.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name), left);
    }

    void readRefusesWhatIsNoRegularFileOrTooLarge() {
        QVERIFY(::mkfifo(Path("fifo").c_str(), 0600) == 0);
        QByteArray text = "kept";
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!ReadWholeFile(Path("fifo"), text)); // no writer: a blocking open would hang
        QVERIFY(clock.elapsed() < 1000);
        QVERIFY(!ReadWholeFile("/dev/zero", text));
        QCOMPARE(text, QByteArray("kept"));

        QVERIFY(WriteFileAtomically(Path("big"), QByteArray(100, 'x')));
        QVERIFY(!ReadWholeFile(Path("big"), text, 99));
        QVERIFY(ReadWholeFile(Path("big"), text, 100) && text.size() == 100);
    }
};

QTEST_GUILESS_MAIN(FilesTest)
#include "files_test.moc"
