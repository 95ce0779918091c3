#include "link/serial_port.h"

#include <QMetaObject>

void SerialPort::announceBytes() {
    emit activity();
    if (threshold_ > 0)
        emit notification(ReceivedBytes);
}

void SerialPort::announceLineError() {
    QMetaObject::invokeMethod(
        this, [this] { emit notification(LineError); }, Qt::QueuedConnection);
}
