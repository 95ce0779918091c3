#pragma once

#include <QIcon>
#include <QImage>

class QPainter;

// The program's pictures, drawn at run time so that the program ships no image
// files. The maker may replace the company pictures with its own. All of them
// need a QGuiApplication for their fonts.
namespace Pictures {

// A stylised chip, size × size pixels, transparent around it.
QImage programIconImage(int size);
// Paints that chip into the square (0, 0)–(size, size) of any paint device,
// e.g. an SVG generator for the installed icon.
void paintProgramIcon(QPainter &painter, qreal size);
// The chip at the usual icon sizes, for window icons and picIcon.
QIcon programIcon();

// Form3's window background, 632 × 420, 24 bits per pixel.
QImage companyBackground();
// Form3's banner in Picture1, 565 × 59, 24 bits per pixel.
QImage companyBanner();
// Form2's background, 497 × 330, 24 bits per pixel: a title band at the top,
// the connection hint below it, and a calm lower third for the two buttons.
QImage startupBackground();

}  // namespace Pictures
