#include "box/memory_port.h"

#include <QTimer>

#include "box/box_core.h"

void MemoryPortBank::attachBox(int number, BoxCore *box) {
    ports_.insert(number, box);
}

void MemoryPortBank::addSilentPort(int number) {
    ports_.insert(number, nullptr);
}

MemoryPort::MemoryPort(MemoryPortBank &bank, QObject *parent) : SerialPort(parent), bank_(bank) {}

MemoryPort::~MemoryPort() {
    if (open_)
        bank_.inUse_.remove(openNumber_);
}

bool MemoryPort::applySettings() {
    setReceiveThreshold(1);
    received_.clear();
    return true;
}

bool MemoryPort::open() {
    bank_.openAttempts.append(number_);
    if (open_ || !bank_.exists(number_) || bank_.inUse_.contains(number_))
        return false;
    open_ = true;
    openNumber_ = number_;
    bank_.inUse_.insert(number_);
    bank_.openedPorts.append(number_);
    return true;
}

void MemoryPort::close() {
    if (open_) {
        open_ = false;
        ++session_;
        bank_.inUse_.remove(openNumber_);
        received_.clear();
    }
    emit activity();
}

bool MemoryPort::clearBuffers() {
    received_.clear();
    return open_;
}

bool MemoryPort::write(const QByteArray &bytes) {
    if (!open_)
        return false;
    bank_.writtenBytes[openNumber_].append(bytes);
    BoxCore *box = bank_.box(openNumber_);
    if (!box)
        return true;
    const quint64 session = session_;
    for (const BoxCore::Outgoing &reply : box->receive(bytes)) {
        const int ms = int((reply.delayMicros + 999) / 1000);
        const QByteArray payload = reply.bytes;
        QTimer::singleShot(ms, Qt::PreciseTimer, this,
                           [this, payload, session] { arrive(payload, session); });
    }
    return true;
}

int MemoryPort::takeByte() {
    if (received_.isEmpty())
        return -1;
    const int byte = quint8(received_.front());
    received_.remove(0, 1);
    return byte;
}

void MemoryPort::injectBytes(const QByteArray &bytes) {
    arrive(bytes, session_);
}

void MemoryPort::raiseLineError() {
    announceLineError();
}

void MemoryPort::arrive(const QByteArray &bytes, quint64 session) {
    if (!open_ || session != session_)
        return;
    received_.append(bytes);
    announceBytes();
}
