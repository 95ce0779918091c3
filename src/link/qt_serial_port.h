#pragma once

#include <QSerialPort>
#include <functional>

#include "link/port_numbering.h"
#include "link/serial_port.h"

// The serial port over QSerialPort: real USB adapters and pseudo-terminals.
class QtSerialPort : public SerialPort {
    Q_OBJECT

public:
    explicit QtSerialPort(PortNumbering numbering, QObject *parent = nullptr);

    void setPortNumber(int number) override { number_ = number; }
    int portNumber() const override { return number_; }
    QString deviceName() const override { return numbering_.device(number_); }
    bool applySettings() override;
    bool open() override;
    void close() override;
    bool isOpen() const override;
    bool clearBuffers() override;
    bool write(const QByteArray &bytes) override;
    int bytesWaiting() const override;
    int takeByte() override;

    // Asks the driver of the device just opened (its file descriptor) to pass
    // received bytes on at once rather than collecting them for a while, as
    // USB adapters do. False where the driver cannot; the port works either
    // way. Made after every open on Linux; tests put a recorder in its place.
    using LowLatencyRequest = std::function<bool(int descriptor)>;
    void setLowLatencyRequest(LowLatencyRequest request) { lowLatency_ = std::move(request); }
    // ASYNC_LOW_LATENCY through TIOCGSERIAL/TIOCSSERIAL (Linux only).
    static bool requestLowLatency(int descriptor);

private:
    void onError(QSerialPort::SerialPortError error);
    static OpenFailure failureOf(QSerialPort::SerialPortError error, const QString &device);

    PortNumbering numbering_;
    QSerialPort port_;
    int number_ = 1;
    LowLatencyRequest lowLatency_ = &QtSerialPort::requestLowLatency;
};
