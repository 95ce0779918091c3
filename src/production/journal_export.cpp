#include "production/journal_export.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include "messages/production_texts.h"

namespace JournalExport {

namespace {

// In the program's way, "0042H": a spreadsheet keeps it as text.
QString hex(qint64 value, int digits) {
    return value < 0 ? QString()
                     : QStringLiteral("%1H").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

QStringList header() {
    using namespace ProductionTexts;
    return {ColumnRecord(), ColumnJob(),     ColumnModel(),    ColumnStation(),
            ColumnSite(),   ColumnSerial(),  ColumnWritten(),  ColumnStarted(),
            ColumnEnded(),  ColumnOutcome(), ColumnMismatch(), ColumnCrc()};
}

QStringList fields(const JournalRecord &r) {
    return {QString::number(r.id),
            r.job,
            r.model,
            r.station,
            r.site,
            r.serial < 0 ? QString() : QString::number(r.serial),
            r.written,
            r.started,
            r.ended,
            RecordOutcomes::text(r.outcome),
            hex(r.mismatchAt, 4),
            hex(r.chipCrc, 8)};
}

QString quoted(QString field) {
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')))
        return field;
    field.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QString csvLine(const QStringList &row) {
    QStringList out;
    for (const QString &field : row)
        out << quoted(field);
    return out.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

QJsonValue orNull(qint64 value) {
    return value < 0 ? QJsonValue() : QJsonValue(value);
}

QJsonValue orNull(const QString &text) {
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

}  // namespace

QString table(const QList<JournalRecord> &records) {
    QString out = header().join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const JournalRecord &record : records)
        out += fields(record).join(QLatin1Char('\t')) + QLatin1Char('\n');
    return out;
}

QByteArray csv(const QList<JournalRecord> &records) {
    QString out = csvLine(header());
    for (const JournalRecord &record : records)
        out += csvLine(fields(record));
    return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}

QByteArray json(const QList<JournalRecord> &records) {
    QJsonArray array;
    for (const JournalRecord &r : records) {
        array.append(QJsonObject{
            {QStringLiteral("record"), r.id},
            {QStringLiteral("job"), r.job},
            {QStringLiteral("model"), r.model},
            {QStringLiteral("station"), r.station},
            {QStringLiteral("site"), r.site},
            {QStringLiteral("serial"), orNull(r.serial)},
            {QStringLiteral("written"), orNull(r.written)},
            {QStringLiteral("started"), r.started},
            {QStringLiteral("ended"), orNull(r.ended)},
            {QStringLiteral("outcome"), RecordOutcomes::exportCode(r.outcome)},
            {QStringLiteral("mismatch_at"), orNull(r.mismatchAt)},
            {QStringLiteral("chip_crc32"),
             r.chipCrc < 0
                 ? QJsonValue()
                 : QJsonValue(
                       QStringLiteral("%1").arg(r.chipCrc, 8, 16, QLatin1Char('0')).toUpper())},
        });
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

}  // namespace JournalExport
