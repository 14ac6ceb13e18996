// Files the user keeps: hostile names and kinds of file are refused, never followed
// or waited on.
#include "platform/ProgramFiles.h"

#include <QtTest>
#include <cerrno>
#include <sys/stat.h>

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
        QVERIFY(ReadWholeFile(Path("first"), text));
        QCOMPARE(text, QByteArray("one"));
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
        QVERIFY(ReadWholeFile(Path("big"), text, 100));
        QCOMPARE(text.size(), 100);
    }
};

QTEST_GUILESS_MAIN(FilesTest)
#include "files_test.moc"
