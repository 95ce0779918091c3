#include "operations/progress_display.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "operations/progress_text.h"
#include "windows/texts.h"

namespace {
constexpr qint64 FrameMs = 125;
constexpr int FallbackMs = 250;
}  // namespace

ProgressDisplay::ProgressDisplay(QProgressBar *bar, QPushButton *percentage, QLabel *heading)
    : bar_(bar), percentage_(percentage), heading_(heading), fallback_(new QTimer(this)) {
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
    bar_->setValue(0);
    percentage_->setText(Texts::PercentStart);
    // From here on painted between a frame and its reply, or by the slow timer.
    setPainting(false);
    changed_ = true;
    sincePainted_.invalidate();
    fallback_->start();
}

void ProgressDisplay::blockDone(qint32 block, qint32 blockCount) {
    const double p = ProgressText::percent(block, blockCount);
    bar_->setValue(ProgressText::barValue(p));
    const QString caption = ProgressText::caption(p);
    if (caption != percentage_->text())
        percentage_->setText(caption);
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
