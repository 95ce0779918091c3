#include "operations/progress_display.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "operations/progress_text.h"
#include "windows/texts.h"

ProgressDisplay::ProgressDisplay(QProgressBar *bar, QPushButton *percentage, QLabel *heading)
    : bar_(bar), percentage_(percentage), heading_(heading)
{
}

void ProgressDisplay::start()
{
    bar_->setVisible(true);
    percentage_->setVisible(true);
    heading_->setVisible(true);
    bar_->setValue(0);
    percentage_->setText(Texts::PercentStart);
}

void ProgressDisplay::blockDone(qint32 block, qint32 blockCount)
{
    const double p = ProgressText::percent(block, blockCount);
    bar_->setValue(ProgressText::barValue(p));
    percentage_->setText(ProgressText::caption(p));
}

void ProgressDisplay::hide()
{
    bar_->setVisible(false);
    percentage_->setVisible(false);
    heading_->setVisible(false);
}
