// The bench tools beside the specified surface: stopping an operation, what
// the window remembers between runs, the recent files, dropped files, the
// steps through the differences and a panel 1 that stays true.
#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QSettings>
#include <QToolButton>
#include <utility>

#include "chips/chip_buffer.h"
#include "chips/model_selection.h"
#include "files/file_commands.h"
#include "messages/texts.h"
#include "operations/chip_operations.h"
#include "windows/file_drop.h"
#include "windows/form1.h"
#include "windows/language_menu.h"
#include "windows/recent_files_menu.h"
#include "windows/stop_command.h"

void Form1::addBenchTools() {
    // Esc lives on the window: the chip-operation menu is locked while an
    // operation runs, and with it the shortcuts of its items.
    auto *escape = new QAction(this);
    escape->setObjectName(QStringLiteral("actStop"));
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    addAction(escape);
    new StopCommand(chip(), operations(), dialogs_, cmdStop, escape, this);

    recent_ = new RecentFilesMenu(recentMenu_, files(), chip(), dialogs_, this);
    new FileDrop(this, files(), chip());

    // Kept as they change; without settings nothing is kept.
    connect(&selection(), &ModelSelection::selected, this, [this](int k) { memory_.setModel(k); });
    connect(&files().places(), &FilePlaces::folderChanged, this,
            [this](const QString &folder) { memory_.setFolder(folder); });
    connect(recent_, &RecentFilesMenu::changed, this,
            [this](const QStringList &paths) { memory_.setRecentFiles(paths); });

    connect(&operations(), &ChipOperations::statusChanged, this, &Form1::setStatusText);
    connect(&chip(), &ChipBuffer::replaced, this, [this] { allFf_ = chip().isAllFf(); });
    connect(&chip(), &ChipBuffer::bytesChanged, this, &Form1::keepStatusTrue);
}

void Form1::useSettings(std::unique_ptr<QSettings> settings) {
    memory_ = WindowMemory(std::move(settings));
    if (const auto language = memory_.language())
        languageMenu_->action(*language)->setChecked(true);
    recent_->setPaths(memory_.recentFiles());
    files().places().setFolder(memory_.folder());
}

void Form1::keepStatusTrue() {
    // An edit that ends "缓冲区为全 FF" says so, and one that brings it back
    // (an undo) says that; other texts and other edits leave panel 1 alone.
    const bool allFf = chip().isAllFf();
    if (std::exchange(allFf_, allFf) == allFf)
        return;
    const QString text = statusText();
    if (!allFf && text.endsWith(Texts::AllFfEnd()))
        statusPanel_->setText(text.chopped(Texts::AllFfEnd().size()) + Texts::EditedEnd());
    else if (allFf && text.endsWith(Texts::EditedEnd()))
        statusPanel_->setText(text.chopped(Texts::EditedEnd().size()) + Texts::AllFfEnd());
}
