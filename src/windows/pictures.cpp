#include "windows/pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "messages/info_texts.h"

namespace {

const QColor DeepBlue(0x0d, 0x3b, 0x66);
const QColor MidBlue(0x1b, 0x6c, 0xa8);
const QColor Teal(0x2a, 0x9d, 0x8f);
const QColor Ink(0x23, 0x36, 0x4a);

// Painting straight into RGB888 is slow and not supported by every paint
// engine path; draw in RGB32 and convert once.
QImage canvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QFont pixelFont(int pixels, bool bold) {
    QFont font = QGuiApplication::font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A title on one line: smaller type when a translation is longer than the room.
void drawTitle(QPainter &painter, const QRectF &rect, int pixels) {
    const QString title = InfoTexts::ProgramName();
    QFont font = pixelFont(pixels, true);
    while (font.pixelSize() > 12 && QFontMetricsF(font).horizontalAdvance(title) > rect.width())
        font.setPixelSize(font.pixelSize() - 1);
    painter.setFont(font);
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, title);
}

// Fills rect with the program's blue-to-teal title band.
void drawTitleBand(QPainter &painter, const QRectF &rect) {
    QLinearGradient band(rect.topLeft(), rect.topRight());
    band.setColorAt(0.0, DeepBlue);
    band.setColorAt(0.6, MidBlue);
    band.setColorAt(1.0, Teal);
    painter.fillRect(rect, band);
    QLinearGradient gloss(rect.topLeft(), rect.bottomLeft());
    gloss.setColorAt(0.0, QColor(255, 255, 255, 46));
    gloss.setColorAt(0.5, QColor(255, 255, 255, 0));
    painter.fillRect(rect, gloss);
}

// Fills rect with the pale paper shade behind the windows' texts.
void fillPaper(QPainter &painter, const QRectF &rect) {
    QLinearGradient paper(rect.topLeft(), rect.bottomLeft());
    paper.setColorAt(0.0, QColor(0xf6, 0xf9, 0xfc));
    paper.setColorAt(1.0, QColor(0xdc, 0xe6, 0xf0));
    painter.fillRect(rect, paper);
}

// Circuit-board traces: lines that run across area, bend once and end in a pad.
void drawTraces(QPainter &painter, const QRectF &area, const QColor &color, int count) {
    painter.save();
    painter.setClipRect(area);
    painter.setPen(QPen(color, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    const qreal step = area.height() / (count + 1);
    for (int i = 0; i < count; ++i) {
        const qreal y = area.top() + step * (i + 1);
        const qreal bendX = area.left() + area.width() * (0.25 + 0.12 * (i % 4));
        const qreal rise = (i % 2 ? 1 : -1) * step * 0.8;
        const qreal endX = area.right() - area.width() * 0.08 * (i % 3);
        QPolygonF line;
        line << QPointF(area.left() - 4, y) << QPointF(bendX, y)
             << QPointF(bendX + qAbs(rise), y + rise) << QPointF(endX - 8, y + rise);
        painter.drawPolyline(line);
        painter.drawEllipse(QPointF(endX - 4, y + rise), 4, 4);
    }
    painter.restore();
}

}  // namespace

namespace Pictures {

void paintProgramIcon(QPainter &painter, qreal size) {
    painter.save();
    painter.scale(size / 64.0, size / 64.0);
    painter.setPen(Qt::NoPen);

    // Four pins on either side, shaded light to dark under a thin dark top
    // edge. Each pin has its own gradient: SVG keeps no repeating ones.
    const QColor pinLight(0xe4, 0xe8, 0xec);
    const QColor pinDark(0x95, 0x9e, 0xa8);
    const QColor pinEdge = QColor::fromRgbF((pinLight.redF() + 5 * pinDark.redF()) / 6,
                                            (pinLight.greenF() + 5 * pinDark.greenF()) / 6,
                                            (pinLight.blueF() + 5 * pinDark.blueF()) / 6);
    const QGradientStops pinStops = {
        {0.0, pinEdge}, {1 / 6.0, pinDark}, {1 / 6.0 + 0.001, pinLight}, {1.0, pinEdge}};
    for (int i = 0; i < 4; ++i) {
        const qreal y = 11 + i * 12;
        QLinearGradient pin(0, y, 0, y + 6);
        pin.setStops(pinStops);
        painter.setBrush(pin);
        painter.drawRoundedRect(QRectF(4, y, 12, 6), 1.5, 1.5);
        painter.drawRoundedRect(QRectF(48, y, 12, 6), 1.5, 1.5);
    }

    // The body with the notch that marks pin 1's end.
    QPainterPath body;
    body.addRoundedRect(QRectF(13, 5, 38, 54), 4, 4);
    QPainterPath notch;
    notch.addEllipse(QPointF(32, 5), 6, 6);
    QLinearGradient shade(13, 5, 51, 59);
    shade.setColorAt(0.0, QColor(0x4a, 0x52, 0x5c));
    shade.setColorAt(1.0, QColor(0x1a, 0x1e, 0x23));
    painter.setBrush(shade);
    painter.drawPath(body.subtracted(notch));

    // A printed label and the pin-1 dot.
    QLinearGradient label(19, 24, 45, 42);
    label.setColorAt(0.0, MidBlue.lighter(130));
    label.setColorAt(1.0, Teal);
    painter.setBrush(label);
    painter.drawRoundedRect(QRectF(19, 24, 26, 18), 2.5, 2.5);
    painter.setBrush(QColor(0x8a, 0x93, 0x9e));
    painter.drawEllipse(QPointF(20, 15), 2.5, 2.5);
    painter.restore();
}

QImage programIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintProgramIcon(painter, size);
    return image;
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(programIconImage(size)));
    return icon;
}

QImage companyBackground() {
    QImage image = canvas(632, 420);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    fillPaper(painter, image.rect());
    drawTraces(painter, QRectF(300, 250, 332, 150), QColor(27, 108, 168, 28), 6);
    drawTitleBand(painter, QRectF(0, image.height() - 6, image.width(), 6));
    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

QImage companyBanner() {
    QImage image = canvas(565, 59);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    drawTitleBand(painter, image.rect());
    drawTraces(painter, QRectF(380, 0, 185, 59), QColor(255, 255, 255, 40), 3);
    painter.drawImage(QPointF(10, 7), programIconImage(45));
    painter.setPen(Qt::white);
    drawTitle(painter, QRectF(66, 0, 440, 59), 26);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

QImage startupBackground() {
    QImage image = canvas(497, 330);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    fillPaper(painter, image.rect());
    drawTraces(painter, QRectF(0, 250, 497, 80), QColor(27, 108, 168, 24), 3);

    const QRectF band(0, 0, image.width(), 112);
    drawTitleBand(painter, band);
    drawTraces(painter, QRectF(330, 0, 167, 112), QColor(255, 255, 255, 36), 4);
    painter.drawImage(QPointF(24, 24), programIconImage(64));
    painter.setPen(Qt::white);
    drawTitle(painter, QRectF(104, 0, 380, 112), 30);

    // The hint, marked by a small "i" in a circle.
    const QRectF mark(28, 138, 24, 24);
    painter.setPen(Qt::NoPen);
    painter.setBrush(MidBlue);
    painter.drawEllipse(mark);
    painter.setPen(Qt::white);
    painter.setFont(pixelFont(16, true));
    painter.drawText(mark, Qt::AlignCenter, QStringLiteral("i"));
    painter.setPen(Ink);
    painter.setFont(pixelFont(15, false));
    painter.drawText(QRectF(64, 136, 405, 80), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     InfoTexts::StartupHint());
    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

}  // namespace Pictures
