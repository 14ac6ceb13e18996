// Starts zaro-sim for a test and tells where its devices are.
// zaro-sim prints one ready line once its devices listen: "PTY <device path>" for the
// serial kinds, "TCP <ip> <port>" for the network kinds ("TCP <ip> <port> <http port>"
// for a module asked for any free web server port).
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

class SimProcess {
  public:
    ~SimProcess();
    // Starts zaro-sim with args and waits (up to 10 s) for its ready line.
    bool start(const QStringList& args);
    void stop();
    // Stops the simulator; false (with its stderr logged) when it reported a sanitizer error.
    bool stopClean();
    // Sends one control line to the simulator's standard input (e.g. "fault silence 3").
    void command(const QString& line);

    QString ptyPath() const { return pty; }
    QString host() const { return tcpHost; }
    int tcpPort() const { return port; }
    int httpPort() const { return http; } // of a module started with --http-port 0
    QString output() const { return stderrText; } // what it printed on stderr so far

  private:
    QProcess process;
    QString pty;
    QString tcpHost;
    int port = 0;
    int http = 0;
    QString stderrText;
};

QString BinPath(const QString& program); // ZARO_BIN_DIR/program
