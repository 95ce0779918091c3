#include "hexview/hex_editing.h"

#include <QAction>
#include <QClipboard>
#include <QColor>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableView>

#include "chips/chip_buffer.h"
#include "chips/hex_text.h"
#include "hexview/buffer_history.h"
#include "hexview/byte_editor.h"
#include "hexview/contrast.h"
#include "hexview/hex_cursor.h"
#include "hexview/hex_view.h"
#include "hexview/mark_colours.h"
#include "messages/dialogs.h"
#include "messages/hexview_texts.h"

namespace {

QString address(qint32 position) {
    return QStringLiteral("%1H").arg(position, 6, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

HexEditing::HexEditing(ChipBuffer &buffer, HexView &view, BufferHistory &history, Dialogs &dialogs,
                       QObject *parent)
    : QObject(parent),
      buffer_(buffer),
      view_(view),
      history_(history),
      dialogs_(dialogs),
      cursor_(new HexCursor(buffer, view, this)) {
    connect(cursor_, &HexCursor::digitTyped, this, &HexEditing::typeDigit);
    // Any other move or step ends a byte half typed.
    connect(cursor_, &HexCursor::moved, this, [this] {
        if (!typing_)
            typingAt_ = -1;
        showCursor();
    });
    connect(&history_.stack(), &QUndoStack::indexChanged, this, [this] {
        if (!typing_)
            typingAt_ = -1;
    });
    // An undone or redone step is shown selected, on its page.
    connect(&history_, &BufferHistory::stepApplied, this, [this](qint32 position, qint32 count) {
        cursor_->select(position + count - 1, position);
    });
    connect(&buffer_, &ChipBuffer::unsavedEditsChanged, this, &HexEditing::showUnsaved);
    view_.addMarks(&buffer_.changedBytes(), MarkColours::Changed, Texts::StripChanged());

    QTableView *grid = view_.lstHex();
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this, &HexEditing::contextMenu);
}

QAction *HexEditing::makeAction(const char *name, const QString &caption) {
    auto *action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    return action;
}

QMenu *HexEditing::addMenu(QMenuBar *bar) {
    QMenu *menu = bar->addMenu(Texts::EditMenu());
    menu->setObjectName(QStringLiteral("fedit"));
    // Ctrl+Z, Ctrl+C and F3 belong to the window's own menus.
    QAction *undo = makeAction("fundo", Texts::UndoItem());
    undo->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Backspace));
    QAction *redo = makeAction("fredo", Texts::RedoItem());
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    QAction *copy = makeAction("fcopy", Texts::CopyItem());
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Insert));
    QAction *paste = makeAction("fpaste", Texts::PasteItem());
    paste->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Insert));
    QAction *fill = makeAction("ffill", Texts::FillItem());
    QAction *all = makeAction("fselectall", Texts::SelectAllItem());
    all->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    QAction *goTo = makeAction("fgoto", Texts::GoToItem());
    goTo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    QAction *find = makeAction("ffind", Texts::FindItem());
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    QAction *next = makeAction("ffindnext", Texts::FindNextItem());
    next->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));

    menu->addAction(undo);
    menu->addAction(redo);
    menu->addSeparator()->setObjectName(QStringLiteral("p7"));
    menu->addAction(copy);
    menu->addAction(paste);
    menu->addAction(fill);
    menu->addAction(all);
    menu->addSeparator()->setObjectName(QStringLiteral("p8"));
    menu->addAction(goTo);
    menu->addAction(find);
    menu->addAction(next);

    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(&history_.stack(), &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&history_.stack(), &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(undo, &QAction::triggered, &history_, &BufferHistory::undo);
    connect(redo, &QAction::triggered, &history_, &BufferHistory::redo);
    connect(copy, &QAction::triggered, this, &HexEditing::copy);
    connect(paste, &QAction::triggered, this, &HexEditing::paste);
    connect(fill, &QAction::triggered, this, &HexEditing::fill);
    connect(all, &QAction::triggered, this, &HexEditing::selectAll);
    connect(goTo, &QAction::triggered, this, &HexEditing::goTo);
    connect(find, &QAction::triggered, this, &HexEditing::find);
    connect(next, &QAction::triggered, this, &HexEditing::findNext);

    contextMenu_ = new QMenu(view_.lstHex());
    contextMenu_->setObjectName(QStringLiteral("hexMenu"));
    contextMenu_->addActions({copy, paste, fill});
    contextMenu_->addSeparator();
    contextMenu_->addAction(all);
    return menu;
}

QLabel *HexEditing::addCursorNote(QWidget *parent) {
    cursorPanel_ = new QLabel(parent);
    cursorPanel_->setObjectName(QStringLiteral("lblCursor"));
    showCursor();
    return cursorPanel_;
}

void HexEditing::addStatusPanel(QStatusBar *bar) {
    unsavedPanel_ = new QLabel(bar);
    unsavedPanel_->setObjectName(QStringLiteral("PanelUnsaved"));
    Contrast::keepText(unsavedPanel_, QColor(0xc0, 0x00, 0x00));
    // After panel 1; the window adds the date and the time after it.
    bar->addPermanentWidget(unsavedPanel_);
    showUnsaved(buffer_.unsavedEdits());
}

void HexEditing::contextMenu(const QPoint &at) {
    if (!contextMenu_)
        return;
    // A click outside the selection moves the cursor there first.
    QTableView *grid = view_.lstHex();
    const QModelIndex cell = grid->indexAt(at);
    const qint32 position =
        cell.isValid() ? view_.model()->position(cell.row(), cell.column()) : -1;
    const qint32 start = cursor_->selectionStart();
    if (position >= 0 && (position < start || position >= start + cursor_->selectionLength()))
        cursor_->moveTo(position);
    contextMenu_->popup(grid->viewport()->mapToGlobal(at));
}

void HexEditing::typeDigit(int value) {
    const qint32 at = cursor_->position();
    if (at < 0 || buffer_.locked())
        return;
    const quint8 old = buffer_.at(at);
    const bool second = typingAt_ == at;
    const quint8 typed =
        second ? quint8((old & 0xF0) | value) : quint8((value << 4) | (old & 0x0F));
    typing_ = true;
    if (history_.type(at, typed, second)) {
        // The first digit waits for the second; the second moves on.
        typingAt_ = second ? -1 : at;
        cursor_->moveTo(second && at + 1 < buffer_.size() ? at + 1 : at);
    }
    typing_ = false;
}

void HexEditing::copy() {
    if (cursor_->position() < 0)
        return;
    QGuiApplication::clipboard()->setText(HexText::fromBytes(
        buffer_.DataBuffer().mid(cursor_->selectionStart(), cursor_->selectionLength())));
}

void HexEditing::paste() {
    if (cursor_->position() < 0 || buffer_.locked())
        return;
    const std::optional<QByteArray> bytes = HexText::toBytes(QGuiApplication::clipboard()->text());
    if (!bytes) {
        dialogs_.warning(Texts::PasteInvalid());
        return;
    }
    // Over the selection's first byte, as far as the buffer reaches.
    const qint32 at = cursor_->selectionStart();
    const QByteArray pasted = bytes->left(buffer_.size() - at);
    if (pasted.isEmpty() || !history_.paste(at, pasted))
        return;
    cursor_->moveTo(qMin(at + qint32(pasted.size()), buffer_.size() - 1));
}

void HexEditing::fill() {
    if (cursor_->position() < 0 || buffer_.locked())
        return;
    const std::optional<quint8> value = dialogs_.ask(
        Texts::FillTitle(), Texts::FillPrompt(), Texts::EditInvalid(), &ByteEditor::parseHexByte);
    if (!value)
        return;
    if (history_.fill(cursor_->selectionStart(), cursor_->selectionLength(), *value))
        cursor_->select(cursor_->anchor(), cursor_->position());
}

void HexEditing::selectAll() {
    cursor_->select(buffer_.size() - 1, 0);
}

void HexEditing::goTo() {
    const std::optional<qint64> target = dialogs_.ask(Texts::GoToTitle(), Texts::GoToPrompt(),
                                                      Texts::GoToInvalid(), &HexText::toAddress);
    if (!target)
        return;
    if (*target >= buffer_.size()) {
        dialogs_.warning(Texts::GoToBeyond().arg(buffer_.size()).arg(address(buffer_.size() - 1)));
        return;
    }
    cursor_->moveTo(qint32(*target));
}

void HexEditing::find() {
    QString typed;
    const std::optional<HexText::Pattern> pattern =
        dialogs_.ask(Texts::FindTitle(), Texts::FindPrompt(), Texts::FindInvalid(),
                     [&typed](const QString &text) {
                         typed = text.trimmed();
                         return HexText::toPattern(text);
                     });
    if (!pattern)
        return;
    pattern_ = pattern->bytes;
    query_ = typed;
    searchFrom(cursor_->position() >= 0 ? cursor_->position()
                                        : view_.CurrentPage * HexPageModel::PageSize);
}

void HexEditing::findNext() {
    if (pattern_.isEmpty()) {
        find();
        return;
    }
    searchFrom(cursor_->position() + 1);
}

void HexEditing::searchFrom(qint32 from) {
    bool wrapped = false;
    const qint32 at = HexText::find(buffer_.DataBuffer(), pattern_, from, &wrapped);
    if (at < 0) {
        dialogs_.message(Texts::NotFound().arg(query_), Texts::NoticeTitle(),
                         Dialogs::Icon::Information, Dialogs::Buttons::Ok);
        return;
    }
    cursor_->select(at + qint32(pattern_.size()) - 1, at);
    if (wrapped && cursorPanel_)
        cursorPanel_->setText(Texts::FindWrapped() + QLatin1Char('\n') + cursorPanel_->text());
}

void HexEditing::showCursor() {
    if (!cursorPanel_)
        return;
    const qint32 length = cursor_->selectionLength();
    const qint32 start = cursor_->selectionStart();
    if (length == 0)
        cursorPanel_->clear();
    else if (length == 1)
        cursorPanel_->setText(Texts::CursorAt().arg(address(start)));
    else
        cursorPanel_->setText(
            Texts::Selected().arg(address(start), address(start + length - 1)).arg(length));
}

void HexEditing::showUnsaved(bool unsaved) {
    if (unsavedPanel_)
        unsavedPanel_->setText(unsaved ? Texts::UnsavedChanges() : QString());
}
