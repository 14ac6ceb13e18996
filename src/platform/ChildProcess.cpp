#include "platform/ChildProcess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>

namespace {
constexpr int kQuitGraceMs = 2000; // a helper at the end of its input quits within this
}

ChildProcess::ChildProcess() = default;
ChildProcess::ChildProcess(ChildProcess&&) noexcept = default;
ChildProcess& ChildProcess::operator=(ChildProcess&&) noexcept = default;
ChildProcess::~ChildProcess() {
    StopChildProcess(*this);
}

bool StartChildProcess(ChildProcess& child, const QString& program, const QStringList& args,
                       int timeoutMs, QString& firstLine, QString& error) {
    StopChildProcess(child);
    child.process = std::make_unique<QProcess>();
    QProcess& p = *child.process;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(program, args);
    if (!p.waitForStarted(timeoutMs)) {
        error = p.errorString();
        StopChildProcess(child);
        return false;
    }
    const QDeadlineTimer deadline(timeoutMs);
    while (!p.canReadLine()) {
        if (p.state() != QProcess::Running || deadline.hasExpired() ||
            !p.waitForReadyRead(int(deadline.remainingTime()))) {
            error = p.state() == QProcess::Running ? QStringLiteral("no answer") : QStringLiteral("it ended");
            StopChildProcess(child);
            return false;
        }
    }
    firstLine = QString::fromLocal8Bit(p.readLine()).trimmed();
    return true;
}

void StopChildProcess(ChildProcess& child) {
    if (!child.process) return;
    QProcess& p = *child.process;
    if (p.state() != QProcess::NotRunning) {
        p.closeWriteChannel();
        if (!p.waitForFinished(kQuitGraceMs)) {
            p.kill();
            p.waitForFinished(kQuitGraceMs);
        }
    }
    child.process.reset();
}

bool ChildProcessRunning(const ChildProcess& child) {
    return child.process && child.process->state() == QProcess::Running;
}

qint64 ChildProcessId(const ChildProcess& child) {
    return child.process ? child.process->processId() : 0;
}

bool StartProgramCopy(const QStringList& args) {
    return QProcess::startDetached(QCoreApplication::applicationFilePath(), args);
}

QString FindHelperProgram(const QString& name) {
    for (const QString& dir : {QCoreApplication::applicationDirPath(), QStringLiteral("/usr/bin")}) {
        const QFileInfo info(dir + "/" + name);
        if (info.isFile() && info.isExecutable()) return info.filePath();
    }
    return {};
}
