#include "windows/site_tile.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "hexview/contrast.h"
#include "messages/production_window_texts.h"

namespace T = ProductionWindowTexts;
using State = ProductionDesk::SiteView::State;

SiteTile::SiteTile(QWidget *parent)
    : QFrame(parent),
      title_(new QLabel(this)),
      state_label_(new QLabel(this)),
      progress_(new QProgressBar(this)),
      serial_(new QLabel(this)),
      counts_(new QLabel(this)) {
    setObjectName(QStringLiteral("siteTile"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setMinimumWidth(220);
    QFont big = font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    state_label_->setFont(big);
    state_label_->setObjectName(QStringLiteral("siteState"));
    state_label_->setWordWrap(true);
    progress_->setRange(0, 100);
    progress_->setTextVisible(true);
    auto *layout = new QVBoxLayout(this);
    for (QWidget *widget : {static_cast<QWidget *>(title_), static_cast<QWidget *>(state_label_),
                            static_cast<QWidget *>(progress_), static_cast<QWidget *>(serial_),
                            static_cast<QWidget *>(counts_)})
        layout->addWidget(widget);
}

QColor SiteTile::colour(State state, const QPalette &palette) {
    switch (state) {
        case State::Programming:
            return QColor(0x4a, 0x90, 0xd9);
        case State::Passed:
            return QColor(0x2e, 0xa0, 0x43);
        case State::Failed:
            return QColor(0xd0, 0x2b, 0x2b);
        case State::Lost:
            return QColor(0x8a, 0x8a, 0x8a);
        case State::Waiting:
            break;
    }
    return palette.color(QPalette::Base);
}

QString SiteTile::stateText() const {
    return state_label_->text();
}

void SiteTile::show(int number, const ProductionDesk::SiteView &view) {
    state_ = view.state;
    title_->setText(T::SiteTitle().arg(number).arg(view.device));
    switch (view.state) {
        case State::Waiting:
            state_label_->setText(T::Waiting());
            break;
        case State::Programming:
            state_label_->setText(T::Programming().arg(view.percent));
            break;
        case State::Passed:
            state_label_->setText(T::Passed());
            break;
        case State::Failed:
            state_label_->setText(T::Failed().arg(view.reason));
            break;
        case State::Lost:
            state_label_->setText(T::Lost());
            break;
    }
    progress_->setVisible(view.state == State::Programming);
    progress_->setValue(view.percent);
    serial_->setText(
        T::Serial().arg(view.serial < 0 ? QStringLiteral("-") : QString::number(view.serial)));
    counts_->setText(T::Counts().arg(view.passed).arg(view.failed));

    // The window's own palette, not the last state's shades.
    const QPalette own = parentWidget() ? parentWidget()->palette() : QPalette();
    QPalette shades = own;
    const QColor background = colour(view.state, own);
    shades.setColor(QPalette::Window, background);
    shades.setColor(QPalette::WindowText,
                    Contrast::textOn(background, own.color(QPalette::WindowText)));
    setPalette(shades);
}
