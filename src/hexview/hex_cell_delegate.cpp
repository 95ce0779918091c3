#include "hexview/hex_cell_delegate.h"

#include <QPainter>

#include "hexview/hex_page_model.h"
#include "hexview/mark_palette.h"

void HexCellDelegate::prepare(const QFont &font) const {
    if (prepared_ && font == font_)
        return;
    font_ = font;
    for (int value = 0; value < 256; ++value) {
        QStaticText &text = texts_[size_t(value)];
        text.setText(QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper());
        text.setTextFormat(Qt::PlainText);
        text.prepare(QTransform(), font);
    }
    prepared_ = true;
}

void HexCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const {
    const bool selected = option.state & QStyle::State_Selected;
    if (selected) {
        painter->fillRect(option.rect, option.palette.brush(QPalette::Highlight));
    } else if (markPalette_.size() > 0) {
        const int mark = index.data(HexPageModel::MarkRole).toInt();
        if (mark > 0 && mark <= markPalette_.size())
            painter->fillRect(option.rect,
                              markPalette_.behind(mark, option.palette.color(QPalette::Text)));
    }
    const int value = index.data(HexPageModel::ByteRole).toInt();
    if (value < 0)
        return;
    prepare(option.font);
    const QStaticText &text = texts_[size_t(value)];
    const QSizeF size = text.size();
    const QPointF at(option.rect.x() + (option.rect.width() - size.width()) / 2,
                     option.rect.y() + (option.rect.height() - size.height()) / 2);
    painter->save();
    painter->setFont(option.font);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawStaticText(at, text);
    painter->restore();
}
