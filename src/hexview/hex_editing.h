#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class BufferHistory;
class ChipBuffer;
class Dialogs;
class HexCursor;
class HexView;
class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;
class QWidget;

// Editing the buffer as the common hex editors do, beside the byte edit:
// typing into the grid, copy and paste as hexadecimal text, fill, go to an
// address, find bytes or text, undo and redo. The commands sit in a menu of
// their own after the window's menus, the grid's context menu offers the
// ones for the selection, a note shows where the cursor is and a status
// panel that the buffer holds unsaved changes. Every edit is a step of the
// history; none is made while a chip operation holds the buffer.
class HexEditing : public QObject {
    Q_OBJECT

public:
    HexEditing(ChipBuffer &buffer, HexView &view, BufferHistory &history, Dialogs &dialogs,
               QObject *parent = nullptr);

    // "编辑(&E)", added to `bar` after the menus it has.
    QMenu *addMenu(QMenuBar *bar);
    // A note of where the cursor is and what is selected, for the panel
    // beside the grid.
    QLabel *addCursorNote(QWidget *parent);
    // The unsaved-changes panel, before the clock.
    void addStatusPanel(QStatusBar *bar);

    HexCursor &cursor() { return *cursor_; }

    void copy();
    void paste();
    void fill();
    void selectAll();
    void goTo();
    void find();
    void findNext();

private:
    QAction *makeAction(const char *name, const QString &caption);
    void typeDigit(int value);
    void searchFrom(qint32 from);
    void showCursor();
    void showUnsaved(bool unsaved);
    void contextMenu(const QPoint &at);

    ChipBuffer &buffer_;
    HexView &view_;
    BufferHistory &history_;
    Dialogs &dialogs_;
    HexCursor *cursor_;
    QMenu *contextMenu_ = nullptr;
    QLabel *cursorPanel_ = nullptr;
    QLabel *unsavedPanel_ = nullptr;

    // The byte whose second digit is due, or -1.
    qint32 typingAt_ = -1;
    bool typing_ = false;
    // What "查找下一个" looks for, as the user typed it.
    QByteArray pattern_;
    QString query_;
};
