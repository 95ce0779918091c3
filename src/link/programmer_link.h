#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>

#include "link/serial_port.h"
#include "link/timings.h"

class QEventLoop;
class QTimer;

// One exchange with the programmer box: a 12-byte command frame out, a
// 10-byte reply back, within the reply time-out. The link is in one explicit
// state; bytes accumulate in the port and a reply is taken only when whole.
// The wait for a reply runs a local event loop woken by the port, the timers
// and the exit, so the window stays alive and nothing spins; nothing else
// ever waits inside the link.
class ProgrammerLink : public QObject {
    Q_OBJECT

public:
    static constexpr int FrameSize = 12;
    static constexpr int ReplySize = 10;
    static constexpr int ReplyBufferSize = 1201;

    enum class State {
        Idle,             // no exchange; bytes that come are taken as a reply
        Receiving,        // bytes nobody asked for are in; the rest is awaited
        WaitingForReply,  // a frame went out, nothing of its reply is in yet
        ReceivingReply,   // part of the reply is in, the rest is awaited
        Settled,          // the exchange is decided; its caller has yet to take it
    };

    ProgrammerLink(SerialPort *port, const Timings &timings, QObject *parent = nullptr);

    SerialPort &port() { return *MSComm1; }

    // Fills all twelve bytes: the code, the given parameters, zeros after them.
    void setCommand(quint8 code, std::initializer_list<quint8> parameters = {});
    void setCommand(quint8 code, QByteArrayView parameters);

    // Sends CommandFrame and waits for the reply. True when a complete reply
    // arrived before the reply time-out; it is then in ReplyFrame[0..9].
    // Refuses (False, nothing sent) unless mayExchange().
    bool sendandread();

    quint8 replyCode() const { return static_cast<quint8>(ReplyFrame.at(0)); }

    State state() const { return state_; }
    // An exchange is under way, from its frame until its caller has the
    // result. Bytes nobody asked for do not count: the next exchange drops them.
    bool busy() const;
    // The one question before any exchange: nothing under way, not leaving.
    bool mayExchange() const { return !busy() && !QuitRequested; }

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
    // The state or a flag changed; wakes the wait.
    void changed();
    // A command frame has gone out and its reply is awaited: a moment when
    // other work costs the exchange nothing, the bytes being on the line.
    void frameSent();

private:
    void MSComm1_OnComm(int code);
    // Bytes are waiting: take a whole reply, or start or go on waiting for one.
    void takeBytes();
    // The rest of a started reply did not come (time-out or closed port).
    void receiveFailed();
    void setState(State state);

    QEventLoop *const exchangeLoop_;  // made once: an exchange runs thousands of times
    bool exchangeWaiting_ = false;
    State state_ = State::Idle;
};
