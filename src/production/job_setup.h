#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

#include "production/journal.h"
#include "production/production_job.h"

// What a front end asks for: a job of `model` with an image and, when
// `numbersGiven`, the serial fields of `serial` (whose start, step and end
// count only for a new job).
struct JobRequest {
    QString name;  // empty: the image file's name
    int model = 0;
    QString imageFile;
    QByteArray image;
    SerialProfile serial;
    bool numbersGiven = false;
    bool startGiven = false;
    bool numbersWithoutPlace = false;  // start, end, size or format given without fields
    QString journal;                   // a journal location; empty: the default file
};

// Settles the job of a numbered write or a production run before any box
// is touched: the profile checked against the chip, the journal opened, the
// job found (it must match) or made, and not yet at its end.
class JobSetup {
public:
    // False with error() saying why the request is refused.
    bool prepare(const JobRequest &request);
    const QString &error() const { return error_; }
    // What the user should know: a new job, a job that continues, a start
    // that does not count.
    const QStringList &notes() const { return notes_; }

    Journal &journal() { return *journal_; }
    const ProductionJob &job() const { return job_; }

private:
    bool refuse(const QString &why);

    std::unique_ptr<Journal> journal_;
    ProductionJob job_;
    QString error_;
    QStringList notes_;
};
