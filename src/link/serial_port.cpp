#include "link/serial_port.h"

#include <QMetaObject>

void SerialPort::announceBytes()
{
    emit activity();
    if (threshold_ > 0 && !notificationPending_) {
        notificationPending_ = true;
        QMetaObject::invokeMethod(
            this, [this] { deliverReceiveNotification(); }, Qt::QueuedConnection);
    }
}

void SerialPort::deliverReceiveNotification()
{
    notificationPending_ = false;
    // The bytes may have been flushed, or the port closed, meanwhile.
    if (threshold_ > 0 && isOpen() && bytesWaiting() > 0)
        emit notification(ReceivedBytes);
}

void SerialPort::announceLineError()
{
    QMetaObject::invokeMethod(
        this, [this] { emit notification(LineError); }, Qt::QueuedConnection);
}
