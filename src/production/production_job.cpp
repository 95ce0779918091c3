#include "production/production_job.h"

#include "messages/production_texts.h"

namespace {

QString numbering(const SerialProfile &profile) {
    if (!profile.numbers())
        return ProductionTexts::NoSerial();
    QString text = profile.fieldsText() + QStringLiteral(" +%1").arg(profile.step);
    if (profile.end != SerialProfile::NoEnd)
        text += QStringLiteral(" ..%1").arg(profile.end);
    return text;
}

QString crc(quint32 value) {
    return QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

QString ProductionJob::differenceFrom(const ProductionJob &wanted, bool compareSerial) const {
    using namespace ProductionTexts;
    if (model != wanted.model)
        return JobDiffers().arg(name, JobModel(), model, wanted.model);
    if (imageCrc != wanted.imageCrc)
        return JobDiffers().arg(name, JobImage(), crc(imageCrc), crc(wanted.imageCrc));
    const QString mine = numbering(serial);
    const QString theirs = numbering(wanted.serial);
    if (compareSerial && mine != theirs)
        return JobDiffers().arg(name, JobSerial(), mine, theirs);
    return QString();
}
