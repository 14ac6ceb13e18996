// One HTTP GET to a device that closes the connection after its reply (the module's
// log download). The reply is held in memory up to a limit.
#pragma once

#include <QByteArray>
#include <string>

struct HttpLimits {
    int connectMs = 5000;
    int writeMs = 2000;
    int idleMs = 2000;    // longest silence while the reply comes in
    int totalMs = 120000; // a peer that dribbles forever is cut off here
    qsizetype maxBody = 4 << 20;
};

enum class HttpOutcome {
    Ok, // status and body are set
    ConnectFailed,
    SendFailed,
    ReadFailed,  // the connection broke other than by an orderly close
    TimedOut,    // silence longer than idleMs, or longer than totalMs in all
    TooLarge,    // more than maxBody (and a header) arrived
    NoHeaderEnd, // no blank line ends the header, or no status line starts it
};

struct HttpReply {
    HttpOutcome outcome = HttpOutcome::ConnectFailed;
    int status = 0; // from the status line
    QByteArray body;
};

// Sends request as it is and collects the reply until the peer closes, in an event
// loop of its own: the windows keep repainting, user input waits.
HttpReply HttpGet(const std::string& host, int port, const QByteArray& request, const HttpLimits& limits);

// A whole reply: the status code from its status line ("HTTP/1.x NNN ..."), the body
// after the first blank line. Ok or NoHeaderEnd.
HttpOutcome ParseHttpReply(const QByteArray& raw, int& status, QByteArray& body);
