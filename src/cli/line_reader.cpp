#include "cli/line_reader.h"

#include <unistd.h>
#include <QSocketNotifier>
#include <cerrno>

LineReader::LineReader(QObject *parent)
    : QObject(parent), notifier_(new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this)) {
    connect(notifier_, &QSocketNotifier::activated, this, &LineReader::readSome);
}

void LineReader::readSome() {
    // One read: the notifier said it will not block. Standard input stays
    // as the shell left it (blocking), for the shell's sake.
    char bytes[256];
    const ssize_t count = ::read(STDIN_FILENO, bytes, sizeof bytes);
    if (count < 0 && errno == EINTR)
        return;
    if (count <= 0) {
        notifier_->setEnabled(false);
        ended_ = true;
        emit end();
        return;
    }
    pending_.append(bytes, count);
    for (qsizetype at = pending_.indexOf('\n'); at >= 0; at = pending_.indexOf('\n')) {
        const QString text = QString::fromUtf8(pending_.left(at)).trimmed();
        pending_.remove(0, at + 1);
        emit line(text);
    }
}
