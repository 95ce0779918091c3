#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QHash>
#include <QList>
#include <QMap>
#include <QSet>

#include "link/serial_port.h"

class BoxCore;
class QTimer;

// The serial ports of a test machine: which numbers exist and what answers on
// each. A number that was never added cannot be opened.
class MemoryPortBank {
public:
    // The box answers on this port; the bank does not own it.
    void attachBox(int number, BoxCore *box);
    // Opens fine, nobody answers.
    void addSilentPort(int number);
    // The port is there, but this account may not open it.
    void addDeniedPort(int number);
    bool exists(int number) const { return ports_.contains(number) || denied_.contains(number); }
    BoxCore *box(int number) const { return ports_.value(number, nullptr); }

    QList<int> openedPorts;               // every successful open, in order
    QList<int> openAttempts;              // every open() call, in order
    QHash<int, QByteArray> writtenBytes;  // all bytes written to each port

private:
    friend class MemoryPort;

    QMap<int, BoxCore *> ports_;  // nullptr: a silent port
    QSet<int> denied_;
    QSet<int> inUse_;  // a port is open by one MemoryPort at a time
};

// A serial port in memory. Replies of the attached box arrive from the event
// loop after the delay the box asks for, never inside write().
class MemoryPort : public SerialPort {
    Q_OBJECT

public:
    explicit MemoryPort(MemoryPortBank &bank, QObject *parent = nullptr);
    ~MemoryPort() override;

    void setPortNumber(int number) override { number_ = number; }
    int portNumber() const override { return number_; }
    // "/dev/ttyMEMn" for a port of the bank.
    QString deviceName() const override;
    bool applySettings() override;

    bool open() override;
    void close() override;
    bool isOpen() const override { return open_; }

    // Drops the bytes received so far; replies still on the wire arrive later.
    bool clearBuffers() override;
    bool write(const QByteArray &bytes) override;
    int bytesWaiting() const override { return int(received_.size() - taken_); }
    int takeByte() override;

    // Bytes arriving unasked, at once (dropped while closed).
    void injectBytes(const QByteArray &bytes);
    // Only the notification of a line error. The QSerialPort backend also
    // closes the device on a real error; this hook leaves the port open.
    void raiseLineError();

private:
    struct InFlight {
        QDeadlineTimer due;
        QByteArray bytes;
        quint64 session;
    };

    void arrive(const QByteArray &bytes, quint64 session);
    // Delivers the replies that are due, then waits for the next one.
    void deliverDue();

    // One timer for all replies in flight: a timer of its own per reply
    // would post an event, and each posted event wakes the event loop
    // through the kernel.
    QTimer *delivery_;
    QList<InFlight> inFlight_;  // by due time

    MemoryPortBank &bank_;
    int number_ = 1;
    int openNumber_ = 0;  // the number in use while open; a new number counts from the next open
    bool open_ = false;
    quint64 session_ = 0;  // bumped on close, so replies in flight are dropped
    QByteArray received_;
    qsizetype taken_ = 0;  // bytes of received_ already taken
};
