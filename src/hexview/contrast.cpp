#include "hexview/contrast.h"

#include <QEvent>
#include <QPalette>
#include <QWidget>
#include <cmath>

namespace {

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

QColor mixed(const QColor &colour, const QColor &toward, double share) {
    return QColor::fromRgbF(float(colour.redF() + (toward.redF() - colour.redF()) * share),
                            float(colour.greenF() + (toward.greenF() - colour.greenF()) * share),
                            float(colour.blueF() + (toward.blueF() - colour.blueF()) * share));
}

// Keeps a widget's text colour readable when the palette changes.
class TextKeeper : public QObject {
public:
    TextKeeper(QWidget *widget, const QColor &colour) : QObject(widget), colour_(colour) {
        apply(widget);
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::PaletteChange && !applying_)
            apply(static_cast<QWidget *>(watched));
        return false;
    }

private:
    void apply(QWidget *widget) {
        applying_ = true;
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText,
                         Contrast::against(colour_, palette.color(QPalette::Window)));
        widget->setPalette(palette);
        applying_ = false;
    }

    QColor colour_;
    bool applying_ = false;
};

}  // namespace

double Contrast::luminance(const QColor &colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double Contrast::ratio(const QColor &a, const QColor &b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor Contrast::against(const QColor &colour, const QColor &other, double minimum) {
    if (ratio(colour, other) >= minimum)
        return colour;
    const QColor extreme =
        ratio(Qt::black, other) >= ratio(Qt::white, other) ? QColor(Qt::black) : QColor(Qt::white);
    for (int step = 1; step < 20; ++step) {
        const QColor shade = mixed(colour, extreme, step / 20.0);
        if (ratio(shade, other) >= minimum)
            return shade;
    }
    return extreme;
}

QColor Contrast::textOn(const QColor &background, const QColor &preferred) {
    if (ratio(preferred, background) >= Minimum)
        return preferred;
    return ratio(Qt::black, background) >= ratio(Qt::white, background) ? QColor(Qt::black)
                                                                        : QColor(Qt::white);
}

void Contrast::keepText(QWidget *widget, const QColor &colour) {
    new TextKeeper(widget, colour);
}
