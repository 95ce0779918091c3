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

    // Built by hand: this runs after every block of an operation.
    char text[32];
    int n = 0;
    text[n++] = ' ';
    if (whole != 0 || fraction == 0) {
        char digits[24];
        int count = 0;
        unsigned long long rest = static_cast<unsigned long long>(whole < 0 ? -whole : whole);
        do {
            digits[count++] = char('0' + rest % 10);
            rest /= 10;
        } while (rest != 0);
        if (whole < 0)
            text[n++] = '-';
        while (count > 0)
            text[n++] = digits[--count];
    }
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
