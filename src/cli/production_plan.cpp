#include "cli/production_plan.h"

#include <QFileInfo>

#include "chips/checksums.h"
#include "chips/chip_catalogue.h"
#include "cli/command_line_tool.h"
#include "cli/console.h"
#include "cli/production_options.h"
#include "messages/cli_texts.h"
#include "messages/production_texts.h"

int ProductionPlan::prepare(Console &console, const ProductionOptions &options, int model,
                            const QString &imageFile, const QByteArray &image) {
    using namespace ProductionTexts;
    constexpr int Refused = CommandLineTool::BadUsage;
    ProductionJob wanted;
    wanted.name = options.job.isEmpty() ? QFileInfo(imageFile).fileName() : options.job;
    wanted.model = ChipCatalogue::name(model);
    wanted.image = QFileInfo(imageFile).fileName();
    wanted.imageCrc = Checksums::of(image).crc32;
    QString error;
    if (!options.profile(wanted.serial, error)) {
        console.error(error);
        return Refused;
    }
    if (options.numbers()) {
        error = wanted.serial.problem(ChipCatalogue::model(model).capacity, wanted.model);
        if (!error.isEmpty()) {
            console.error(error);
            return Refused;
        }
    }

    JournalLocation location;
    if (!JournalLocation::parse(options.journal, location)) {
        console.error(BadLocation.arg(options.journal));
        return Refused;
    }
    journal_ = std::make_unique<Journal>(location, QStringLiteral("journal-plan"));
    bool found = false;
    if (!journal_->open() || !journal_->findJob(wanted.name, job_, found)) {
        console.error(journal_->errorText());
        return Refused;
    }
    // Numbers without a place for them: the job must exist and have one.
    if (!found && !options.numbers() &&
        (!options.start.isEmpty() || !options.end.isEmpty() || !options.sizes.isEmpty() ||
         !options.formats.isEmpty())) {
        console.error(CliTexts::NeedSerialAt.arg(wanted.name));
        return Refused;
    }
    bool made = false;
    if (!journal_->openJob(wanted, job_, made)) {
        console.error(journal_->errorText());
        return Refused;
    }
    if (!made) {
        error = job_.differenceFrom(wanted, options.numbers());
        if (!error.isEmpty()) {
            console.error(error);
            return Refused;
        }
        if (!options.start.isEmpty())
            console.note(StartIgnored.arg(job_.name));
    }
    if (job_.atEnd()) {
        console.error(JobAtEnd.arg(job_.name).arg(job_.serial.last()));
        return Refused;
    }
    if (job_.serial.numbers())
        console.note((made ? JobMade : JobContinues).arg(job_.name).arg(job_.next));
    return -1;
}
