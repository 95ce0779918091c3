#include "production/serial_format.h"

#include <algorithm>

namespace SerialFormat {

namespace {

struct Named {
    const char *name;
    Kind kind;
};
constexpr Named Names[] = {{"le", Kind::LittleEndian},
                           {"be", Kind::BigEndian},
                           {"bcd", Kind::Bcd},
                           {"dec", Kind::Decimal},
                           {"hex", Kind::Hex}};

// base^digits - 1, or MaxNumber where that is larger.
qint64 allDigits(quint64 base, int digits) {
    quint64 value = 1;
    for (int i = 0; i < digits; ++i) {
        if (value > quint64(MaxNumber) / base)
            return MaxNumber;
        value *= base;
    }
    return qint64(value - 1);
}

// `number` in `base` as `count` digits, highest first.
QByteArray digits(quint64 number, quint64 base, int count) {
    QByteArray out(count, '\0');
    for (int i = count - 1; i >= 0; --i) {
        out[i] = char(number % base);
        number /= base;
    }
    return out;
}

}  // namespace

bool parse(const QString &name, Kind &kind) {
    for (const Named &entry : Names)
        if (name.trimmed().compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) {
            kind = entry.kind;
            return true;
        }
    return false;
}

QString name(Kind kind) {
    for (const Named &entry : Names)
        if (entry.kind == kind)
            return QLatin1String(entry.name);
    return QString();
}

qint64 largest(Kind kind, int size) {
    switch (kind) {
        case Kind::LittleEndian:
        case Kind::BigEndian:
            return allDigits(256, size);
        case Kind::Bcd:
            return allDigits(10, 2 * size);
        case Kind::Decimal:
            return allDigits(10, size);
        case Kind::Hex:
            return allDigits(16, size);
    }
    return 0;
}

QByteArray encode(qint64 number, Kind kind, int size) {
    const auto value = quint64(number);
    switch (kind) {
        case Kind::LittleEndian: {
            QByteArray out = digits(value, 256, size);
            std::reverse(out.begin(), out.end());
            return out;
        }
        case Kind::BigEndian:
            return digits(value, 256, size);
        case Kind::Bcd: {
            const QByteArray nibbles = digits(value, 10, 2 * size);
            QByteArray out(size, '\0');
            for (int i = 0; i < size; ++i)
                out[i] = char((nibbles[2 * i] << 4) | nibbles[2 * i + 1]);
            return out;
        }
        case Kind::Decimal:
        case Kind::Hex: {
            QByteArray out = digits(value, kind == Kind::Hex ? 16 : 10, size);
            for (char &digit : out)
                digit = "0123456789ABCDEF"[int(digit)];
            return out;
        }
    }
    return QByteArray(size, '\0');
}

}  // namespace SerialFormat
