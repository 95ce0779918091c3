#include "windows/hex_ascii_column.h"

#include <QFontDatabase>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPainter>
#include <QTableView>

#include "windows/hex_page_model.h"

HexAsciiColumn::HexAsciiColumn(const HexPageModel &model, const QTableView &grid, int rowHeight,
                               QWidget *parent)
    : QWidget(parent), model_(model), grid_(grid), rowHeight_(rowHeight) {
    setObjectName(QStringLiteral("lstAscii"));
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    const QFontMetrics metrics(font());
    charWidth_ = metrics.horizontalAdvance(QLatin1Char('0'));
    margin_ = charWidth_;
    setFixedSize(2 * margin_ + HexPageModel::Columns * charWidth_, rowHeight_ * HexPageModel::Rows);
}

QStringList HexAsciiColumn::rowTexts() const {
    QStringList rows;
    for (int r = 0; r < model_.filledRows(); ++r) {
        QString row;
        for (int c = 0; c < HexPageModel::Columns; ++c)
            if (model_.position(r, c) >= 0)
                row += shown(quint8(model_.buffer()->at(model_.position(r, c))));
        rows << row;
    }
    return rows;
}

QRect HexAsciiColumn::cellRect(int row, int column) const {
    return QRect(margin_ + column * charWidth_, row * rowHeight_, charWidth_, rowHeight_);
}

int HexAsciiColumn::rowAt(int y) const {
    return y < 0 ? -1 : y / rowHeight_;
}

int HexAsciiColumn::columnAt(int x) const {
    return qBound(0, (x - margin_) / charWidth_, HexPageModel::Columns - 1);
}

void HexAsciiColumn::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QItemSelectionModel *selection = grid_.selectionModel();
    const bool anySelected = selection && selection->hasSelection();
    const QColor text = palette().color(QPalette::Text);
    const QColor highlighted = palette().color(QPalette::HighlightedText);
    const int baseline =
        (rowHeight_ + painter.fontMetrics().ascent() - painter.fontMetrics().descent()) / 2;
    // A row is drawn as two strings over each other, the plain characters
    // and the selected ones, blanks in between: two texts a row instead of
    // one a character.
    for (int r = 0; r < model_.filledRows(); ++r) {
        QString plain(HexPageModel::Columns, QLatin1Char(' '));
        QString chosen;
        for (int c = 0; c < HexPageModel::Columns; ++c) {
            const qint32 at = model_.position(r, c);
            if (at < 0)
                continue;
            const QChar character = shown(quint8(model_.buffer()->at(at)));
            if (anySelected && selection->isSelected(model_.index(r, c))) {
                painter.fillRect(cellRect(r, c), palette().brush(QPalette::Highlight));
                if (chosen.isEmpty())
                    chosen = QString(HexPageModel::Columns, QLatin1Char(' '));
                chosen[c] = character;
                continue;
            }
            if (!markColours_.isEmpty()) {
                const int mark = model_.markOf(at);
                if (mark > 0 && mark <= markColours_.size())
                    painter.fillRect(cellRect(r, c), markColours_.at(mark - 1));
            }
            plain[c] = character;
        }
        const QPointF origin(margin_, r * rowHeight_ + baseline);
        painter.setPen(text);
        painter.drawText(origin, plain);
        if (!chosen.isEmpty()) {
            painter.setPen(highlighted);
            painter.drawText(origin, chosen);
        }
    }
}

void HexAsciiColumn::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const int row = rowAt(event->position().toPoint().y());
    if (row >= 0 && row < model_.filledRows())
        emit pressed(row, columnAt(event->position().toPoint().x()), event->modifiers());
}

void HexAsciiColumn::mouseMoveEvent(QMouseEvent *event) {
    if (!(event->buttons() & Qt::LeftButton))
        return QWidget::mouseMoveEvent(event);
    const QPoint at = event->position().toPoint();
    emit dragged(at.y() >= height() ? HexPageModel::Rows : rowAt(at.y()), columnAt(at.x()));
}
