#pragma once

#include <QBitArray>
#include <QObject>

// Positions of the buffer that the hex view shows marked: the bytes edited
// since the image was last read, loaded, saved or written, or the bytes that
// differ from a file compared with it. Whoever keeps a set says when it
// changed; the view repaints.
class ByteMarks : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    bool contains(qint32 position) const {
        return position >= 0 && position < marks_.size() && marks_.testBit(position);
    }
    qint32 count() const { return count_; }
    bool isEmpty() const { return count_ == 0; }
    // The first marked position, or -1.
    qint32 first() const;

    // A set for a buffer of `size` bytes with `marks` set (size bits).
    void assign(const QBitArray &marks);
    void mark(qint32 position, qint32 count);
    void clear();

signals:
    void changed();

private:
    QBitArray marks_;
    qint32 count_ = 0;
};
