#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include "production/journal.h"
#include "production/production_job.h"

class Console;
struct ProductionOptions;

// The job of a numbered write or a production run, settled before any box
// is touched: the profile checked against the chip, the journal opened, the
// job found or made and not yet at its end.
class ProductionPlan {
public:
    // The exit code of a refusal (said on the console), or -1 to go on.
    int prepare(Console &console, const ProductionOptions &options, int model,
                const QString &imageFile, const QByteArray &image);

    Journal &journal() { return *journal_; }
    const ProductionJob &job() const { return job_; }
    const JournalLocation &location() const { return journal_->location(); }

private:
    std::unique_ptr<Journal> journal_;
    ProductionJob job_;
};
