#include "cli/journal_command.h"

#include "cli/command_line_tool.h"
#include "cli/console.h"
#include "cli/request.h"
#include "messages/production_texts.h"
#include "production/journal.h"
#include "production/journal_export.h"

namespace JournalCommand {

int run(Console &console, const Request &request) {
    JournalLocation location;
    const QString &where = request.production.journal;
    if (!JournalLocation::parse(where, location)) {
        console.error(ProductionTexts::BadLocation().arg(where));
        return CommandLineTool::BadUsage;
    }
    Journal journal(location, QStringLiteral("journal-listing"));
    const QString &job = request.production.job;
    ProductionJob found;
    bool exists = true;
    QList<JournalRecord> records;
    if (!journal.open() || (!job.isEmpty() && !journal.findJob(job, found, exists)) ||
        !journal.records(job, records)) {
        console.error(journal.errorText());
        return CommandLineTool::BadUsage;
    }
    if (!exists) {
        console.error(ProductionTexts::NoSuchJob().arg(job));
        return CommandLineTool::BadUsage;
    }
    switch (request.listing) {
        case Request::Listing::Table:
            console.result(JournalExport::table(records).chopped(1));
            break;
        case Request::Listing::Csv:
            console.raw(JournalExport::csv(records));
            break;
        case Request::Listing::Json:
            console.raw(JournalExport::json(records));
            break;
    }
    return CommandLineTool::Success;
}

}  // namespace JournalCommand
