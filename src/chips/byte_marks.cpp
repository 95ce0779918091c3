#include "chips/byte_marks.h"

qint32 ByteMarks::first() const {
    if (count_ == 0)
        return -1;
    for (qint32 i = 0; i < marks_.size(); ++i)
        if (marks_.testBit(i))
            return i;
    return -1;
}

void ByteMarks::assign(const QBitArray &marks) {
    marks_ = marks;
    count_ = qint32(marks_.count(true));
    emit changed();
}

void ByteMarks::mark(qint32 position, qint32 count) {
    if (position < 0 || count <= 0)
        return;
    if (marks_.size() < position + count)
        marks_.resize(position + count);
    for (qint32 i = position; i < position + count; ++i) {
        if (!marks_.testBit(i)) {
            marks_.setBit(i);
            ++count_;
        }
    }
    emit changed();
}

void ByteMarks::clear() {
    if (count_ == 0 && marks_.isEmpty())
        return;
    marks_.clear();
    count_ = 0;
    emit changed();
}
