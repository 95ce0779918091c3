#pragma once

#include <QObject>

class ByteMarks;
class HexCursor;
class HexView;
class QAction;

// "下一个差异" and "上一个差异": the cursor goes to the next or the previous
// marked byte (after a compare, one that differs from the file), turning
// the page, round past either end. Offered while there is a mark.
class MarkSteps : public QObject {
    Q_OBJECT

public:
    MarkSteps(const ByteMarks &marks, HexCursor &cursor, const HexView &view,
              QObject *parent = nullptr);

    QAction *nextAction() const { return next_; }
    QAction *previousAction() const { return previous_; }

    void next();
    void previous();

private:
    void offer();
    // Where the search starts: the cursor, or before the page shown.
    qint32 from() const;

    const ByteMarks &marks_;
    HexCursor &cursor_;
    const HexView &view_;
    QAction *next_;
    QAction *previous_;
};
