#include "operations/progress_text.h"

#include <cmath>

namespace ProgressText {

double percent(qint32 blocksDone, qint32 blockCount) {
    return static_cast<double>(blocksDone) / static_cast<double>(blockCount) * 100.0;
}

int barValue(double percent) {
    return static_cast<int>(std::floor(percent));
}

QString caption(double percent) {
    // nearbyint rounds halves to even in the default rounding mode.
    const long long hundredths = std::llround(std::nearbyint(percent * 100.0));
    const long long whole = hundredths / 100;
    const int fraction = static_cast<int>(hundredths % 100);

    QString text(QLatin1Char(' '));
    if (fraction == 0) {
        text += QString::number(whole);
    } else {
        if (whole != 0)
            text += QString::number(whole);
        text += QLatin1Char('.');
        text += fraction % 10 == 0 ? QString::number(fraction / 10)
                                   : QStringLiteral("%1").arg(fraction, 2, 10, QLatin1Char('0'));
    }
    return text + QLatin1Char('%');
}

}  // namespace ProgressText
