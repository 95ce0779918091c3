#pragma once

#include <QString>

// The progress display after block k of blocks 0..blockCount: the bar shows
// the share rounded down, the caption the share rounded to two places (halves
// to even) written as " 3.23%", " .01%", " 100%".
namespace ProgressText {

double percent(qint32 blocksDone, qint32 blockCount);
int barValue(double percent);
QString caption(double percent);

}  // namespace ProgressText
