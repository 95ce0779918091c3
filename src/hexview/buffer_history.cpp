#include "hexview/buffer_history.h"

#include "chips/chip_buffer.h"
#include "messages/hexview_texts.h"

// `after` replaces the bytes from `position`; undone, the old ones return.
class BufferHistory::Edit : public QUndoCommand {
public:
    static constexpr int Typing = 1;

    Edit(ChipBuffer &buffer, qint32 position, const QByteArray &after, const QString &text,
         int id = -1, bool secondDigit = false)
        : QUndoCommand(text),
          buffer_(buffer),
          position_(position),
          before_(buffer.DataBuffer().mid(position, after.size())),
          after_(after),
          id_(id),
          secondDigit_(secondDigit) {}

    void redo() override { buffer_.setBytes(position_, after_); }
    void undo() override { buffer_.setBytes(position_, before_); }
    int id() const override { return id_; }

    bool mergeWith(const QUndoCommand *command) override {
        // The second digit of a typed byte completes the first one's step.
        const auto *next = static_cast<const Edit *>(command);
        if (id_ != Typing || secondDigit_ || !next->secondDigit_ || next->position_ != position_)
            return false;
        after_ = next->after_;
        secondDigit_ = true;
        return true;
    }

    qint32 position() const { return position_; }
    qint32 count() const { return qint32(after_.size()); }

private:
    ChipBuffer &buffer_;
    qint32 position_;
    QByteArray before_;
    QByteArray after_;
    int id_;
    bool secondDigit_;
};

BufferHistory::BufferHistory(ChipBuffer &buffer, QObject *parent)
    : QObject(parent), buffer_(buffer) {
    connect(&buffer_, &ChipBuffer::replaced, &stack_, &QUndoStack::clear);
}

bool BufferHistory::push(Edit *edit) {
    if (edit->count() == 0 || !buffer_.mayEdit(edit->position(), edit->count())) {
        delete edit;
        return false;
    }
    stack_.push(edit);
    return true;
}

bool BufferHistory::setByte(qint32 position, quint8 value) {
    return push(new Edit(buffer_, position, QByteArray(1, char(value)), Texts::StepEdit()));
}

bool BufferHistory::type(qint32 position, quint8 value, bool secondDigit) {
    return push(new Edit(buffer_, position, QByteArray(1, char(value)), Texts::StepType(),
                         Edit::Typing, secondDigit));
}

bool BufferHistory::paste(qint32 position, const QByteArray &bytes) {
    return push(new Edit(buffer_, position, bytes, Texts::StepPaste()));
}

bool BufferHistory::fill(qint32 position, qint32 count, quint8 value) {
    if (count <= 0)
        return false;
    return push(new Edit(buffer_, position, QByteArray(count, char(value)), Texts::StepFill()));
}

bool BufferHistory::undo() {
    return apply(true);
}

bool BufferHistory::redo() {
    return apply(false);
}

bool BufferHistory::apply(bool undo) {
    if (buffer_.locked() || !(undo ? stack_.canUndo() : stack_.canRedo()))
        return false;
    const auto *step = static_cast<const Edit *>(stack_.command(stack_.index() - (undo ? 1 : 0)));
    undo ? stack_.undo() : stack_.redo();
    emit stepApplied(step->position(), step->count());
    return true;
}
