// Helper programs this program starts: the simulator of the demo, a second copy of
// the program. Their input is a pipe from us, so a helper that quits at the end of its
// input (zaro-sim does) also ends when this program dies.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QProcess;

struct ChildProcess {
    std::unique_ptr<QProcess> process;
    ChildProcess();
    ~ChildProcess(); // stops it
    ChildProcess(ChildProcess&&) noexcept;
    ChildProcess& operator=(ChildProcess&&) noexcept;
};

// Starts program and waits up to timeoutMs for the first line it prints, given back
// in firstLine. On failure the helper is stopped and error says why.
bool StartChildProcess(ChildProcess& child, const QString& program, const QStringList& args,
                       int timeoutMs, QString& firstLine, QString& error);

// Closes the helper's input, gives it a moment to quit on its own, then kills it.
void StopChildProcess(ChildProcess& child);
bool ChildProcessRunning(const ChildProcess& child);
qint64 ChildProcessId(const ChildProcess& child);

// Starts another copy of this program with args, on its own.
bool StartProgramCopy(const QStringList& args);

// A helper program installed with this one: beside it (a build, a portable copy),
// else in /usr/bin. Empty when neither has it.
QString FindHelperProgram(const QString& name);
