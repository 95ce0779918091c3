#include "link/programmer_link.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>

namespace {

constexpr int WokenUp = 1;

QTimer *makeTimer(QObject *parent, const char *name, int interval) {
    auto *timer = new QTimer(parent);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(interval);
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}

}  // namespace

ProgrammerLink::ProgrammerLink(SerialPort *port, const Timings &timings, QObject *parent)
    : QObject(parent),
      MSComm1(port),
      CommandFrame(FrameSize, '\0'),
      ReplyFrame(ReplyBufferSize, '\0'),
      Timer1(makeTimer(this, "Timer1", timings.replyTimeout)),
      Timer4(makeTimer(this, "Timer4", timings.receiveTimeout)),
      exchangeLoop_(new QEventLoop(this)) {
    // exit() wakes the event dispatcher through the kernel even for a loop
    // that is not running: only wake the loop while it waits.
    connect(this, &ProgrammerLink::changed, exchangeLoop_, [this] {
        if (exchangeWaiting_)
            exchangeLoop_->exit(WokenUp);
    });
    MSComm1->setObjectName(QStringLiteral("MSComm1"));
    if (!MSComm1->parent())
        MSComm1->setParent(this);
    connect(MSComm1, &SerialPort::notification, this, &ProgrammerLink::MSComm1_OnComm);
    // While a reply is incomplete the receive threshold is 0: the port then
    // tells of further bytes, and of its closing, only through activity().
    connect(MSComm1, &SerialPort::activity, this, [this] {
        if (state_ != State::Receiving && state_ != State::ReceivingReply)
            return;
        if (MSComm1->isOpen())
            takeBytes();
        else
            receiveFailed();
    });
    connect(Timer1, &QTimer::timeout, this, [this] {
        Timer1->stop();
        ReplyTimedOut = true;
        // A reply already under way is still waited for.
        setState(state_ == State::WaitingForReply ? State::Settled : state_);
    });
    connect(Timer4, &QTimer::timeout, this, [this] {
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

void ProgrammerLink::setCommand(quint8 code, std::initializer_list<quint8> parameters) {
    CommandFrame.fill('\0', FrameSize);
    CommandFrame[0] = static_cast<char>(code);
    int position = 1;
    for (quint8 value : parameters) {
        if (position >= FrameSize)
            break;
        CommandFrame[position++] = static_cast<char>(value);
    }
}

void ProgrammerLink::setCommand(quint8 code, QByteArrayView parameters) {
    // In place: this runs before every block of an operation.
    CommandFrame.fill('\0', FrameSize);
    char *frame = CommandFrame.data();
    frame[0] = static_cast<char>(code);
    std::copy_n(parameters.data(), qMin<qsizetype>(parameters.size(), FrameSize - 1), frame + 1);
}

bool ProgrammerLink::sendandread() {
    // One exchange at a time: a nested one would flush the reply of the outer.
    if (!mayExchange())
        return false;
    if (state_ == State::Receiving) {
        // Bytes nobody asked for: the flush below drops them.
        Timer4->stop();
        MSComm1->setReceiveThreshold(1);
        state_ = State::Idle;
    }

    Timer1->start();
    if (!MSComm1->isOpen() || !MSComm1->clearBuffers()) {
        Timer1->stop();
        return false;
    }
    ReplyTimedOut = false;
    ReplyArrived = false;
    if (!MSComm1->write(CommandFrame)) {
        Timer1->stop();
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

    Timer1->stop();
    if (QuitRequested) {
        closePort();
        Timer4->stop();
        MSComm1->setReceiveThreshold(1);
        state_ = State::Idle;
        return false;
    }
    state_ = State::Idle;
    return !ReplyTimedOut;
}

void ProgrammerLink::MSComm1_OnComm(int code) {
    if (code > 10) {
        emit lineError();
        return;
    }
    if (code != SerialPort::ReceivedBytes) {
        ReplyValid = false;
        return;
    }
    if (MSComm1->isOpen())
        takeBytes();
}

void ProgrammerLink::takeBytes() {
    // The exchange is decided; whatever follows is dropped by the next flush.
    if (state_ == State::Settled)
        return;
    if (MSComm1->bytesWaiting() >= ReplySize) {
        for (int i = 0; i < ReplySize; ++i)
            ReplyFrame[i] = static_cast<char>(MSComm1->takeByte());
        ReplyArrived = true;
        ReplyValid = true;
        Timer4->stop();
        MSComm1->setReceiveThreshold(1);
        const bool asked = state_ == State::WaitingForReply || state_ == State::ReceivingReply;
        setState(asked ? State::Settled : State::Idle);
        return;
    }
    if (state_ == State::Idle || state_ == State::WaitingForReply) {
        // The first bytes of a reply: the rest has the receive time-out to come.
        ReplyArrived = true;
        ReplyValid = false;
        ReceiveTimedOut = false;
        MSComm1->setReceiveThreshold(0);
        Timer4->start();
        setState(state_ == State::Idle ? State::Receiving : State::ReceivingReply);
    }
}

void ProgrammerLink::receiveFailed() {
    Timer4->stop();
    MSComm1->setReceiveThreshold(1);
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
    if (MSComm1->isOpen())
        MSComm1->close();
}
