#pragma once

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>
#include <array>
#include <utility>

#include "chips/chip_catalogue.h"
#include "link/protocol.h"

// A fault the box shows on demand. A fault applies to every frame that gets a
// reply and matches its command and block; all matching faults apply, in the
// order they were added.
struct BoxFault {
    enum class Kind {
        NoReply,     // the reply is lost
        WrongCode,   // the box refuses: byte 0 is `value` (EEH if 0), nothing is done
        ShortReply,  // only the first 9 bytes are sent
        LongReply,   // the 10 bytes and 2 extra ones
        Delay,       // the reply comes `value` ms later
        Garbage,     // `value` random bytes (10 if 0) instead of the reply
        Pull,        // the cable pulled: no reply, and the transport goes away
        Kill,        // the PC crashes: no reply, and the transport kills the program
                     // at the other end (SIGKILL)
        NoWrite,     // a worn cell: the write is acknowledged, the chip keeps its bytes
    };
    Kind kind = Kind::NoReply;
    int command = -1;    // command code to match; -1 matches any
    int block = -1;      // block number (address / 8, or / 4 on 93-series) of F8H/D8H; -1 any
    int value = 0;       // see Kind
    int remaining = -1;  // how many more frames it applies to; -1 for ever
};

// The programmer box without any transport: bytes in, timed replies out.
class BoxCore {
public:
    static constexpr int FrameSize = Protocol::FrameSize;
    static constexpr int ReplySize = Protocol::ReplySize;

    struct Outgoing {
        QByteArray bytes;
        qint64 delayMicros = 0;  // from the moment the frame was complete
    };

    BoxCore();

    // The simulated chip of each model, all FFH at start.
    QByteArray &chip(int code);
    const QByteArray &chip(int code) const;
    int selectedModel() const { return model_; }

    // Takes bytes as they come off the line; each completed frame yields at
    // most one reply. Several frames completed by one call all count from the
    // same moment.
    QList<Outgoing> receive(const QByteArray &bytes);
    // Bytes of a frame not yet complete.
    int pendingBytes() const { return int(partial_.size()); }

    // Every frame received since the last clearLog(), answered or not.
    const QList<QByteArray> &frames() const { return frames_; }
    void clearLog() { frames_.clear(); }
    // Frames received since construction; clearLog() leaves it alone.
    qint64 frameCount() const { return frameCount_; }

    void addFault(const BoxFault &fault) { faults_.append(fault); }
    void clearFaults() { faults_.clear(); }
    const QList<BoxFault> &faults() const { return faults_; }

    // The cable pulled: the next `exchanges` frames are handled, later ones
    // are still logged but have no effect and get no reply. -1 answers again.
    void stopAnsweringAfter(int exchanges);
    // A Pull fault struck: the transport should vanish now.
    bool pulled() const { return pulled_; }
    // A Kill fault struck since the last call.
    bool takeKill() { return std::exchange(kill_, false); }

    // 10 bit-times per byte for the frame and the reply, plus the write cycle
    // of a block write. Off, replies leave at once (plus any Delay fault).
    void setWireTiming(bool on, int baud = 57600, int writeCycleMicros = 5000);
    bool wireTiming() const { return wireTiming_; }
    static qint64 transferMicros(int bytes, int baud);

    // A fill that is easy to recognise in a hex view: each 16-byte row holds
    // its own offset (big-endian) and the model name.
    static QByteArray demoPattern(int code);

private:
    bool handle(const QByteArray &frame, Outgoing &out);
    QByteArray answer(const QByteArray &frame, bool perform);
    int blockOf(const QByteArray &frame) const;
    qint64 byteOffset(const QByteArray &frame) const;

    std::array<QByteArray, ChipCatalogue::ModelCount> chips_;
    int model_ = 0;
    QByteArray partial_;
    QList<QByteArray> frames_;
    qint64 frameCount_ = 0;
    qint64 answerLimit_ = -1;
    bool pulled_ = false;
    bool kill_ = false;
    QList<BoxFault> faults_;
    bool wireTiming_ = false;
    int baud_ = 57600;
    int writeCycleMicros_ = 5000;
    QRandomGenerator random_{0x5EED};  // reproducible garbage
};
