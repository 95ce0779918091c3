#pragma once

#include <QByteArray>
#include <QObject>
#include <array>
#include <functional>

#include "chips/byte_marks.h"
#include "chips/chip_catalogue.h"

// The one owner of DataBuffer, the chip image, and of the selected model.
// Every change goes through it and is announced: the views, the status and
// anything else that shows the buffer subscribe once and never have to be
// told by the code that changed it.
//
// While a chip operation runs the buffer is locked: edits are refused, and
// whoever would replace it (a model change, a file load) asks locked() first.
class ChipBuffer : public QObject {
    Q_OBJECT

public:
    class Lock;

    explicit ChipBuffer(QObject *parent = nullptr);

    const QByteArray &DataBuffer() const { return bytes_; }
    qint32 size() const { return qint32(bytes_.size()); }
    quint8 at(qint32 position) const { return quint8(bytes_.at(position)); }
    bool isAllFf() const { return bytes_.count('\xFF') == bytes_.size(); }
    qint32 ChipCode() const { return code_; }
    qint32 BlockCount() const { return blockCount_; }

    // The capacity of each model, in the chooser's order; filled at start.
    std::array<qint32, ChipCatalogue::ModelCount> ModelCapacity{};
    qint32 capacityOf(int code) const { return ModelCapacity.at(size_t(code)); }

    // Model `code`, with a fresh buffer of FFH at its capacity.
    void selectModel(int code);
    // New contents of the same size, from the chip or a file: no edits left.
    void replace(const QByteArray &bytes);

    // Edits; refused (false) while locked or outside the buffer, as mayEdit
    // tells beforehand.
    bool mayEdit(qint32 position, qint32 count) const;
    bool setByte(qint32 position, quint8 value);
    bool setBytes(qint32 position, const QByteArray &bytes);
    bool fill(qint32 position, qint32 count, quint8 value);

    // Edits that were neither saved nor written to the chip: bytes that
    // differ from the image last read, loaded, saved or written. An edit
    // undone back to the old value is no longer one.
    bool unsavedEdits() const { return unsavedEdits_; }
    const ByteMarks &changedBytes() const { return changed_; }
    // The buffer went to a file or into the chip as it is.
    void markSaved();

    bool locked() const { return locks_ > 0; }

    // Whether the contents may go (before a read, a load, another model or
    // the exit): true without unsaved edits; with them, `ask` decides (the
    // user saves them, lets them go or keeps them). Without `ask`, they go.
    void setDiscardQuestion(std::function<bool()> ask) { discardQuestion_ = std::move(ask); }
    bool mayDiscard() const;

signals:
    // The whole buffer is new: another model, a read, a load.
    void replaced();
    // `count` bytes from `position` were edited.
    void bytesChanged(qint32 position, qint32 count);
    void unsavedEditsChanged(bool unsaved);
    // A chip operation took the buffer (true) or gave it back (false).
    void lockedChanged(bool locked);

private:
    void edited(qint32 position, qint32 count);
    void newBaseline();
    void setUnsavedEdits(bool unsaved);
    void addLock(int change);

    QByteArray bytes_;
    // The image as last read, loaded, saved or written, and where the
    // buffer differs from it.
    QByteArray baseline_;
    ByteMarks changed_;
    qint32 code_ = 0;
    qint32 blockCount_ = 0;
    bool unsavedEdits_ = false;
    int locks_ = 0;
    std::function<bool()> discardQuestion_;
};

// Locks the buffer for as long as it lives; locks nest.
class ChipBuffer::Lock {
public:
    explicit Lock(ChipBuffer &buffer) : buffer_(buffer) { buffer_.addLock(1); }
    ~Lock() { buffer_.addLock(-1); }
    Lock(const Lock &) = delete;
    Lock &operator=(const Lock &) = delete;

private:
    ChipBuffer &buffer_;
};
