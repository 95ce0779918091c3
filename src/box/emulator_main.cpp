// box-emulator: the virtual programmer box on a pseudo-terminal, for the
// end-to-end tests, the benchmark and demonstrations without hardware.

#include <errno.h>
#include <signal.h>
#include <stdio.h>
#include <string.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSaveFile>

#include "box/box_core.h"
#include "box/emulator_options.h"
#include "box/pty_server.h"
#include "chips/chip_catalogue.h"

namespace {

volatile sig_atomic_t stopSignal = 0;

void onStopSignal(int) {
    stopSignal = 1;
}

void complain(const QString &message) {
    fprintf(stderr, "box-emulator: %s\n", message.toLocal8Bit().constData());
}

bool loadImage(BoxCore &box, const EmulatorOptions::Image &image) {
    QByteArray &chip = box.chip(image.model);
    chip.fill(char(0xFF));
    QFile file(image.file);
    if (!file.exists())
        return true;  // created on exit
    if (!file.open(QIODevice::ReadOnly)) {
        complain(QString("cannot read %1: %2").arg(image.file, file.errorString()));
        return false;
    }
    const QByteArray data = file.read(chip.size());
    chip.replace(0, data.size(), data);
    return true;
}

bool saveImage(const BoxCore &box, const EmulatorOptions::Image &image) {
    QSaveFile file(image.file);
    const QByteArray &chip = box.chip(image.model);
    if (!file.open(QIODevice::WriteOnly) || file.write(chip) != chip.size() || !file.commit()) {
        complain(QString("cannot write %1: %2").arg(image.file, file.errorString()));
        file.cancelWriting();
        return false;
    }
    return true;
}

// Replaces an existing symlink in one step; never a file that is not a link.
bool makeLink(const QString &target, const QString &link) {
    const QByteArray linkPath = link.toLocal8Bit();
    struct stat info;
    if (lstat(linkPath.constData(), &info) == 0 && !S_ISLNK(info.st_mode)) {
        complain(QString("%1 exists and is not a symlink").arg(link));
        return false;
    }
    const QByteArray temporary = linkPath + ".tmp" + QByteArray::number(getpid());
    unlink(temporary.constData());
    if (symlink(target.toLocal8Bit().constData(), temporary.constData()) != 0 ||
        rename(temporary.constData(), linkPath.constData()) != 0) {
        complain(QString("cannot link %1: %2").arg(link, strerror(errno)));
        unlink(temporary.constData());
        return false;
    }
    return true;
}

void removeLink(const QString &target, const QString &link) {
    // Someone may have pointed it elsewhere meanwhile; leave theirs alone.
    if (QFile::symLinkTarget(link) == target)
        unlink(link.toLocal8Bit().constData());
}

}  // namespace

int main(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    EmulatorOptions options;
    QString error;
    if (!parseEmulatorArguments(arguments, options, error)) {
        complain(error + " (see --help)");
        return 2;
    }
    if (options.help) {
        fputs(EmulatorUsage, stdout);
        return 0;
    }

    BoxCore box;
    if (options.pattern) {
        for (int code = 0; code < ChipCatalogue::ModelCount; ++code)
            box.chip(code) = BoxCore::demoPattern(code);
    }
    for (const EmulatorOptions::Image &image : options.images) {
        if (!loadImage(box, image))
            return 2;
    }
    box.setWireTiming(options.wire, 57600, options.writeCycleMs * 1000);
    for (const BoxFault &fault : options.faults)
        box.addFault(fault);
    box.stopAnsweringAfter(options.stopAfter);

    // The stop signals stay blocked except inside the wait, where ppoll
    // unblocks them atomically: no signal slips in between check and wait.
    sigset_t stopSignals, waitMask;
    sigemptyset(&stopSignals);
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaddset(&stopSignals, signal);
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigdelset(&waitMask, signal);
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);
    // Default timer slack would blur the wire timing.
    prctl(PR_SET_TIMERSLACK, 1UL);

    PtyServer server(box);
    server.setPreciseTiming(options.wire);
    if (!server.open(error) ||
        (!options.log.isEmpty() && !server.openFrameLog(options.log, error))) {
        complain(error);
        return 2;
    }
    if (!options.link.isEmpty() && !makeLink(server.devicePath(), options.link))
        return 2;
    // Whoever started us waits for this line; the link exists by then.
    printf("%s\n", server.devicePath().toLocal8Bit().constData());
    fflush(stdout);

    const bool served = server.run([] { return stopSignal != 0; }, &waitMask);
    if (!served)
        complain(QString("pseudo-terminal failed: %1").arg(strerror(errno)));

    bool saved = true;
    for (const EmulatorOptions::Image &image : options.images)
        saved = saveImage(box, image) && saved;
    if (!options.link.isEmpty())
        removeLink(server.devicePath(), options.link);
    return served && saved ? 0 : 1;
}
