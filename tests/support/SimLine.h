// The simulator's meters answering the link's serial and Modbus/TCP frames in-process, on a clock that
// moves only when the link waits: a test gets real replies without a pty, a second
// process or wall-clock pauses. One line at a time; it installs itself as the link's
// transport and puts the real one back when it goes.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>

class SimLine {
  public:
    // args as zaro-sim takes them: "--rs232", "--rs485 LIST", "--gateway LIST" or
    // "--module [--unit N]" (any host and port reach a network one), then --model, --fw,
    // --ext, --rated-i, --system, --vt, --ct, --digout, --meter-scale, --mean-codes,
    // --miss-first, --logger-values, --logger-channels, --logger-mode, --logger-gaps,
    // --fault. The connection's serialPath must be set to path() to reach it.
    explicit SimLine(const QStringList& args);
    ~SimLine();
    SimLine(const SimLine&) = delete;
    SimLine& operator=(const SimLine&) = delete;

    bool ok() const { return valid; }
    // A file standing for the port's device node; removing it is pulling the converter out.
    QString path() const { return node; }
    // A fault as zaro-sim's "fault" command takes it ("silence:4").
    bool fault(const QString& spec);
    void clearFaults();
    // The meter answers reads of its instantaneous block (registers 99-170) with these
    // values, row by row, instead of its own moving ones; an empty list lets it measure again.
    // For cases the simulated load never shows, such as a miswired installation.
    void holdValues(const QList<float>& rows);
    // Modbus/TCP connections made so far.
    int connections() const;
    // Every frame the link wrote, in order, with the line's time it was written at.
    struct Request {
        int64_t atMs;
        QByteArray frame;
    };
    QList<Request> requests() const;

  private:
    QTemporaryDir dir;
    QString node;
    bool valid = false;
};
