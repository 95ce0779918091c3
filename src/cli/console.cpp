#include "cli/console.h"

#include <unistd.h>

Console::Console(bool quiet) : quiet_(quiet), terminal_(isatty(STDERR_FILENO) == 1) {}

void Console::write(int fd, const QString &text) {
    write(fd, text.toUtf8());
}

void Console::write(int fd, const QByteArray &bytes) {
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written <= 0)
            return;
        data += written;
        left -= written;
    }
}

void Console::endProgressLine() {
    if (lineOpen_) {
        write(STDERR_FILENO, QStringLiteral("\n"));
        lineOpen_ = false;
    }
}

void Console::result(const QString &text) {
    endProgressLine();
    write(STDOUT_FILENO, text + QLatin1Char('\n'));
}

void Console::raw(const QByteArray &bytes) {
    endProgressLine();
    write(STDOUT_FILENO, bytes);
}

void Console::note(const QString &text) {
    if (quiet_)
        return;
    endProgressLine();
    write(STDERR_FILENO, text + QLatin1Char('\n'));
}

void Console::error(const QString &text) {
    endProgressLine();
    write(STDERR_FILENO, text + QLatin1Char('\n'));
}

void Console::progress(const QString &line) {
    if (!showsProgress())
        return;
    write(STDERR_FILENO, line);
    lineOpen_ = true;
}
