#include "link/programmer_link.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>

namespace {

constexpr int WokenUp = 1;

// Counts the nesting of a wait for as long as it lives.
class DepthGuard {
public:
    explicit DepthGuard(int &depth) : depth_(depth) { ++depth_; }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard &) = delete;
    DepthGuard &operator=(const DepthGuard &) = delete;

private:
    int &depth_;
};

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
      receiveLater_(makeTimer(this, "receiveLater", 0)),
      exchangeLoop_(new QEventLoop(this)),
      receiveLoop_(new QEventLoop(this)) {
    // exit() wakes the event dispatcher through the kernel even for a loop
    // that is not running: only wake a loop that waits. (isRunning() cannot
    // tell: it says true for a loop that has never run.)
    connect(this, &ProgrammerLink::changed, exchangeLoop_, [this] {
        if (exchangeWaiting_)
            exchangeLoop_->exit(WokenUp);
    });
    const auto wakeReceive = [this] {
        if (receiveWaiting_)
            receiveLoop_->exit(WokenUp);
    };
    connect(this, &ProgrammerLink::changed, receiveLoop_, wakeReceive);
    connect(MSComm1, &SerialPort::activity, receiveLoop_, wakeReceive);
    receiveLater_->setSingleShot(true);
    connect(receiveLater_, &QTimer::timeout, this, [this] {
        // The bytes may have been flushed, or the port closed, meanwhile.
        if (MSComm1->receiveThreshold() > 0 && MSComm1->isOpen() && MSComm1->bytesWaiting() > 0)
            receive();
    });
    MSComm1->setObjectName(QStringLiteral("MSComm1"));
    if (!MSComm1->parent())
        MSComm1->setParent(this);
    connect(MSComm1, &SerialPort::notification, this, &ProgrammerLink::MSComm1_OnComm);
    connect(Timer1, &QTimer::timeout, this, [this] {
        ReplyTimedOut = true;
        emit changed();
    });
    connect(Timer4, &QTimer::timeout, this, [this] {
        ReceiveTimedOut = true;
        emit changed();
    });
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

void ProgrammerLink::waitUntil(QEventLoop &loop, bool &waiting, const std::function<bool()> &done) {
    // Neither wait nests in itself (the guards in sendandread and the receive
    // threshold see to it); should one ever do so, it gets a loop of its own
    // rather than a refused exec().
    if (waiting) {
        QEventLoop own;
        connect(this, &ProgrammerLink::changed, &own, [&own] { own.exit(WokenUp); });
        connect(MSComm1, &SerialPort::activity, &own, [&own] { own.exit(WokenUp); });
        while (!done())
            if (own.exec() != WokenUp)
                QuitRequested = true;
        return;
    }
    waiting = true;
    while (!done()) {
        // Once the application leaves its event loop every exec() returns at
        // once; treat that as the exit so the wait cannot spin.
        if (loop.exec() != WokenUp)
            QuitRequested = true;
    }
    waiting = false;
}

bool ProgrammerLink::sendandread() {
    // One exchange at a time: a nested one would flush the reply of the outer.
    if (busy() || QuitRequested)
        return false;
    DepthGuard guard(exchangeDepth_);

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

    emit frameSent();
    // Bytes alone change nothing here: the receive handler tells when a reply
    // is complete.
    waitUntil(*exchangeLoop_, exchangeWaiting_,
              [this] { return (ReplyValid && ReplyArrived) || ReplyTimedOut || QuitRequested; });

    if (QuitRequested) {
        closePort();
        return false;
    }
    Timer1->stop();
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
    // Usually the whole reply is there at once and nothing needs waiting for.
    // Otherwise wait from the event loop: the port may be inside its own read
    // handling now, where it would not tell of the rest.
    if (MSComm1->bytesWaiting() < ReplySize) {
        receiveLater_->start();
        return;
    }
    receiveLater_->stop();
    receive();
}

void ProgrammerLink::receive() {
    ReplyValid = false;
    ReceiveTimedOut = false;
    ReplyArrived = true;
    MSComm1->setReceiveThreshold(0);
    const auto rest = [this] {
        // A closed port brings no more bytes: no point waiting the full time.
        return QuitRequested || MSComm1->bytesWaiting() >= ReplySize || ReceiveTimedOut ||
               !MSComm1->isOpen();
    };
    // The receive time-out runs only while there is something to wait for;
    // mostly the reply is whole already.
    if (!rest()) {
        Timer4->start();
        DepthGuard guard(receiveDepth_);
        waitUntil(*receiveLoop_, receiveWaiting_, rest);
    }
    Timer4->stop();
    if (QuitRequested) {
        closePort();
        emit changed();
        return;
    }
    if (MSComm1->bytesWaiting() >= ReplySize) {
        for (int i = 0; i < ReplySize; ++i)
            ReplyFrame[i] = static_cast<char>(MSComm1->takeByte());
        ReplyValid = true;
    }
    MSComm1->setReceiveThreshold(1);
    emit changed();
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
