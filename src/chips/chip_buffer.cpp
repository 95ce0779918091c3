#include "chips/chip_buffer.h"

ChipBuffer::ChipBuffer(QObject *parent) : QObject(parent) {
    for (int k = 0; k < ChipCatalogue::ModelCount; ++k)
        ModelCapacity[size_t(k)] = ChipCatalogue::model(k).capacity;
    bytes_ = QByteArray(ModelCapacity[0], '\xFF');
    blockCount_ = ChipCatalogue::blockCount(ModelCapacity[0]);
    baseline_ = bytes_;
}

void ChipBuffer::selectModel(int code) {
    const qint32 capacity = capacityOf(code);
    code_ = code;
    blockCount_ = ChipCatalogue::blockCount(capacity);
    bytes_ = QByteArray(capacity, '\xFF');
    newBaseline();
    emit replaced();
}

void ChipBuffer::replace(const QByteArray &bytes) {
    bytes_ = bytes;
    newBaseline();
    emit replaced();
}

bool ChipBuffer::mayEdit(qint32 position, qint32 count) const {
    return !locked() && position >= 0 && count >= 0 && position + count <= size();
}

bool ChipBuffer::setByte(qint32 position, quint8 value) {
    if (!mayEdit(position, 1))
        return false;
    bytes_[position] = char(value);
    edited(position, 1);
    return true;
}

bool ChipBuffer::setBytes(qint32 position, const QByteArray &bytes) {
    if (!mayEdit(position, qint32(bytes.size())))
        return false;
    bytes_.replace(position, bytes.size(), bytes);
    edited(position, qint32(bytes.size()));
    return true;
}

bool ChipBuffer::fill(qint32 position, qint32 count, quint8 value) {
    if (!mayEdit(position, count))
        return false;
    std::fill_n(bytes_.begin() + position, count, char(value));
    edited(position, count);
    return true;
}

void ChipBuffer::edited(qint32 position, qint32 count) {
    const char *now = bytes_.constData();
    const char *then = baseline_.constData();
    changed_.update(position, count, [now, then](qint32 i) { return now[i] != then[i]; });
    setUnsavedEdits(!changed_.isEmpty());
    emit bytesChanged(position, count);
}

void ChipBuffer::markSaved() {
    newBaseline();
}

void ChipBuffer::newBaseline() {
    baseline_ = bytes_;
    changed_.clear();
    setUnsavedEdits(false);
}

bool ChipBuffer::mayDiscard() const {
    return !unsavedEdits_ || !discardQuestion_ || discardQuestion_();
}

void ChipBuffer::addLock(int change) {
    const bool wasLocked = locked();
    locks_ += change;
    if (locked() != wasLocked)
        emit lockedChanged(locked());
}

void ChipBuffer::setUnsavedEdits(bool unsaved) {
    if (unsaved == unsavedEdits_)
        return;
    unsavedEdits_ = unsaved;
    emit unsavedEditsChanged(unsaved);
}
