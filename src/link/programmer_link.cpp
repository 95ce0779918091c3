#include "link/programmer_link.h"

#include <QEventLoop>
#include <QTimer>

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
      Timer4(makeTimer(this, "Timer4", timings.receiveTimeout)) {
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

void ProgrammerLink::setCommand(quint8 code, const QByteArray &parameters) {
    CommandFrame.fill('\0', FrameSize);
    CommandFrame[0] = static_cast<char>(code);
    CommandFrame.replace(1, qMin<int>(parameters.size(), FrameSize - 1),
                         parameters.left(FrameSize - 1));
    CommandFrame.truncate(FrameSize);
}

void ProgrammerLink::waitUntil(const std::function<bool()> &done, bool onBytes) {
    QEventLoop loop;
    const auto wake = [&loop] { loop.exit(WokenUp); };
    connect(this, &ProgrammerLink::changed, &loop, wake);
    if (onBytes)
        connect(MSComm1, &SerialPort::activity, &loop, wake);
    while (!done()) {
        // Once the application leaves its event loop every exec() returns at
        // once; treat that as the exit so the wait cannot spin.
        if (loop.exec() != WokenUp)
            QuitRequested = true;
    }
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

    // Bytes alone change nothing here: the receive handler tells when a reply
    // is complete.
    waitUntil([this] { return (ReplyValid && ReplyArrived) || ReplyTimedOut || QuitRequested; },
              false);

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
    ReplyValid = false;
    if (code != SerialPort::ReceivedBytes)
        return;

    ReceiveTimedOut = false;
    Timer4->start();
    ReplyArrived = true;
    MSComm1->setReceiveThreshold(0);
    {
        DepthGuard guard(receiveDepth_);
        // A closed port brings no more bytes: no point waiting the full time.
        waitUntil(
            [this] {
                return QuitRequested || MSComm1->bytesWaiting() >= ReplySize || ReceiveTimedOut ||
                       !MSComm1->isOpen();
            },
            true);
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
