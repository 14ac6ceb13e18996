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
    ReadFailed, // the connection broke other than by an orderly close
    TimedOut,   // silence longer than idleMs, or longer than totalMs in all
    TooLarge,   // more than maxBody (and a header) arrived
    Garbled,    // nothing, a header without its end or status, or a body short of its length
};

struct HttpReply {
    HttpOutcome outcome = HttpOutcome::ConnectFailed;
    int status = 0; // from the status line; 200 for a reply without one
    QByteArray body;
};

// Sends "GET path" to host:port and collects the reply until the peer closes or the
// reply's Content-Length is complete, in an event loop of its own: the windows keep
// repainting, user input waits.
HttpReply HttpGet(const std::string& host, int port, const std::string& path, const HttpLimits& limits);

// A whole reply. With a status line ("HTTP/1.x NNN ..."): its code, and the body after
// the first blank line, cut to the Content-Length when one is given. A device may send
// no status line and no header at all: then the whole reply is the body and the status
// 200. Ok or Garbled.
HttpOutcome ParseHttpReply(const QByteArray& raw, int& status, QByteArray& body);
