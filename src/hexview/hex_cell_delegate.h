#pragma once

#include <QColor>
#include <QList>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <array>

// Paints a hex cell: its two digits, centred. The 256 possible texts are laid
// out once; the general delegate lays out every cell's text at every paint,
// which made a page redraw several times slower.
class HexCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

    // The background of the cells in mark set n (from 1), in order.
    void addMarkColour(const QColor &colour) { markColours_ << colour; }

private:
    void prepare(const QFont &font) const;

    QList<QColor> markColours_;
    mutable std::array<QStaticText, 256> texts_;
    mutable QFont font_;
    mutable bool prepared_ = false;
};
