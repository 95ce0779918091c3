#include "production/job_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include "chips/chip_catalogue.h"
#include "messages/production_window_texts.h"

namespace T = ProductionWindowTexts;

namespace {

int modelCode(const QString &name) {
    for (int k = 0; k < ChipCatalogue::ModelCount; ++k)
        if (ChipCatalogue::name(k).compare(name, Qt::CaseInsensitive) == 0)
            return k;
    return -1;
}

// A whole number in JSON, which keeps numbers as doubles: exact up to 2^53.
bool wholeNumber(const QJsonValue &value, qint64 &number) {
    if (!value.isDouble())
        return false;
    const double d = value.toDouble();
    if (d != double(qint64(d)) || d < 0 || d > 9007199254740992.0)
        return false;
    number = qint64(d);
    return true;
}

bool readSerial(const QJsonObject &object, SerialProfile &profile, QString &why) {
    SerialField field;
    qint64 at = 0, size = 4, start = 1, step = 1, end = SerialProfile::NoEnd;
    if (!wholeNumber(object.value(QLatin1String("at")), at)) {
        why = QStringLiteral("serial.at");
        return false;
    }
    const auto optional = [&object, &why](const char *key, qint64 &number) {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined() || value.isNull())
            return true;
        if (wholeNumber(value, number))
            return true;
        why = QStringLiteral("serial.") + QLatin1String(key);
        return false;
    };
    if (!optional("size", size) || !optional("start", start) || !optional("step", step) ||
        !optional("end", end))
        return false;
    const QString format = object.value(QLatin1String("format")).toString(QStringLiteral("le"));
    if (!SerialFormat::parse(format, field.kind)) {
        why = QStringLiteral("serial.format");
        return false;
    }
    field.address = at;
    field.size = int(qMin(size, qint64(64)));
    profile.fields = {field};
    profile.start = start;
    profile.step = step;
    profile.end = end;
    return true;
}

}  // namespace

bool JobFile::load(const QString &path, QString &error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = T::CannotReadJob().arg(path, file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject()) {
        error = T::CannotReadJob().arg(path, T::NotAJob().arg(parseError.errorString()));
        return false;
    }
    const QJsonObject object = document.object();
    const QString modelName = object.value(QLatin1String("model")).toString();
    model = modelCode(modelName);
    if (model < 0) {
        error = T::CannotReadJob().arg(path, T::UnknownModel().arg(modelName));
        return false;
    }
    name = object.value(QLatin1String("name")).toString();
    image = object.value(QLatin1String("image")).toString();
    if (image.isEmpty()) {
        error = T::CannotReadJob().arg(path, T::NotAJob().arg(QStringLiteral("image")));
        return false;
    }
    // An image named relative to the job file lives beside it.
    image = QFileInfo(QFileInfo(path).dir(), image).absoluteFilePath();
    journal = object.value(QLatin1String("journal")).toString();

    const QJsonValue crc = object.value(QLatin1String("imageCrc32"));
    crcGiven = crc.isString();
    if (crcGiven) {
        bool ok = false;
        imageCrc = crc.toString().toUInt(&ok, 16);
        if (!ok || crc.toString().size() != 8) {
            error = T::CannotReadJob().arg(path, T::NotAJob().arg(QStringLiteral("imageCrc32")));
            return false;
        }
    }
    serial = SerialProfile();
    serial.fields.clear();
    const QJsonValue serialValue = object.value(QLatin1String("serial"));
    if (serialValue.isObject()) {
        QString why;
        if (!readSerial(serialValue.toObject(), serial, why)) {
            error = T::CannotReadJob().arg(path, T::NotAJob().arg(why));
            return false;
        }
    }
    return true;
}

bool JobFile::save(const QString &path, QString &error) const {
    QJsonObject object{{QLatin1String("name"), name},
                       {QLatin1String("model"), ChipCatalogue::name(model)},
                       {QLatin1String("image"), image}};
    if (crcGiven)
        object.insert(QLatin1String("imageCrc32"),
                      QStringLiteral("%1").arg(imageCrc, 8, 16, QLatin1Char('0')).toUpper());
    if (serial.numbers()) {
        const SerialField &field = serial.fields.first();
        QJsonObject numbers{{QLatin1String("at"), double(field.address)},
                            {QLatin1String("size"), field.size},
                            {QLatin1String("format"), SerialFormat::name(field.kind)},
                            {QLatin1String("start"), double(serial.start)},
                            {QLatin1String("step"), double(serial.step)}};
        if (serial.end != SerialProfile::NoEnd)
            numbers.insert(QLatin1String("end"), double(serial.end));
        object.insert(QLatin1String("serial"), numbers);
    }
    if (!journal.isEmpty())
        object.insert(QLatin1String("journal"), journal);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(object).toJson()) < 0 ||
        !file.commit()) {
        error = T::CannotSaveJob().arg(path, file.errorString());
        return false;
    }
    return true;
}
