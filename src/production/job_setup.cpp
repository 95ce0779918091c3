#include "production/job_setup.h"

#include <QFileInfo>

#include "chips/checksums.h"
#include "chips/chip_catalogue.h"
#include "messages/production_texts.h"

bool JobSetup::refuse(const QString &why) {
    error_ = why;
    return false;
}

bool JobSetup::prepare(const JobRequest &request) {
    using namespace ProductionTexts;
    ProductionJob wanted;
    wanted.image = QFileInfo(request.imageFile).fileName();
    wanted.name = request.name.isEmpty() ? wanted.image : request.name;
    wanted.model = ChipCatalogue::name(request.model);
    wanted.imageCrc = Checksums::of(request.image).crc32;
    wanted.serial = request.serial;
    if (request.numbersGiven) {
        const QString problem =
            wanted.serial.problem(ChipCatalogue::model(request.model).capacity, wanted.model);
        if (!problem.isEmpty())
            return refuse(problem);
    }

    JournalLocation location;
    if (!JournalLocation::parse(request.journal, location))
        return refuse(BadLocation().arg(request.journal));
    journal_ = std::make_unique<Journal>(location, QStringLiteral("journal-setup"));
    bool found = false;
    if (!journal_->open() || !journal_->findJob(wanted.name, job_, found))
        return refuse(journal_->errorText());
    // Numbers without a place for them: the job must exist and have one.
    if (!found && request.numbersWithoutPlace)
        return refuse(NeedSerialAt().arg(wanted.name));
    bool made = false;
    if (!journal_->openJob(wanted, job_, made))
        return refuse(journal_->errorText());
    if (!made) {
        const QString difference = job_.differenceFrom(wanted, request.numbersGiven);
        if (!difference.isEmpty())
            return refuse(difference);
        if (request.startGiven)
            notes_ << StartIgnored().arg(job_.name);
    }
    if (job_.atEnd())
        return refuse(JobAtEnd().arg(job_.name).arg(job_.serial.last()));
    if (job_.serial.numbers())
        notes_ << (made ? JobMade() : JobContinues()).arg(job_.name).arg(job_.next);
    return true;
}
