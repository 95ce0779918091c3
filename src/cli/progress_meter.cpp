#include "cli/progress_meter.h"

#include "chips/chip_buffer.h"
#include "cli/console.h"
#include "messages/cli_texts.h"
#include "operations/chip_operations.h"
#include "operations/operation_progress.h"

namespace {
constexpr qint64 IntervalMs = 100;

QString duration(qint64 ms) {
    const qint64 seconds = (ms + 999) / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
}  // namespace

ProgressMeter::ProgressMeter(OperationProgress &progress, const ChipOperations &operations,
                             const ChipBuffer &buffer, Console &console, QObject *parent)
    : QObject(parent),
      progress_(progress),
      operations_(operations),
      buffer_(buffer),
      console_(console) {
    if (!console_.showsProgress())
        return;
    connect(&progress_, &OperationProgress::started, this, [this] {
        sinceStart_.start();
        sinceShown_.invalidate();
        show(true);
    });
    connect(&progress_, &OperationProgress::advanced, this, [this] { show(false); });
    connect(&progress_, &OperationProgress::hidden, this, [this] {
        if (sinceStart_.isValid())
            show(true);
        sinceStart_.invalidate();
    });
}

void ProgressMeter::show(bool force) {
    if (!force && sinceShown_.isValid() && sinceShown_.elapsed() < IntervalMs)
        return;
    sinceShown_.start();
    const qint64 done = operations_.BlockIndex;
    const qint64 blocks = qint64(buffer_.BlockCount()) + 1;
    const qint64 elapsed = sinceStart_.isValid() ? sinceStart_.elapsed() : 0;
    const qint64 left = done > 0 ? elapsed * (blocks - done) / done : 0;
    console_.progress(CliTexts::Progress()
                          .arg(progress_.caption().trimmed(), -7)
                          .arg(done)
                          .arg(blocks)
                          .arg(duration(left)));
}
