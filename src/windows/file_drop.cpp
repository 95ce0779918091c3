#include "windows/file_drop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "chips/chip_buffer.h"
#include "files/file_commands.h"

FileDrop::FileDrop(QWidget *window, FileCommands &files, const ChipBuffer &buffer)
    : QObject(window), files_(files), buffer_(buffer) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

QString FileDrop::fileOf(const QMimeData *data) const {
    if (buffer_.locked() || !data || data->urls().size() != 1)
        return QString();
    const QUrl url = data->urls().constFirst();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

bool FileDrop::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto *drag = static_cast<QDropEvent *>(event);
            if (fileOf(drag->mimeData()).isEmpty()) {
                drag->ignore();
            } else {
                drag->setDropAction(Qt::CopyAction);
                drag->accept();
            }
            return true;
        }
        case QEvent::Drop: {
            auto *drop = static_cast<QDropEvent *>(event);
            const QString path = fileOf(drop->mimeData());
            if (path.isEmpty()) {
                drop->ignore();
                return true;
            }
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            // Once the drop is over: the load may show a box, which must not
            // hold up the program the file came from.
            QMetaObject::invokeMethod(
                this, [this, path] { files_.open(path); }, Qt::QueuedConnection);
            return true;
        }
        default:
            return QObject::eventFilter(watched, event);
    }
}
