#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>

#include <array>

#include "link/protocol.h"
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
    static constexpr int FrameSize = Protocol::FrameSize;
    static constexpr int ReplySize = Protocol::ReplySize;
    static constexpr int ReplyBufferSize = 1201;

    enum class State {
        Idle,             // no exchange; bytes that come are taken as a reply
        Receiving,        // bytes nobody asked for are in; the rest is awaited
        WaitingForReply,  // a frame went out, nothing of its reply is in yet
        ReceivingReply,   // part of the reply is in, the rest is awaited
        Settled,          // the exchange is decided; its caller has yet to take it
    };

    // Who holds the link beyond a single exchange.
    enum class Use {
        Operation,  // a chip operation, from its first frame to its last box
        Search,     // the port search, which closes and opens the port
        Check,      // the periodic check, with its own message box
    };
    class Hold;

    ProgrammerLink(SerialPort *port, const Timings &timings, QObject *parent = nullptr);

    SerialPort &port() { return *port_; }

    // Fills all twelve bytes: the code, the given parameters, zeros after them.
    void setCommand(quint8 code, std::initializer_list<quint8> parameters = {});
    void setCommand(quint8 code, QByteArrayView parameters);
    // A block read (no data) or a block write of the block at `address`.
    void setBlockCommand(quint8 code, quint16 address, QByteArrayView data = {});

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
    // The one question before `use` takes the link: no exchange under way,
    // not leaving, neither a search nor an operation holding it, and for a
    // check no other check either.
    bool mayStart(Use use) const;
    bool inUse(Use use) const { return holds_[size_t(use)] > 0; }

    // The exit was confirmed: every wait ends at its next check.
    void requestQuit();
    void withdrawQuit();

    // Closes the port if it is open.
    void closePort();

    QTimer *replyTimer() const { return replyTimer_; }
    QTimer *receiveTimer() const { return receiveTimer_; }

    QByteArray CommandFrame;
    QByteArray ReplyFrame;

    bool ReplyArrived = false;
    bool ReplyValid = false;
    bool ReplyTimedOut = false;
    bool ReceiveTimedOut = false;
    bool QuitRequested = false;

signals:
    // The port reported a communication error.
    void lineError();
    // The state or a flag changed; wakes the wait.
    void changed();
    // A command frame has gone out and its reply is awaited: a moment when
    // other work costs the exchange nothing, the bytes being on the line.
    void frameSent();

private:
    void onPortNotification(int code);
    // Bytes are waiting: take a whole reply, or start or go on waiting for one.
    void takeBytes();
    // No more of a reply is awaited: its time-out stops, and the port tells
    // of the next byte again.
    void stopReceiving();
    // The rest of a started reply did not come (time-out or closed port).
    void receiveFailed();
    void setState(State state);

    SerialPort *const port_;
    QTimer *const replyTimer_;
    QTimer *const receiveTimer_;
    QEventLoop *const exchangeLoop_;  // made once: an exchange runs thousands of times
    bool exchangeWaiting_ = false;
    State state_ = State::Idle;
    std::array<int, 3> holds_{};
};

// Holds the link for a use for as long as it lives; holds nest.
class ProgrammerLink::Hold {
public:
    Hold(ProgrammerLink &link, Use use) : link_(link), use_(use) { ++link_.holds_[size_t(use_)]; }
    ~Hold() { --link_.holds_[size_t(use_)]; }
    Hold(const Hold &) = delete;
    Hold &operator=(const Hold &) = delete;

private:
    ProgrammerLink &link_;
    Use use_;
};
