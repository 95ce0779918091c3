#include "hexview/mark_palette.h"

#include "hexview/contrast.h"

void MarkPalette::add(const QColor &colour, const QString &legend) {
    colours_ << colour;
    legends_ << legend;
    shown_.clear();
}

QColor MarkPalette::behind(int n, const QColor &text) const {
    // Painted for every marked cell: worked out once per text colour.
    if (text != text_ || shown_.size() != colours_.size()) {
        text_ = text;
        shown_.clear();
        for (const QColor &colour : colours_)
            shown_ << Contrast::against(colour, text);
    }
    return shown_.at(n - 1);
}
