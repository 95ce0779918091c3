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
    bool isEmpty() const { return count_ == 0; }
    // Whether any of `count` positions from `position` is marked.
    bool anyIn(qint32 position, qint32 count) const;
    // The first marked position after `from`, or the last one before it;
    // -1 when there is none.
    qint32 next(qint32 from) const;
    qint32 previous(qint32 from) const;

    // A set for a buffer of `size` bytes with `marks` set (size bits).
    void assign(const QBitArray &marks);
    // Sets the mark of each of `count` positions from `position` to what
    // `marked(position)` says; one changedIn() if any mark moved, none if not.
    template <class Marked>
    void update(qint32 position, qint32 count, Marked marked);
    void clear();

signals:
    void changed();
    // Only marks among `count` positions from `position` changed.
    void changedIn(qint32 position, qint32 count);

private:
    QBitArray marks_;
    qint32 count_ = 0;
};

template <class Marked>
void ByteMarks::update(qint32 position, qint32 count, Marked marked) {
    if (position < 0 || count <= 0)
        return;
    bool moved = false;
    for (qint32 i = position; i < position + count; ++i) {
        const bool now = marked(i);
        if (now == contains(i))
            continue;
        if (marks_.size() <= i)
            marks_.resize(position + count);
        marks_.setBit(i, now);
        count_ += now ? 1 : -1;
        moved = true;
    }
    if (moved)
        emit changedIn(position, count);
}
