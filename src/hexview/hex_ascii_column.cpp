#include "hexview/hex_ascii_column.h"

#include <QFontDatabase>
#include <QGlyphRun>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPainter>
#include <QTableView>
#include <bitset>

#include "hexview/hex_page_model.h"
#include "hexview/mark_palette.h"

HexAsciiColumn::HexAsciiColumn(const HexPageModel &model, const QTableView &grid,
                               const MarkPalette &marks, int rowHeight, QWidget *parent)
    : QWidget(parent), model_(model), grid_(grid), markPalette_(marks), rowHeight_(rowHeight) {
    setObjectName(QStringLiteral("lstAscii"));
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    const QFontMetrics metrics(font());
    charWidth_ = metrics.horizontalAdvance(QLatin1Char('0'));
    prepareGlyphs();
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

void HexAsciiColumn::prepareGlyphs() {
    // The 256 characters' glyphs, found once: a page is then drawn as one or
    // two runs of laid-out glyphs instead of being laid out as text.
    raw_ = QRawFont::fromFont(font());
    QString characters;
    for (int byte = 0; byte < 256; ++byte)
        characters += shown(quint8(byte));
    const QList<quint32> glyphs = raw_.glyphIndexesForString(characters);
    if (!raw_.isValid() || glyphs.size() != 256)
        raw_ = QRawFont();
    for (int byte = 0; byte < 256 && raw_.isValid(); ++byte)
        glyphs_[size_t(byte)] = glyphs.at(byte);
}

void HexAsciiColumn::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    // The selected cells of the page, read once from the grid's ranges.
    std::bitset<HexPageModel::PageSize> selected;
    if (const QItemSelectionModel *selection = grid_.selectionModel())
        for (const QItemSelectionRange &range : selection->selection())
            for (int r = range.top(); r <= range.bottom(); ++r)
                for (int c = range.left(); c <= range.right(); ++c)
                    selected.set(size_t(r * HexPageModel::Columns + c));

    const qreal baseline = (rowHeight_ + raw_.ascent() - raw_.descent()) / 2;
    QList<quint32> plainGlyphs, chosenGlyphs;
    QList<QPointF> plainAt, chosenAt;
    plainGlyphs.reserve(HexPageModel::PageSize);
    plainAt.reserve(HexPageModel::PageSize);
    QString plainText, chosenText;  // without a raw font
    for (int r = 0; r < model_.filledRows(); ++r) {
        for (int c = 0; c < HexPageModel::Columns; ++c) {
            const qint32 at = model_.position(r, c);
            if (at < 0)
                continue;
            const auto byte = quint8(model_.buffer()->at(at));
            const QPointF origin(margin_ + c * charWidth_, r * rowHeight_ + baseline);
            const bool chosen = selected.test(size_t(r * HexPageModel::Columns + c));
            if (chosen) {
                painter.fillRect(cellRect(r, c), palette().brush(QPalette::Highlight));
            } else if (markPalette_.size() > 0) {
                const int mark = model_.markOf(at);
                if (mark > 0 && mark <= markPalette_.size())
                    painter.fillRect(cellRect(r, c),
                                     markPalette_.behind(mark, palette().color(QPalette::Text)));
            }
            if (!raw_.isValid()) {
                painter.setPen(
                    palette().color(chosen ? QPalette::HighlightedText : QPalette::Text));
                painter.drawText(cellRect(r, c), Qt::AlignCenter, QString(shown(byte)));
                continue;
            }
            (chosen ? chosenGlyphs : plainGlyphs) << glyphs_[byte];
            (chosen ? chosenAt : plainAt) << origin;
        }
    }
    const auto draw = [&](const QList<quint32> &glyphs, const QList<QPointF> &at,
                          QPalette::ColorRole role) {
        if (glyphs.isEmpty())
            return;
        QGlyphRun run;
        run.setRawFont(raw_);
        run.setGlyphIndexes(glyphs);
        run.setPositions(at);
        painter.setPen(palette().color(role));
        painter.drawGlyphRun(QPointF(0, 0), run);
    };
    draw(plainGlyphs, plainAt, QPalette::Text);
    draw(chosenGlyphs, chosenAt, QPalette::HighlightedText);
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
