#pragma once

#include <QObject>

class ChipBuffer;
class HexView;
class QKeyEvent;
class QModelIndex;

// The grid's current byte and the range selected from an anchor to it, as
// buffer positions, so that both reach across pages. The keys, a drag or a
// shifted click move it, turning the page when it leaves the one shown; the
// grid's selection shows the part of the range on the page shown. Pages
// turned by the scroll bar or the wheel leave it where it is; new contents
// drop it.
class HexCursor : public QObject {
    Q_OBJECT

public:
    HexCursor(const ChipBuffer &buffer, HexView &view, QObject *parent = nullptr);

    // The current byte, or -1 when there is none.
    qint32 position() const { return cursor_; }
    qint32 anchor() const { return anchor_; }
    qint32 selectionStart() const { return qMin(anchor_, cursor_); }
    // 0 when there is no current byte.
    qint32 selectionLength() const { return cursor_ < 0 ? 0 : qAbs(cursor_ - anchor_) + 1; }

    // Selects anchor..cursor and shows the cursor's page.
    void select(qint32 anchor, qint32 cursor);
    // Moves to `position`; with `extend`, the anchor stays.
    void moveTo(qint32 position, bool extend = false);

signals:
    void moved();
    // A hexadecimal digit was typed in the grid.
    void digitTyped(int value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyPressed(const QKeyEvent &key);
    // To (row, column) of the page shown; a row above or below it reaches
    // into the page before or after.
    void pointTo(int row, int column, bool extend);
    void followGrid(const QModelIndex &current);
    void pageDrawn();
    void drop();
    void showSelection();

    const ChipBuffer &buffer_;
    HexView &view_;
    qint32 cursor_ = -1;
    qint32 anchor_ = -1;
    bool turning_ = false;
    bool showing_ = false;
    bool dragging_ = false;
    // The mouse selected past the grid's own handling since the press.
    bool selecting_ = false;
};
