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
