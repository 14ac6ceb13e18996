#include "platform/SerialPort.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <algorithm>
#include <memory>
#include <termios.h>

namespace {

std::unique_ptr<QSerialPort> port;
bool rtsDriven = true; // false once the device refused RTS (a pseudo-terminal)
int openCount = 0;

// Slice of a wait after which pending repaints and timers get their turn.
constexpr int kSliceMs = 20;

void LetWindowsRepaint() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int OpenErrorCode(QSerialPort::SerialPortError e) {
    switch (e) {
    case QSerialPort::DeviceNotFoundError:
        return -6;
    case QSerialPort::PermissionError:
    case QSerialPort::OpenError:
        return -7;
    default:
        return -1;
    }
}

bool IsPseudoTerminal(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).canonicalFilePath().startsWith("/dev/pts/");
}

} // namespace

int SerialOpen(const std::string& path, int baud, SerialParity parity, int stopBits) {
    SerialClose();
    if (path.empty()) return -2;
    port = std::make_unique<QSerialPort>();
    rtsDriven = true;
    port->setPortName(QString::fromStdString(path));
    if (!port->open(QIODevice::ReadWrite)) {
        const int code = OpenErrorCode(port->error());
        port.reset();
        return code;
    }
    const QSerialPort::Parity p = parity == kParityEven  ? QSerialPort::EvenParity
                                  : parity == kParityOdd ? QSerialPort::OddParity
                                                         : QSerialPort::NoParity;
    // A pseudo-terminal has no line and refuses a parity setting; it carries bytes anyway.
    const bool parityOk = port->setParity(p) || IsPseudoTerminal(path);
    port->clearError();
    const bool ok = parityOk && port->setBaudRate(baud) && port->setDataBits(QSerialPort::Data8) &&
                    port->setStopBits(stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
                    port->setFlowControl(QSerialPort::NoFlowControl);
    if (!ok) {
        port.reset();
        return -1;
    }
    ++openCount;
    return 0;
}

void SerialClose() {
    port.reset();
}

bool SerialIsOpen() {
    return port != nullptr;
}

int SerialOpenCount() {
    return openCount;
}

int SerialWrite(const uint8_t* data, int n) {
    if (!port) return 0;
    const qint64 w = port->write(reinterpret_cast<const char*>(data), n);
    return w < 0 ? 0 : int(w);
}

void SerialWaitUntilSent() {
    if (!port) return;
    while (port->bytesToWrite() > 0)
        if (!port->waitForBytesWritten(kSliceMs) && port->error() != QSerialPort::TimeoutError) break;
    // The driver may still hold bytes: the RS-485 turnaround must wait for the wire.
    tcdrain(int(port->handle()));
}

int SerialReadSome(uint8_t* buffer, int n, int waitMs) {
    if (!port) return -1;
    qint64 r = port->read(reinterpret_cast<char*>(buffer), n);
    if (r > 0 || n <= 0) return int(r);
    port->waitForReadyRead(waitMs);
    port->clearError(); // a time-out of the wait is not an error of the port
    LetWindowsRepaint();
    if (!port) return -1;
    r = port->read(reinterpret_cast<char*>(buffer), n);
    return r > 0 ? int(r) : 0;
}

void SerialFlush() {
    if (port) port->clear(QSerialPort::AllDirections);
}

void SerialSetRTS(bool on) {
    if (!port || !rtsDriven) return;
    if (port->setRequestToSend(on)) return;
    port->clearError();
    rtsDriven = false;
}

bool SerialDrivesRTS() {
    return port && rtsDriven;
}

std::vector<std::string> AvailableSerialPorts() {
    std::vector<std::string> list;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString name = info.portName();
        if (name.startsWith("ttyS") || name.startsWith("ttyUSB") || name.startsWith("ttyACM"))
            list.push_back(info.systemLocation().toStdString());
    }
    std::sort(list.begin(), list.end());
    return list;
}
