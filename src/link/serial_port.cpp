#include "link/serial_port.h"

#include <QMetaObject>
#include <QTimer>

SerialPort::SerialPort(QObject *parent) : QObject(parent), notifier_(new QTimer(this)) {
    notifier_->setSingleShot(true);
    notifier_->setInterval(0);
    connect(notifier_, &QTimer::timeout, this, &SerialPort::deliverReceiveNotification);
}

SerialPort::~SerialPort() = default;

void SerialPort::announceBytes() {
    emit activity();
    if (threshold_ > 0 && !notifier_->isActive())
        notifier_->start();
}

void SerialPort::deliverReceiveNotification() {
    // The bytes may have been flushed, or the port closed, meanwhile.
    if (threshold_ > 0 && isOpen() && bytesWaiting() > 0)
        emit notification(ReceivedBytes);
}

void SerialPort::announceLineError() {
    QMetaObject::invokeMethod(
        this, [this] { emit notification(LineError); }, Qt::QueuedConnection);
}
