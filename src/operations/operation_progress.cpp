#include "operations/operation_progress.h"

#include "messages/texts.h"
#include "operations/progress_text.h"

void OperationProgress::start() {
    shown_ = true;
    bar_ = 0;
    caption_ = Texts::PercentStart();
    emit started();
}

void OperationProgress::blockDone(qint32 block, qint32 blockCount) {
    const double p = ProgressText::percent(block, blockCount);
    bar_ = ProgressText::barValue(p);
    caption_ = ProgressText::caption(p);
    emit advanced();
}

void OperationProgress::hide() {
    shown_ = false;
    emit hidden();
}
