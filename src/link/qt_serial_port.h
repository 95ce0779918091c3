#pragma once

#include <QSerialPort>

#include "link/port_numbering.h"
#include "link/serial_port.h"

// The serial port over QSerialPort: real USB adapters and pseudo-terminals.
class QtSerialPort : public SerialPort {
    Q_OBJECT

public:
    explicit QtSerialPort(PortNumbering numbering, QObject *parent = nullptr);

    void setPortNumber(int number) override { number_ = number; }
    int portNumber() const override { return number_; }
    bool applySettings() override;
    bool open() override;
    void close() override;
    bool isOpen() const override;
    bool clearBuffers() override;
    bool write(const QByteArray &bytes) override;
    int bytesWaiting() const override;
    int takeByte() override;

private:
    void onError(QSerialPort::SerialPortError error);

    PortNumbering numbering_;
    QSerialPort port_;
    int number_ = 1;
};
