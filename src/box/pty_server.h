#pragma once

#include <signal.h>

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

class BoxCore;

// Serves a BoxCore on a pseudo-terminal: frames come in on the master side,
// replies go out when the box says they are due.
class PtyServer {
public:
    explicit PtyServer(BoxCore &box);
    ~PtyServer();
    PtyServer(const PtyServer &) = delete;
    PtyServer &operator=(const PtyServer &) = delete;

    // Creates the pseudo-terminal, its slave in raw mode.
    bool open(QString &error);
    QString devicePath() const { return devicePath_; }
    // Replies due at a set time leave within microseconds of it, and frames
    // are seen as they come, instead of a timer's wake-up late (on a virtual
    // machine 50-200 us, several per cent of an exchange at 57600 baud). Costs
    // a little spinning before each reply and after it.
    void setPreciseTiming(bool on) { precise_ = on; }
    // Appends every received frame to `path` as a hex line.
    bool openFrameLog(const QString &path, QString &error);

    // Serves until `stopRequested` says so or a Pull fault strikes. `waitMask` is the signal mask
    // while waiting: signals blocked outside the wait interrupt it without a
    // race. False on an unexpected error of the pseudo-terminal.
    bool run(const std::function<bool()> &stopRequested, const sigset_t *waitMask);

    static QByteArray hexLine(const QByteArray &frame);

private:
    struct Pending {
        qint64 dueNanos;
        QByteArray bytes;
    };

    void readFrames(qint64 now);
    // SIGKILL to every other process that holds the device open.
    void killHolders();
    void flushOutput();

    BoxCore &box_;
    int master_ = -1;
    int slave_ = -1;  // held open so the master never sees a hang-up
    int log_ = -1;
    QString devicePath_;
    std::vector<Pending> pending_;  // by due time
    QByteArray output_;             // due, not yet taken by the pseudo-terminal
    qint64 quietUntil_ = 0;         // after a hang-up, leave the master alone a while
    bool precise_ = false;
    qint64 watchUntil_ = 0;  // spin for the next frame until then
};
