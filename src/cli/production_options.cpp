#include "cli/production_options.h"

#include <QCommandLineParser>

#include "messages/cli_texts.h"

namespace {

const QString At = QStringLiteral("serial-at");
const QString Size = QStringLiteral("serial-size");
const QString Format = QStringLiteral("serial-format");
const QString Start = QStringLiteral("serial-start");
const QString Step = QStringLiteral("serial-step");
const QString End = QStringLiteral("serial-end");
const QString Job = QStringLiteral("job");
const QString JournalOption = QStringLiteral("journal");

// Decimal, or hex after 0x.
bool number(const QString &text, qint64 &value) {
    const QString t = text.trimmed();
    bool ok = false;
    value = t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? t.mid(2).toLongLong(&ok, 16)
                                                                   : t.toLongLong(&ok, 10);
    return ok && value >= 0;
}

bool number(const QString &option, const QString &text, qint64 &value, QString &error) {
    if (number(text, value))
        return true;
    error = CliTexts::BadNumber().arg(QStringLiteral("--") + option, text);
    return false;
}

// Given once for every field, or once for each.
bool perField(const QString &option, const QStringList &values, int fields, QString &error) {
    if (values.size() <= 1 || values.size() == fields)
        return true;
    error = CliTexts::PerField().arg(QStringLiteral("--") + option);
    return false;
}

}  // namespace

QList<QCommandLineOption> ProductionOptions::options() {
    QList<QCommandLineOption> list;
    for (const QString &name : {At, Size, Format, Start, Step, End, Job, JournalOption})
        list << QCommandLineOption(name, QString(), QStringLiteral("value"));
    return list;
}

void ProductionOptions::read(const QCommandLineParser &parser) {
    at = parser.values(At);
    sizes = parser.values(Size);
    formats = parser.values(Format);
    start = parser.value(Start);
    step = parser.value(Step);
    end = parser.value(End);
    job = parser.value(Job);
    journal = parser.value(JournalOption);
}

bool ProductionOptions::any() const {
    return !at.isEmpty() || !sizes.isEmpty() || !formats.isEmpty() || !start.isEmpty() ||
           !step.isEmpty() || !end.isEmpty() || !job.isEmpty();
}

bool ProductionOptions::profile(SerialProfile &profile, QString &error) const {
    profile = SerialProfile();
    const int count = int(at.size());
    if (!perField(Size, sizes, count, error) || !perField(Format, formats, count, error))
        return false;
    for (int i = 0; i < count; ++i) {
        SerialField field;
        qint64 size = field.size;
        if (!number(At, at[i], field.address, error) ||
            (!sizes.isEmpty() && !number(Size, sizes.value(i, sizes.first()), size, error)))
            return false;
        field.size = int(qMin<qint64>(size, 1000));
        const QString format = formats.value(i, formats.value(0));
        if (!format.isEmpty() && !SerialFormat::parse(format, field.kind)) {
            error = CliTexts::BadSerialFormat().arg(format);
            return false;
        }
        profile.fields << field;
    }
    return (start.isEmpty() || number(Start, start, profile.start, error)) &&
           (step.isEmpty() || number(Step, step, profile.step, error)) &&
           (end.isEmpty() || number(End, end, profile.end, error));
}

bool ProductionOptions::jobRequest(int model, const QString &imageFile, const QByteArray &image,
                                   JobRequest &request, QString &error) const {
    request = JobRequest();
    request.name = job;
    request.model = model;
    request.imageFile = imageFile;
    request.image = image;
    request.numbersGiven = numbers();
    request.startGiven = !start.isEmpty();
    request.numbersWithoutPlace = !numbers() && (!start.isEmpty() || !end.isEmpty() ||
                                                 !sizes.isEmpty() || !formats.isEmpty());
    request.journal = journal;
    return profile(request.serial, error);
}

QString ProductionOptions::misplaced(const QString &command) const {
    if (command == QLatin1String("write") || command == QLatin1String("produce"))
        return QString();
    const QList<QPair<QString, bool>> given = {
        {At, !at.isEmpty()},          {Size, !sizes.isEmpty()},
        {Format, !formats.isEmpty()}, {Start, !start.isEmpty()},
        {Step, !step.isEmpty()},      {End, !end.isEmpty()},
        {Job, !job.isEmpty()},        {JournalOption, !journal.isEmpty()}};
    for (const auto &[name, set] : given)
        if (set && (command != QLatin1String("journal") || (name != Job && name != JournalOption)))
            return QStringLiteral("--") + name;
    return QString();
}
