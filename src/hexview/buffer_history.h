#pragma once

#include <QObject>
#include <QUndoStack>

class ChipBuffer;

// Every edit of the buffer as a step that can be undone and redone. The
// steps call ChipBuffer like any other edit, so the views follow them; new
// contents (a read, a load, another model, "新建") begin a new history.
// While a chip operation holds the buffer, nothing is edited, undone or
// redone.
class BufferHistory : public QObject {
    Q_OBJECT

public:
    explicit BufferHistory(ChipBuffer &buffer, QObject *parent = nullptr);

    QUndoStack &stack() { return stack_; }

    // Each is one step; false (and no step) when refused.
    bool setByte(qint32 position, quint8 value);
    // A digit typed into the byte at `position`: the second digit of a byte
    // joins the step of the first.
    bool type(qint32 position, quint8 value, bool secondDigit);
    bool paste(qint32 position, const QByteArray &bytes);
    bool fill(qint32 position, qint32 count, quint8 value);

    bool undo();
    bool redo();

signals:
    // An undo or redo changed `count` bytes from `position`.
    void stepApplied(qint32 position, qint32 count);

private:
    class Edit;
    bool push(Edit *edit);
    bool apply(bool undo);

    ChipBuffer &buffer_;
    QUndoStack stack_;
};
