#include "support/emulator_process.h"

#include <sys/resource.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>

EmulatorProcess::EmulatorProcess() {
    // Its complaints belong in the test log.
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

EmulatorProcess::~EmulatorProcess() {
    if (isRunning() && !terminate(2000))
        kill();
    removeStaleLink();
}

bool EmulatorProcess::start(const QStringList &arguments, int timeoutMs) {
    const int linkAt = int(arguments.indexOf("--link"));
    link_ = linkAt >= 0 && linkAt + 1 < arguments.size() ? arguments[linkAt + 1] : QString();
    process_.start(BOX_EMULATOR_PATH, arguments);
    if (!process_.waitForStarted(timeoutMs)) {
        error_ = process_.errorString();
        return false;
    }
    const QDeadlineTimer deadline(timeoutMs);
    while (!process_.canReadLine()) {
        if (deadline.hasExpired() || !process_.waitForReadyRead(int(deadline.remainingTime()))) {
            error_ = isRunning() ? "no device path within the time limit"
                                 : QString("exited with code %1").arg(process_.exitCode());
            kill();
            return false;
        }
    }
    devicePath_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    return true;
}

bool EmulatorProcess::terminate(int timeoutMs) {
    if (!isRunning())
        return false;
    process_.terminate();
    if (!process_.waitForFinished(timeoutMs))
        return false;
    return process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
}

void EmulatorProcess::kill() {
    if (!isRunning())
        return;
    process_.kill();
    process_.waitForFinished(5000);
    removeStaleLink();
}

double EmulatorProcess::ownCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double EmulatorProcess::cpuSeconds() const {
    QFile stat(QString("/proc/%1/stat").arg(pid()));
    if (pid() <= 0 || !stat.open(QIODevice::ReadOnly))
        return -1;
    // The command name may hold blanks; the fields after it are plain.
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    const double ticks = fields[11].toDouble() + fields[12].toDouble();  // utime, stime
    return ticks / double(sysconf(_SC_CLK_TCK));
}

void EmulatorProcess::removeStaleLink() {
    // A killed emulator cannot remove its own link.
    if (!isRunning() && !link_.isEmpty() && QFile::symLinkTarget(link_) == devicePath_ &&
        !devicePath_.isEmpty())
        unlink(QFile::encodeName(link_).constData());
}
