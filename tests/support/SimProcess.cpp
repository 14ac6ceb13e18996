#include "SimProcess.h"

#include <QDeadlineTimer>

QString BinPath(const QString& program) {
    QString dir = qEnvironmentVariable("ZARO_BIN_DIR");
    if (dir.isEmpty()) dir = QStringLiteral(ZARO_BIN_DIR);
    return dir + "/" + program;
}

SimProcess::~SimProcess() {
    stop();
}

bool SimProcess::start(const QStringList& args) {
    process.setProgram(BinPath("zaro-sim"));
    process.setArguments(args);
    process.start();
    if (!process.waitForStarted(5000)) return false;
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        if (!process.canReadLine() && !process.waitForReadyRead(int(deadline.remainingTime()))) break;
        while (process.canReadLine()) {
            const QStringList f = QString::fromLocal8Bit(process.readLine()).trimmed().split(' ');
            if (f.size() == 2 && f[0] == "PTY") {
                pty = f[1];
                return true;
            }
            if ((f.size() == 3 || f.size() == 4) && f[0] == "TCP") {
                tcpHost = f[1];
                port = f[2].toInt();
                http = f.size() == 4 ? f[3].toInt() : 0;
                return true;
            }
        }
    }
    stderrText += QString::fromLocal8Bit(process.readAllStandardError());
    return false;
}

void SimProcess::stop() {
    if (process.state() == QProcess::NotRunning) return;
    process.closeWriteChannel(); // end of input asks the simulator to quit
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
    stderrText += QString::fromLocal8Bit(process.readAllStandardError());
}

bool SimProcess::stopClean() {
    stop();
    if (!stderrText.contains("Sanitizer") && !stderrText.contains("runtime error")) return true;
    qWarning("%s", qPrintable(stderrText));
    return false;
}

void SimProcess::command(const QString& line) {
    process.write((line + "\n").toLocal8Bit());
    process.waitForBytesWritten(1000);
}
