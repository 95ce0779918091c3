#include "box/memory_port.h"

#include <QTimer>
#include <algorithm>

#include "box/box_core.h"

void MemoryPortBank::attachBox(int number, BoxCore *box) {
    ports_.insert(number, box);
}

void MemoryPortBank::addSilentPort(int number) {
    ports_.insert(number, nullptr);
}

void MemoryPortBank::addDeniedPort(int number) {
    denied_.insert(number);
}

MemoryPort::MemoryPort(MemoryPortBank &bank, QObject *parent)
    : SerialPort(parent), delivery_(new QTimer(this)), bank_(bank) {
    delivery_->setSingleShot(true);
    delivery_->setTimerType(Qt::PreciseTimer);
    connect(delivery_, &QTimer::timeout, this, &MemoryPort::deliverDue);
}

MemoryPort::~MemoryPort() {
    if (open_)
        bank_.inUse_.remove(openNumber_);
}

QString MemoryPort::deviceName() const {
    return bank_.exists(number_) ? QStringLiteral("/dev/ttyMEM%1").arg(number_) : QString();
}

bool MemoryPort::applySettings() {
    setReceiveThreshold(1);
    received_.clear();
    taken_ = 0;
    return true;
}

bool MemoryPort::open() {
    bank_.openAttempts.append(number_);
    if (!bank_.exists(number_))
        setOpenFailure(OpenFailure::Missing);
    else if (bank_.denied_.contains(number_))
        setOpenFailure(OpenFailure::Denied);
    else if (open_ || bank_.inUse_.contains(number_))
        setOpenFailure(OpenFailure::Busy);
    else
        setOpenFailure(OpenFailure::None);
    if (openFailure() != OpenFailure::None)
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
        taken_ = 0;
    }
    emit activity();
}

bool MemoryPort::clearBuffers() {
    received_.clear();
    taken_ = 0;
    return open_;
}

bool MemoryPort::write(const QByteArray &bytes) {
    if (!open_)
        return false;
    bank_.writtenBytes[openNumber_].append(bytes);
    BoxCore *box = bank_.box(openNumber_);
    if (!box)
        return true;
    for (const BoxCore::Outgoing &reply : box->receive(bytes)) {
        const int ms = int((reply.delayMicros + 999) / 1000);
        const InFlight item{QDeadlineTimer(ms, Qt::PreciseTimer), reply.bytes, session_};
        // After everything due no later: equal delays keep their order.
        auto place = std::upper_bound(inFlight_.begin(), inFlight_.end(), item,
                                      [](const InFlight &a, const InFlight &b) {
                                          return a.due.deadlineNSecs() < b.due.deadlineNSecs();
                                      });
        inFlight_.insert(place, item);
    }
    if (!inFlight_.isEmpty())
        delivery_->start(int(inFlight_.first().due.remainingTime()));
    return true;
}

void MemoryPort::deliverDue() {
    if (inFlight_.isEmpty())
        return;
    if (!inFlight_.first().due.hasExpired()) {
        delivery_->start(int(inFlight_.first().due.remainingTime()));
        return;
    }
    // One reply per timeout, the timer set again first: the receiver may wait
    // in an event loop of its own, where the next reply must still arrive.
    const InFlight item = inFlight_.takeFirst();
    if (!inFlight_.isEmpty())
        delivery_->start(int(inFlight_.first().due.remainingTime()));
    arrive(item.bytes, item.session);
}

int MemoryPort::takeByte() {
    if (taken_ >= received_.size())
        return -1;
    const int byte = quint8(received_.at(taken_++));
    if (taken_ == received_.size()) {
        received_.clear();
        taken_ = 0;
    }
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
