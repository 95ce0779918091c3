#include "chips/byte_marks.h"

void ByteMarks::assign(const QBitArray &marks) {
    marks_ = marks;
    count_ = qint32(marks_.count(true));
    emit changed();
}

void ByteMarks::clear() {
    if (count_ == 0 && marks_.isEmpty())
        return;
    marks_.clear();
    count_ = 0;
    emit changed();
}

bool ByteMarks::anyIn(qint32 position, qint32 count) const {
    const qint32 first = qMax(position, 0);
    const qint32 end = qMin(position + count, qint32(marks_.size()));
    if (count_ == 0 || first >= end)
        return false;
    // Eight positions at a time where a whole byte of marks lies inside.
    const auto *bits = reinterpret_cast<const uchar *>(marks_.bits());
    qint32 i = first;
    for (; i < end && i % 8 != 0; ++i)
        if (marks_.testBit(i))
            return true;
    for (; i + 8 <= end; i += 8)
        if (bits[i / 8] != 0)
            return true;
    for (; i < end; ++i)
        if (marks_.testBit(i))
            return true;
    return false;
}

qint32 ByteMarks::next(qint32 from) const {
    if (count_ == 0)
        return -1;
    for (qint32 i = qMax(from + 1, 0); i < marks_.size(); ++i)
        if (marks_.testBit(i))
            return i;
    return -1;
}

qint32 ByteMarks::previous(qint32 from) const {
    if (count_ == 0)
        return -1;
    for (qint32 i = qMin(from, qint32(marks_.size())) - 1; i >= 0; --i)
        if (marks_.testBit(i))
            return i;
    return -1;
}
