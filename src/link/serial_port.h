#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// What the link needs of a serial port, and nothing more. One backend drives
// QSerialPort (real adapters and pseudo-terminals); the tests wire an
// in-memory port to the virtual programmer box.
//
// Port numbers run from 1 to 15; how a number maps to a device is up to the
// backend. Notifications carry a code: ReceivedBytes when bytes are waiting and
// the receive threshold is not 0, codes above 10 for line errors.
class SerialPort : public QObject {
    Q_OBJECT

public:
    static constexpr int ReceivedBytes = 2;
    static constexpr int LineError = 1008;

    // Why the last open() failed.
    enum class OpenFailure {
        None,      // the last open() succeeded, or none was made
        Missing,   // no such device
        Denied,    // the device is there, but this account may not use it
        Busy,      // another program holds the device
        Unusable,  // anything else: not a serial port, a driver fault
    };
    Q_ENUM(OpenFailure)

    using QObject::QObject;
    ~SerialPort() override = default;

    virtual void setPortNumber(int number) = 0;
    virtual int portNumber() const = 0;
    // The device of the current port number as the user knows it, or an
    // empty text when there is none.
    virtual QString deviceName() const = 0;

    // "57600,n,8,1", binary, one byte per take, input 1200 and output 40 bytes,
    // receive threshold 1, both buffers emptied. False when the port refuses.
    virtual bool applySettings() = 0;

    // A failed open() leaves its reason in openFailure().
    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Empties the receive and the transmit buffer. False on a port error.
    virtual bool clearBuffers() = 0;
    // Queues all bytes for sending. False on a port error (e.g. not open).
    virtual bool write(const QByteArray &bytes) = 0;
    virtual int bytesWaiting() const = 0;
    // The next received byte, or -1 when none is waiting.
    virtual int takeByte() = 0;

    void setReceiveThreshold(int threshold) { threshold_ = threshold; }
    int receiveThreshold() const { return threshold_; }

    OpenFailure openFailure() const { return openFailure_; }

signals:
    // The OnComm event of the port.
    void notification(int code);
    // Raised on every arrival of bytes, whatever the threshold, and when the
    // port closes: wakes a wait that polls bytesWaiting().
    void activity();

protected:
    // Backends call this when bytes arrived. The notification is raised at
    // once, from inside the backend's own read handling: a handler that has to
    // wait for more bytes must return to the event loop first, since
    // QSerialPort announces no further bytes until its handler has returned.
    void announceBytes();
    // Backends call this on a line error while open.
    void announceLineError();
    // Backends record the outcome of every open().
    void setOpenFailure(OpenFailure failure) { openFailure_ = failure; }

private:
    int threshold_ = 1;
    OpenFailure openFailure_ = OpenFailure::None;
};
