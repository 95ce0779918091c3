#include "production/serial_profile.h"

#include <QStringList>

#include "messages/production_texts.h"

namespace {

QString hex(qint64 value) {
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

QString SerialProfile::problem(qint32 capacity, const QString &model) const {
    using namespace ProductionTexts;
    if (step < 1)
        return BadStep();
    for (int i = 0; i < fields.size(); ++i) {
        const SerialField &field = fields[i];
        if (field.size < SerialFormat::MinSize || field.size > SerialFormat::MaxSize)
            return BadSize().arg(field.size);
        const qint64 first = field.address;
        const qint64 lastByte = first + field.size - 1;
        if (first < 0 || lastByte >= capacity)
            return PastCapacity().arg(hex(first), hex(lastByte), model).arg(capacity);
        for (int j = 0; j < i; ++j) {
            const SerialField &other = fields[j];
            if (first < other.address + other.size && other.address <= lastByte)
                return Overlapping().arg(hex(first), hex(lastByte), hex(other.address),
                                         hex(other.address + other.size - 1));
        }
        const qint64 largest = SerialFormat::largest(field.kind, field.size);
        for (const qint64 number : {start, end}) {
            if (number != NoEnd && (number < 0 || number > largest))
                return DoesNotFit()
                    .arg(number)
                    .arg(field.size)
                    .arg(SerialFormat::name(field.kind))
                    .arg(largest);
        }
    }
    if (end != NoEnd && end < start)
        return EndBeforeStart().arg(end).arg(start);
    return QString();
}

qint64 SerialProfile::last() const {
    if (end != NoEnd)
        return end;
    qint64 last = SerialFormat::MaxNumber;
    for (const SerialField &field : fields)
        last = qMin(last, SerialFormat::largest(field.kind, field.size));
    return last;
}

qint64 SerialProfile::after(qint64 number) const {
    return number > last() - step ? NoEnd : number + step;
}

void SerialProfile::apply(QByteArray &image, qint64 number) const {
    for (const SerialField &field : fields)
        image.replace(field.address, field.size,
                      SerialFormat::encode(number, field.kind, field.size));
}

QString SerialProfile::written(qint64 number) const {
    QStringList parts;
    for (const SerialField &field : fields)
        parts << hex(field.address) + QStringLiteral(": ") +
                     QString::fromLatin1(
                         SerialFormat::encode(number, field.kind, field.size).toHex(' ').toUpper());
    return parts.join(QStringLiteral("; "));
}

QString SerialProfile::fieldsText() const {
    QStringList parts;
    for (const SerialField &field : fields)
        parts << QStringLiteral("0x%1:%2:%3")
                     .arg(hex(field.address))
                     .arg(field.size)
                     .arg(SerialFormat::name(field.kind));
    return parts.join(QLatin1Char(' '));
}

bool SerialProfile::parseFields(const QString &text, QList<SerialField> &fields) {
    fields.clear();
    for (const QString &part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList pieces = part.split(QLatin1Char(':'));
        SerialField field;
        bool addressOk = false;
        bool sizeOk = false;
        if (pieces.size() != 3)
            return false;
        field.address = pieces[0].toLongLong(&addressOk, 0);
        field.size = pieces[1].toInt(&sizeOk);
        if (!addressOk || !sizeOk || !SerialFormat::parse(pieces[2], field.kind))
            return false;
        fields << field;
    }
    return true;
}
