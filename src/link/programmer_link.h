#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>
#include <functional>

#include "link/serial_port.h"
#include "link/timings.h"

class QEventLoop;
class QTimer;

// One exchange with the programmer box: a 12-byte command frame out, a
// 10-byte reply back, within the reply time-out. Waits run a local event loop
// woken by the port, the timers and the exit, so the window stays alive and
// nothing spins.
class ProgrammerLink : public QObject {
    Q_OBJECT

public:
    static constexpr int FrameSize = 12;
    static constexpr int ReplySize = 10;
    static constexpr int ReplyBufferSize = 1201;

    ProgrammerLink(SerialPort *port, const Timings &timings, QObject *parent = nullptr);

    SerialPort &port() { return *MSComm1; }

    // Fills all twelve bytes: the code, the given parameters, zeros after them.
    void setCommand(quint8 code, std::initializer_list<quint8> parameters = {});
    void setCommand(quint8 code, QByteArrayView parameters);

    // Sends CommandFrame and waits for the reply. True when a complete reply
    // arrived before the reply time-out; it is then in ReplyFrame[0..9].
    // Refuses (False, nothing sent) while another exchange is waiting.
    bool sendandread();

    quint8 replyCode() const { return static_cast<quint8>(ReplyFrame.at(0)); }

    // An exchange or a receive wait is in progress.
    bool busy() const { return exchangeDepth_ > 0 || receiveDepth_ > 0; }

    // The exit was confirmed: every wait ends at its next check.
    void requestQuit();
    void withdrawQuit();

    // Closes the port if it is open.
    void closePort();

    SerialPort *const MSComm1;
    QByteArray CommandFrame;
    QByteArray ReplyFrame;

    bool ReplyArrived = false;
    bool ReplyValid = false;
    bool ReplyTimedOut = false;
    bool ReceiveTimedOut = false;
    bool QuitRequested = false;

    QTimer *const Timer1;  // reply time-out
    QTimer *const Timer4;  // receive time-out

signals:
    // The port reported a communication error.
    void lineError();
    // A flag changed; wakes the waits.
    void changed();
    // A command frame has gone out and its reply is awaited: a moment when
    // other work costs the exchange nothing, the bytes being on the line.
    void frameSent();

private:
    void MSComm1_OnComm(int code);
    void receive();
    // Runs `loop` until `done` holds. The exchange's loop wakes when a flag
    // changes, the receive loop also when bytes arrive.
    void waitUntil(QEventLoop &loop, bool &waiting, const std::function<bool()> &done);

    // Brings a reply that is not yet whole back from the event loop, where
    // waiting for its rest is safe.
    QTimer *const receiveLater_;
    // Made once: an exchange runs thousands of times in a row.
    QEventLoop *const exchangeLoop_;
    QEventLoop *const receiveLoop_;
    bool exchangeWaiting_ = false;
    bool receiveWaiting_ = false;
    int exchangeDepth_ = 0;
    int receiveDepth_ = 0;
};
