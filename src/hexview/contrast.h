#pragma once

#include <QColor>

class QWidget;

// Colours the program picks itself stay readable under any palette: a text
// keeps a contrast of at least 4.5:1 (WCAG AA) with what lies behind it.
// A colour that already has it is kept as it is, so the light palette shows
// the program's own colours unchanged.
namespace Contrast {

constexpr double Minimum = 4.5;

// WCAG relative luminance, 0 (black) to 1 (white).
double luminance(const QColor &colour);
// WCAG contrast ratio, 1 to 21.
double ratio(const QColor &a, const QColor &b);
// `colour`, or the first shade of it toward black or white, whichever
// parts better from `other`, that keeps `minimum` against `other`.
QColor against(const QColor &colour, const QColor &other, double minimum = Minimum);
// Text on `background`: `preferred` where it is readable, else black or
// white, whichever parts more from the background.
QColor textOn(const QColor &background, const QColor &preferred);

// Shows `widget`'s text in `colour`, made readable against its window
// colour now and whenever its palette changes.
void keepText(QWidget *widget, const QColor &colour);

}  // namespace Contrast
