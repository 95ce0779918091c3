#include "windows/progress_display.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "operations/operation_progress.h"

namespace {
constexpr qint64 FrameMs = 125;
constexpr int FallbackMs = 250;
}  // namespace

ProgressDisplay::ProgressDisplay(OperationProgress &progress, QProgressBar *bar,
                                 QPushButton *percentage, QLabel *heading)
    : progress_(progress),
      bar_(bar),
      percentage_(percentage),
      heading_(heading),
      fallback_(new QTimer(this)) {
    connect(&progress_, &OperationProgress::started, this, &ProgressDisplay::start);
    connect(&progress_, &OperationProgress::advanced, this, &ProgressDisplay::advance);
    connect(&progress_, &OperationProgress::hidden, this, &ProgressDisplay::hide);
    connect(&progress_, &OperationProgress::showNowRequested, this, &ProgressDisplay::paintPending);
    fallback_->setInterval(FallbackMs);
    connect(fallback_, &QTimer::timeout, this, [this] {
        if (!sincePainted_.isValid() || sincePainted_.elapsed() >= FallbackMs)
            paintNow();
    });
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
    // Both in one pass over the panel they share: one flush, not two.
    if (bar_ && percentage_)
        bar_->parentWidget()->repaint(QRegion(bar_->geometry()) | percentage_->geometry());
    setPainting(false);
    changed_ = false;
    sincePainted_.start();
}

void ProgressDisplay::start() {
    setPainting(true);
    bar_->setVisible(true);
    percentage_->setVisible(true);
    heading_->setVisible(true);
    bar_->setValue(progress_.bar());
    percentage_->setText(progress_.caption());
    // From here on painted between a frame and its reply, or by the slow timer.
    setPainting(false);
    changed_ = true;
    sincePainted_.invalidate();
    fallback_->start();
}

void ProgressDisplay::advance() {
    bar_->setValue(progress_.bar());
    if (progress_.caption() != percentage_->text())
        percentage_->setText(progress_.caption());
    changed_ = true;
}

void ProgressDisplay::frameSent() {
    if (!changed_ || !bar_ || !percentage_ || bar_->isHidden())
        return;
    if (!sincePainted_.isValid() || sincePainted_.elapsed() >= FrameMs)
        paintNow();
}

void ProgressDisplay::paintPending() {
    if (changed_ && bar_ && percentage_ && !bar_->isHidden())
        paintNow();
}

void ProgressDisplay::hide() {
    fallback_->stop();
    setPainting(true);
    bar_->setVisible(false);
    percentage_->setVisible(false);
    heading_->setVisible(false);
    changed_ = false;
}
