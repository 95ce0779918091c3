#include "link/programmer_link.h"

#include <QEventLoop>
#include <QTimer>

namespace {

constexpr int WokenUp = 1;

QTimer *makeTimer(QObject *parent, int interval) {
    auto *timer = new QTimer(parent);
    timer->setInterval(interval);
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}

}  // namespace

ProgrammerLink::ProgrammerLink(SerialPort *port, const Timings &timings, QObject *parent)
    : QObject(parent),
      CommandFrame(FrameSize, '\0'),
      ReplyFrame(ReplyBufferSize, '\0'),
      port_(port),
      replyTimer_(makeTimer(this, timings.replyTimeout)),
      receiveTimer_(makeTimer(this, timings.receiveTimeout)),
      exchangeLoop_(new QEventLoop(this)) {
    // exit() wakes the event dispatcher through the kernel even for a loop
    // that is not running: only wake the loop while it waits.
    connect(this, &ProgrammerLink::changed, exchangeLoop_, [this] {
        if (exchangeWaiting_)
            exchangeLoop_->exit(WokenUp);
    });
    if (!port_->parent())
        port_->setParent(this);
    connect(port_, &SerialPort::notification, this, &ProgrammerLink::onPortNotification);
    // While a reply is incomplete the receive threshold is 0: the port then
    // tells of further bytes, and of its closing, only through activity().
    connect(port_, &SerialPort::activity, this, [this] {
        if (state_ != State::Receiving && state_ != State::ReceivingReply)
            return;
        if (port_->isOpen())
            takeBytes();
        else
            receiveFailed();
    });
    connect(replyTimer_, &QTimer::timeout, this, [this] {
        replyTimer_->stop();
        // A reply that is whole came in time, however long a window opened
        // above the wait keeps its caller from taking it.
        if (state_ == State::Settled)
            return;
        ReplyTimedOut = true;
        // A reply already under way is still waited for.
        setState(state_ == State::WaitingForReply ? State::Settled : state_);
    });
    connect(receiveTimer_, &QTimer::timeout, this, [this] {
        ReceiveTimedOut = true;
        if (state_ == State::Receiving || state_ == State::ReceivingReply)
            receiveFailed();
        else
            emit changed();
    });
}

bool ProgrammerLink::busy() const {
    return state_ == State::WaitingForReply || state_ == State::ReceivingReply ||
           state_ == State::Settled;
}

void ProgrammerLink::setState(State state) {
    state_ = state;
    emit changed();
}

bool ProgrammerLink::mayStart(Use use) const {
    return mayExchange() && !inUse(Use::Operation) && !inUse(Use::Search) &&
           (use != Use::Check || !inUse(Use::Check));
}

void ProgrammerLink::setCommand(quint8 code, std::initializer_list<quint8> parameters) {
    Protocol::fillFrame(CommandFrame.data(), code,
                        QByteArrayView(reinterpret_cast<const char *>(parameters.begin()),
                                       qsizetype(parameters.size())));
}

void ProgrammerLink::setCommand(quint8 code, QByteArrayView parameters) {
    Protocol::fillFrame(CommandFrame.data(), code, parameters);
}

void ProgrammerLink::setBlockCommand(quint8 code, quint16 address, QByteArrayView data) {
    // In place: this runs before every block of an operation.
    Protocol::fillBlockFrame(CommandFrame.data(), code, address, data);
}

bool ProgrammerLink::sendandread() {
    // One exchange at a time: a nested one would flush the reply of the outer.
    if (!mayExchange())
        return false;
    if (state_ == State::Receiving) {
        // Bytes nobody asked for: the flush below drops them.
        stopReceiving();
        state_ = State::Idle;
    }

    replyTimer_->start();
    if (!port_->isOpen() || !port_->clearBuffers()) {
        replyTimer_->stop();
        return false;
    }
    ReplyTimedOut = false;
    ReplyArrived = false;
    if (!port_->write(CommandFrame)) {
        replyTimer_->stop();
        return false;
    }
    state_ = State::WaitingForReply;
    emit frameSent();

    exchangeWaiting_ = true;
    while (state_ != State::Settled && !QuitRequested) {
        // Once the application leaves its event loop every exec() returns at
        // once; treat that as the exit so the wait cannot spin.
        if (exchangeLoop_->exec() != WokenUp)
            QuitRequested = true;
    }
    exchangeWaiting_ = false;

    replyTimer_->stop();
    if (QuitRequested) {
        closePort();
        stopReceiving();
        state_ = State::Idle;
        return false;
    }
    state_ = State::Idle;
    return !ReplyTimedOut;
}

void ProgrammerLink::onPortNotification(int code) {
    if (code > 10) {
        emit lineError();
        return;
    }
    if (code != SerialPort::ReceivedBytes) {
        ReplyValid = false;
        return;
    }
    if (port_->isOpen())
        takeBytes();
}

void ProgrammerLink::takeBytes() {
    // The exchange is decided; whatever follows is dropped by the next flush.
    if (state_ == State::Settled)
        return;
    if (port_->bytesWaiting() >= ReplySize) {
        for (int i = 0; i < ReplySize; ++i)
            ReplyFrame[i] = static_cast<char>(port_->takeByte());
        ReplyArrived = true;
        ReplyValid = true;
        stopReceiving();
        const bool asked = state_ == State::WaitingForReply || state_ == State::ReceivingReply;
        setState(asked ? State::Settled : State::Idle);
        return;
    }
    if (state_ == State::Idle || state_ == State::WaitingForReply) {
        // The first bytes of a reply: the rest has the receive time-out to come.
        ReplyArrived = true;
        ReplyValid = false;
        ReceiveTimedOut = false;
        port_->setReceiveThreshold(0);
        receiveTimer_->start();
        setState(state_ == State::Idle ? State::Receiving : State::ReceivingReply);
    }
}

void ProgrammerLink::stopReceiving() {
    receiveTimer_->stop();
    port_->setReceiveThreshold(1);
}

void ProgrammerLink::receiveFailed() {
    stopReceiving();
    if (state_ == State::ReceivingReply)
        setState(ReplyTimedOut ? State::Settled : State::WaitingForReply);
    else
        setState(State::Idle);
}

void ProgrammerLink::requestQuit() {
    QuitRequested = true;
    emit changed();
}

void ProgrammerLink::withdrawQuit() {
    QuitRequested = false;
}

void ProgrammerLink::closePort() {
    if (port_->isOpen())
        port_->close();
}
