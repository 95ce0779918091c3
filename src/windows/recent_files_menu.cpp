#include "windows/recent_files_menu.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "chips/chip_buffer.h"
#include "files/file_commands.h"
#include "messages/dialogs.h"
#include "messages/texts.h"

RecentFilesMenu::RecentFilesMenu(QMenu *menu, FileCommands &files, ChipBuffer &buffer,
                                 Dialogs &dialogs, QObject *parent)
    : QObject(parent), menu_(menu), files_(files), buffer_(buffer), dialogs_(dialogs) {
    connect(&files_.places(), &FilePlaces::fileUsed, this, &RecentFilesMenu::add);
    connect(&buffer_, &ChipBuffer::lockedChanged, this, &RecentFilesMenu::show);
    show();
}

void RecentFilesMenu::setPaths(const QStringList &paths) {
    paths_ = paths.mid(0, Size);
    show();
}

void RecentFilesMenu::add(const QString &path) {
    paths_.removeAll(path);
    paths_.prepend(path);
    paths_ = paths_.mid(0, Size);
    show();
    emit changed(paths_);
}

void RecentFilesMenu::open(int index) {
    if (index < 0 || index >= paths_.size() || buffer_.locked())
        return;
    const QString path = paths_.at(index);
    if (!QFileInfo(path).isFile()) {
        paths_.removeAt(index);
        show();
        emit changed(paths_);
        dialogs_.warning(Texts::RecentMissing().arg(path));
        return;
    }
    files_.open(path);
}

void RecentFilesMenu::show() {
    if (!menu_)
        return;
    // Later, not now: the item being chosen may be the one that asked.
    for (QAction *old : menu_->actions()) {
        menu_->removeAction(old);
        old->deleteLater();
    }
    for (int i = 0; i < paths_.size(); ++i) {
        // "&1 /home/…/chip.bin": the digit is the key in the open menu.
        QString caption = paths_.at(i);
        auto *item = new QAction(QStringLiteral("&%1 ").arg(i + 1) +
                                     caption.replace(QLatin1Char('&'), QLatin1String("&&")),
                                 menu_);
        menu_->addAction(item);
        item->setObjectName(QStringLiteral("frecent%1").arg(i + 1));
        connect(item, &QAction::triggered, this, [this, i] { open(i); });
    }
    menu_->menuAction()->setEnabled(!paths_.isEmpty() && !buffer_.locked());
}
