#include "hexview/hex_cursor.h"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableView>

#include "chips/chip_buffer.h"
#include "hexview/hex_ascii_column.h"
#include "hexview/hex_view.h"

namespace {

constexpr qint32 Columns = HexPageModel::Columns;
constexpr qint32 PageSize = HexPageModel::PageSize;

int digitOf(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return key - Qt::Key_0;
    if (key >= Qt::Key_A && key <= Qt::Key_F)
        return key - Qt::Key_A + 10;
    return -1;
}

}  // namespace

HexCursor::HexCursor(const ChipBuffer &buffer, HexView &view, QObject *parent)
    : QObject(parent), buffer_(buffer), view_(view) {
    QTableView *grid = view_.lstHex();
    grid->installEventFilter(this);
    grid->viewport()->installEventFilter(this);
    // A click, or anyone who sets the grid's current cell, moves the cursor.
    connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { followGrid(current); });
    connect(grid, &QTableView::pressed, this, &HexCursor::followGrid);
    connect(&view_, &HexView::pageDrawn, this, &HexCursor::pageDrawn);
    connect(&view_, &HexView::pagesReset, this, &HexCursor::drop);

    HexAsciiColumn *ascii = view_.asciiColumn();
    connect(ascii, &HexAsciiColumn::pressed, this,
            [this](int row, int column, Qt::KeyboardModifiers modifiers) {
                view_.lstHex()->setFocus();
                const qint32 at = view_.model()->position(row, column);
                if (at >= 0)
                    moveTo(at, modifiers & Qt::ShiftModifier);
            });
    connect(ascii, &HexAsciiColumn::dragged, this,
            [this](int row, int column) { pointTo(row, column, true); });
}

void HexCursor::select(qint32 anchor, qint32 cursor) {
    const qint32 last = buffer_.size() - 1;
    anchor_ = qBound(0, anchor, last);
    cursor_ = qBound(0, cursor, last);
    const qint32 page = cursor_ / PageSize;
    if (page != view_.CurrentPage) {
        turning_ = true;
        view_.scrPage()->setValue(page);
        turning_ = false;
    }
    showSelection();
    emit moved();
}

void HexCursor::moveTo(qint32 position, bool extend) {
    select(extend && anchor_ >= 0 ? anchor_ : position, position);
}

void HexCursor::followGrid(const QModelIndex &current) {
    // A redraw leaves the grid without a current cell; the cursor stays.
    if (showing_ || turning_ || !current.isValid())
        return;
    const qint32 at = view_.model()->position(current.row(), current.column());
    if (at == cursor_ && at == anchor_)
        return;
    cursor_ = anchor_ = at;
    emit moved();
}

void HexCursor::pageDrawn() {
    // The user turned the page: show what of the selection lies on it.
    if (!turning_ && cursor_ >= 0)
        showSelection();
}

void HexCursor::drop() {
    if (cursor_ < 0)
        return;
    cursor_ = anchor_ = -1;
    emit moved();
}

void HexCursor::showSelection() {
    QItemSelectionModel *selection = view_.lstHex()->selectionModel();
    const HexPageModel *model = view_.model();
    showing_ = true;
    const qint32 pageStart = view_.CurrentPage * PageSize;
    const qint32 first = qMax(selectionStart(), pageStart);
    const qint32 last =
        qMin(selectionStart() + selectionLength(), pageStart + model->filledRows() * Columns) - 1 -
        pageStart;
    QItemSelection cells;
    if (cursor_ >= 0 && first - pageStart <= last) {
        // Whole rows in the middle, parts of rows at the ends.
        const int from = first - pageStart;
        const int firstRow = from / Columns, lastRow = last / Columns;
        if (firstRow == lastRow) {
            cells.select(model->index(firstRow, from % Columns),
                         model->index(firstRow, last % Columns));
        } else {
            cells.select(model->index(firstRow, from % Columns),
                         model->index(firstRow, Columns - 1));
            if (lastRow - firstRow > 1)
                cells.select(model->index(firstRow + 1, 0), model->index(lastRow - 1, Columns - 1));
            cells.select(model->index(lastRow, 0), model->index(lastRow, last % Columns));
        }
    }
    selection->select(cells, QItemSelectionModel::ClearAndSelect);
    const qint32 offset = cursor_ - pageStart;
    if (cursor_ >= 0 && offset >= 0 && offset < PageSize)
        selection->setCurrentIndex(model->index(offset / Columns, offset % Columns),
                                   QItemSelectionModel::NoUpdate);
    else
        selection->clearCurrentIndex();
    showing_ = false;
}

void HexCursor::pointTo(int row, int column, bool extend) {
    const qint32 size = buffer_.size();
    const int rows = view_.model()->filledRows();
    qint32 target = view_.CurrentPage * PageSize + qMin(row, rows) * Columns + column;
    if (row < 0)
        target = view_.CurrentPage * PageSize - Columns + column;
    // Beyond either end of the buffer: its first or last row.
    if (target < 0)
        target = column;
    if (target >= size)
        target = size - Columns + column;
    moveTo(target, extend);
}

bool HexCursor::keyPressed(const QKeyEvent &key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier))
        return false;
    const bool extend = modifiers & Qt::ShiftModifier;
    const bool control = modifiers & Qt::ControlModifier;
    const qint32 size = buffer_.size();
    // Without a current byte, a move starts from the page's first.
    const qint32 from = cursor_ >= 0 ? cursor_ : view_.CurrentPage * PageSize;
    const qint32 rowStart = from - from % Columns;
    qint32 to = from;
    switch (key.key()) {
        case Qt::Key_Left:
            to = from - 1;
            break;
        case Qt::Key_Right:
            to = from + 1;
            break;
        case Qt::Key_Up:
            to = from - Columns;
            break;
        case Qt::Key_Down:
            to = from + Columns;
            break;
        case Qt::Key_PageUp:
            to = from - PageSize;
            break;
        case Qt::Key_PageDown:
            to = from + PageSize;
            break;
        case Qt::Key_Home:
            to = control ? 0 : rowStart;
            break;
        case Qt::Key_End:
            to = control ? size - 1 : qMin(rowStart + Columns - 1, size - 1);
            break;
        default: {
            const int digit = control ? -1 : digitOf(key.key());
            if (digit < 0)
                return false;
            emit digitTyped(digit);
            return true;
        }
    }
    if (cursor_ < 0)
        to = from;
    // At either end of the buffer the cursor stays where it is.
    if (to >= 0 && to < size)
        moveTo(to, extend);
    return true;
}

bool HexCursor::eventFilter(QObject *watched, QEvent *event) {
    QTableView *grid = view_.lstHex();
    if (watched == grid && event->type() == QEvent::KeyPress)
        return keyPressed(*static_cast<QKeyEvent *>(event));
    if (watched != grid->viewport())
        return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() != Qt::LeftButton)
                return false;
            dragging_ = true;
            // A plain click is the grid's own: it selects the cell, and the
            // double-click edit relies on it.
            if (!(mouse->modifiers() & Qt::ShiftModifier))
                return false;
            const QModelIndex cell = grid->indexAt(mouse->position().toPoint());
            const qint32 at =
                cell.isValid() ? view_.model()->position(cell.row(), cell.column()) : -1;
            if (at >= 0)
                moveTo(at, true);
            grid->setFocus();
            selecting_ = true;
            return true;
        }
        case QEvent::MouseMove: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (!dragging_ || !(mouse->buttons() & Qt::LeftButton) || cursor_ < 0)
                return false;
            const QPoint at = mouse->position().toPoint();
            const int height = grid->viewport()->height();
            const QModelIndex cell = grid->indexAt(QPoint(
                qBound(0, at.x(), grid->viewport()->width() - 1), qBound(0, at.y(), height - 1)));
            const int row = at.y() < 0 ? -1 : at.y() >= height ? HexPageModel::Rows : cell.row();
            pointTo(row, cell.column(), true);
            selecting_ = true;
            return true;
        }
        case QEvent::MouseButtonRelease: {
            // The grid would end a selection of its own with the cell under
            // the pointer; it has none to end.
            const bool selected = selecting_;
            dragging_ = selecting_ = false;
            return selected;
        }
        default:
            return false;
    }
}
