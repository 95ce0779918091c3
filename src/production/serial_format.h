#pragma once

#include <QByteArray>
#include <QString>
#include <limits>

// How a serial number is spelled in the bytes of a chip.
namespace SerialFormat {

enum class Kind {
    LittleEndian,  // binary, lowest byte first
    BigEndian,     // binary, highest byte first
    Bcd,           // packed BCD, two digits a byte, highest first
    Decimal,       // ASCII digits, right-aligned with leading zeros
    Hex,           // ASCII upper-case hex digits, right-aligned with leading zeros
};

constexpr int MinSize = 1;
constexpr int MaxSize = 8;
// The journal keeps numbers as signed 64-bit integers.
constexpr qint64 MaxNumber = std::numeric_limits<qint64>::max();

// "le", "be", "bcd", "dec", "hex", in any case.
bool parse(const QString &name, Kind &kind);
QString name(Kind kind);

// The largest number a field of `size` bytes holds, at most MaxNumber.
qint64 largest(Kind kind, int size);
// The `size` bytes of `number`, which must be at most largest(kind, size).
QByteArray encode(qint64 number, Kind kind, int size);

}  // namespace SerialFormat
