#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "production/serial_format.h"

// Where a serial number goes in the image, and in which form.
struct SerialField {
    qint64 address = 0;
    int size = 4;
    SerialFormat::Kind kind = SerialFormat::Kind::LittleEndian;

    bool operator==(const SerialField &other) const {
        return address == other.address && size == other.size && kind == other.kind;
    }
};

// The numbers of a production job: the fields each chip's number is written
// into (one or more, all carrying the same number), the first number, the
// step and the last one. Without fields the job numbers no chip.
class SerialProfile {
public:
    static constexpr qint64 NoEnd = -1;

    QList<SerialField> fields;
    qint64 start = 1;
    qint64 step = 1;
    qint64 end = NoEnd;  // NoEnd: as far as every field holds

    bool numbers() const { return !fields.isEmpty(); }
    // Why the profile cannot number chips of `capacity` bytes of `model`, or
    // an empty text: a field outside the chip or over another, a number that
    // a field cannot hold.
    QString problem(qint32 capacity, const QString &model) const;
    // The last number of the job: `end`, or the largest every field holds.
    qint64 last() const;
    // The number after `number`, or NoEnd when `number` was the last.
    qint64 after(qint64 number) const;

    // `number` written into every field of `image`.
    void apply(QByteArray &image, qint64 number) const;
    // What apply() writes, as the journal keeps it: "0010: 39 30 00 00; 0040: 31 32"
    // (blanks keep a spreadsheet from taking it for a number or a time).
    QString written(qint64 number) const;

    // The fields as the journal keeps them, "0x0010:4:le 0x0040:8:dec", and back.
    QString fieldsText() const;
    static bool parseFields(const QString &text, QList<SerialField> &fields);
};
