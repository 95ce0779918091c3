#include "box/pty_server.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <string.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <algorithm>

#include "box/box_core.h"

namespace {

constexpr qint64 NanosPerSecond = 1000000000;
constexpr qint64 HangupPauseNanos = 20000000;
// Longer than a timer wakes late on a busy virtual machine.
constexpr qint64 SpinNanos = 500000;

qint64 monotonicNanos() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * NanosPerSecond + now.tv_nsec;
}

QString systemError(const char *what) {
    return QString("%1: %2").arg(what, strerror(errno));
}

}  // namespace

PtyServer::PtyServer(BoxCore &box) : box_(box) {}

PtyServer::~PtyServer() {
    for (int fd : {master_, slave_, log_}) {
        if (fd >= 0)
            ::close(fd);
    }
}

bool PtyServer::open(QString &error) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        error = systemError("pseudo-terminal");
        return false;
    }
    char name[128];
    if (ptsname_r(master_, name, sizeof name) != 0) {
        error = systemError("ptsname");
        return false;
    }
    devicePath_ = QString::fromLocal8Bit(name);
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0) {
        error = systemError(name);
        return false;
    }
    // Raw before any client opens it: no echo, no CR/LF mangling of frames.
    termios settings;
    if (tcgetattr(slave_, &settings) != 0) {
        error = systemError("tcgetattr");
        return false;
    }
    cfmakeraw(&settings);
    cfsetspeed(&settings, B57600);
    if (tcsetattr(slave_, TCSANOW, &settings) != 0) {
        error = systemError("tcsetattr");
        return false;
    }
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    return true;
}

bool PtyServer::openFrameLog(const QString &path, QString &error) {
    log_ = ::open(path.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (log_ < 0) {
        error = systemError(path.toLocal8Bit().constData());
        return false;
    }
    return true;
}

QByteArray PtyServer::hexLine(const QByteArray &frame) {
    return frame.toHex(' ').toUpper() + '\n';
}

bool PtyServer::run(const std::function<bool()> &stopRequested, const sigset_t *waitMask) {
    while (!stopRequested() && !box_.pulled()) {
        qint64 now = monotonicNanos();
        auto due = pending_.begin();
        while (due != pending_.end() && due->dueNanos <= now) {
            output_.append(due->bytes);
            ++due;
        }
        if (precise_ && due != pending_.begin())
            watchUntil_ = now + SpinNanos;  // the next frame follows soon
        pending_.erase(pending_.begin(), due);
        flushOutput();

        qint64 waitNanos = pending_.empty() ? -1 : pending_.front().dueNanos - now;
        if (precise_) {
            // Sleep until shortly before the next event, then poll without
            // sleeping until it is there.
            if (waitNanos > SpinNanos)
                waitNanos -= SpinNanos;
            else if (waitNanos >= 0)
                waitNanos = 0;
            if (watchUntil_ > now)
                waitNanos = 0;
        }
        pollfd watch{master_, short(POLLIN | (output_.isEmpty() ? 0 : POLLOUT)), 0};
        if (quietUntil_ > now) {
            watch.fd = -1;
            waitNanos = waitNanos < 0 ? quietUntil_ - now : qMin(waitNanos, quietUntil_ - now);
        }
        timespec timeout{time_t(waitNanos / NanosPerSecond), long(waitNanos % NanosPerSecond)};
        const int ready = ppoll(&watch, 1, waitNanos < 0 ? nullptr : &timeout, waitMask);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (watch.revents & POLLIN)
            readFrames(monotonicNanos());
        else if (watch.revents & (POLLHUP | POLLERR))
            quietUntil_ = monotonicNanos() + HangupPauseNanos;
    }
    return true;
}

void PtyServer::readFrames(qint64 now) {
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(master_, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && errno != EAGAIN)
            quietUntil_ = now + HangupPauseNanos;
        if (count <= 0)
            break;
        const QList<BoxCore::Outgoing> replies = box_.receive(QByteArray(buffer, int(count)));
        if (box_.takeKill())
            killHolders();
        for (const BoxCore::Outgoing &reply : replies) {
            const Pending item{now + reply.delayMicros * 1000, reply.bytes};
            auto place = std::upper_bound(
                pending_.begin(), pending_.end(), item.dueNanos,
                [](qint64 due, const Pending &other) { return due < other.dueNanos; });
            pending_.insert(place, item);
        }
        if (log_ >= 0) {
            QByteArray lines;
            for (const QByteArray &frame : box_.frames())
                lines += hexLine(frame);
            if (!lines.isEmpty() && ::write(log_, lines.constData(), size_t(lines.size())) < 0)
                perror("box-emulator: frame log");
        }
        box_.clearLog();
    }
}

void PtyServer::killHolders() {
    // Whoever has /dev/pts/N open shows it among the links in /proc/PID/fd.
    const QByteArray device = QFile::encodeName(devicePath_);
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool numeric = false;
        const pid_t process = pid.toInt(&numeric);
        if (!numeric || process == getpid())
            continue;
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
        for (const QString &fd :
             fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            char target[256];
            const ssize_t length = readlink(QFile::encodeName(fds.filePath(fd)).constData(), target,
                                            sizeof target - 1);
            if (length > 0 && QByteArray(target, int(length)) == device) {
                ::kill(process, SIGKILL);
                break;
            }
        }
    }
}

void PtyServer::flushOutput() {
    while (!output_.isEmpty()) {
        const ssize_t count = ::write(master_, output_.constData(), size_t(output_.size()));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return;  // full: POLLOUT says when to go on
        output_.remove(0, qsizetype(count));
    }
}
