#include "operations/progress_text.h"

#include <cmath>
#include <cstdio>

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

    // Built by hand: this runs after every block of an operation.
    char text[32];
    int n = 0;
    text[n++] = ' ';
    if (whole != 0 || fraction == 0)
        n += std::snprintf(text + n, sizeof text - size_t(n), "%lld", whole);
    if (fraction != 0) {
        text[n++] = '.';
        text[n++] = char('0' + fraction / 10);
        if (fraction % 10 != 0)
            text[n++] = char('0' + fraction % 10);
    }
    text[n++] = '%';
    return QString::fromLatin1(text, n);
}

}  // namespace ProgressText
