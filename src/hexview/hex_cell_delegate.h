#pragma once

#include <QStaticText>
#include <QStyledItemDelegate>
#include <array>

// Paints a hex cell: its two digits, centred. The 256 possible texts are laid
// out once; the general delegate lays out every cell's text at every paint,
// which made a page redraw several times slower.
class MarkPalette;

class HexCellDelegate : public QStyledItemDelegate {
public:
    HexCellDelegate(const MarkPalette &marks, QObject *parent)
        : QStyledItemDelegate(parent), markPalette_(marks) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    void prepare(const QFont &font) const;

    const MarkPalette &markPalette_;
    mutable std::array<QStaticText, 256> texts_;
    mutable QFont font_;
    mutable bool prepared_ = false;
};
