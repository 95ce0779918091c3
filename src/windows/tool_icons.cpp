#include "windows/tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace ToolIcons {

namespace {

constexpr int Size = 32;

// A small eight-pin chip, the common ground of the chip operations.
void drawChip(QPainter &p) {
    p.setPen(QPen(QColor(90, 90, 90), 1.5));
    for (int i = 0; i < 4; ++i) {
        const int y = 9 + i * 5;
        p.drawLine(2, y, 7, y);
        p.drawLine(25, y, 30, y);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(45, 45, 55));
    p.drawRoundedRect(QRectF(7, 5, 18, 22), 2, 2);
    p.setBrush(QColor(160, 160, 170));
    p.drawEllipse(QPointF(11, 9), 1.5, 1.5);
}

void drawArrow(QPainter &p, bool down, const QColor &color) {
    // Drawn pointing down; pointing up it is mirrored about the middle row.
    const auto y = [down](qreal v) { return down ? v : 32 - v; };
    QPainterPath path;
    path.moveTo(13, y(8));
    path.lineTo(19, y(8));
    path.lineTo(19, y(16));
    path.lineTo(23, y(16));
    path.lineTo(16, y(24));
    path.lineTo(9, y(16));
    path.lineTo(13, y(16));
    path.closeSubpath();
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(color);
    p.drawPath(path);
}

void drawFolder(QPainter &p) {
    p.setPen(QPen(QColor(150, 110, 20), 1.2));
    p.setBrush(QColor(245, 200, 80));
    QPainterPath path;
    path.moveTo(3, 8);
    path.lineTo(12, 8);
    path.lineTo(14, 11);
    path.lineTo(29, 11);
    path.lineTo(29, 26);
    path.lineTo(3, 26);
    path.closeSubpath();
    p.drawPath(path);
}

void drawDisk(QPainter &p) {
    p.setPen(QPen(QColor(20, 50, 110), 1.2));
    p.setBrush(QColor(60, 110, 200));
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(QColor(235, 235, 240));
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(30, 30, 40));
    p.drawRect(QRectF(9, 18, 14, 10));
}

}  // namespace

QIcon icon(Kind kind) {
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
        case Kind::Open:
            drawFolder(p);
            break;
        case Kind::Save:
            drawDisk(p);
            break;
        case Kind::Read:
            drawChip(p);
            drawArrow(p, true, QColor(40, 160, 60));
            break;
        case Kind::Write:
            drawChip(p);
            drawArrow(p, false, QColor(220, 120, 20));
            break;
        case Kind::Verify:
            drawChip(p);
            p.setPen(QPen(QColor(60, 200, 80), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF({QPointF(10, 16), QPointF(15, 22), QPointF(23, 10)}));
            break;
        case Kind::Erase:
            drawChip(p);
            p.setPen(QPen(QColor(220, 50, 50), 3.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(11, 11, 21, 21);
            p.drawLine(21, 11, 11, 21);
            break;
        case Kind::Auto:
            drawChip(p);
            p.setPen(QPen(QColor(250, 200, 40), 1));
            p.setFont(QFont(p.font().family(), 11, QFont::Bold));
            p.drawText(QRectF(7, 5, 18, 22), Qt::AlignCenter, QStringLiteral("A"));
            break;
        case Kind::Test:
            p.setPen(QPen(QColor(60, 60, 60), 2));
            p.setBrush(QColor(80, 160, 230));
            p.drawRoundedRect(QRectF(6, 10, 20, 12), 3, 3);
            p.drawLine(2, 16, 6, 16);
            p.drawLine(26, 13, 30, 13);
            p.drawLine(26, 19, 30, 19);
            break;
        case Kind::Exit:
            p.setPen(QPen(QColor(110, 70, 30), 1.5));
            p.setBrush(QColor(180, 120, 60));
            p.drawRect(QRectF(8, 4, 16, 24));
            p.setBrush(QColor(250, 220, 80));
            p.drawEllipse(QPointF(20, 16), 1.5, 1.5);
            break;
        case Kind::Stop: {
            // The road sign: a red octagon with a white bar.
            QPolygonF octagon;
            for (int corner = 0; corner < 8; ++corner) {
                const double angle = (corner * 45 + 22.5) * 3.14159265358979 / 180;
                octagon << QPointF(16 + 13 * std::cos(angle), 16 + 13 * std::sin(angle));
            }
            p.setPen(QPen(QColor(140, 20, 20), 1.2));
            p.setBrush(QColor(210, 40, 40));
            p.drawPolygon(octagon);
            p.fillRect(QRectF(9, 14, 14, 4), Qt::white);
            break;
        }
    }
    return QIcon(pixmap);
}

}  // namespace ToolIcons
