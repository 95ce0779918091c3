#include "operations/progress_display.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "operations/progress_text.h"
#include "windows/texts.h"

namespace {
constexpr int FrameMs = 80;
}

ProgressDisplay::ProgressDisplay(QProgressBar *bar, QPushButton *percentage, QLabel *heading)
    : bar_(bar), percentage_(percentage), heading_(heading), frame_(new QTimer(this)) {
    frame_->setInterval(FrameMs);
    connect(frame_, &QTimer::timeout, this, &ProgressDisplay::paintNow);
}

ProgressDisplay::~ProgressDisplay() = default;

void ProgressDisplay::setPainting(bool on) {
    if (bar_)
        bar_->setUpdatesEnabled(on);
    if (percentage_)
        percentage_->setUpdatesEnabled(on);
}

void ProgressDisplay::paintNow() {
    setPainting(true);
    if (bar_)
        bar_->repaint();
    if (percentage_)
        percentage_->repaint();
    setPainting(false);
}

void ProgressDisplay::start() {
    setPainting(true);
    bar_->setVisible(true);
    percentage_->setVisible(true);
    heading_->setVisible(true);
    bar_->setValue(0);
    percentage_->setText(Texts::PercentStart);
    // Painted by the frame timer from here on.
    setPainting(false);
    frame_->start();
}

void ProgressDisplay::blockDone(qint32 block, qint32 blockCount) {
    const double p = ProgressText::percent(block, blockCount);
    bar_->setValue(ProgressText::barValue(p));
    const QString caption = ProgressText::caption(p);
    if (caption != percentage_->text())
        percentage_->setText(caption);
}

void ProgressDisplay::hide() {
    frame_->stop();
    setPainting(true);
    bar_->setVisible(false);
    percentage_->setVisible(false);
    heading_->setVisible(false);
}
