#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

#include "production/journal_location.h"
#include "production/journal_record.h"
#include "production/production_job.h"

// One connection to the production journal, for the thread that made it
// (Qt SQL's connections belong to their thread; each has its own name). The
// journal holds the jobs and one record per chip attempt, the same tables in
// SQLite and in PostgreSQL. Every method says false on a database error,
// with errorText() saying what went wrong.
class Journal {
public:
    Journal(JournalLocation location, QString connectionName);
    ~Journal();
    Journal(const Journal &) = delete;
    Journal &operator=(const Journal &) = delete;

    // Opens the database, making the file's folder and the tables as needed.
    bool open();
    const QString &errorText() const { return error_; }
    const JournalLocation &location() const { return location_; }

    // The job named `name`; `found` says whether there is one.
    bool findJob(const QString &name, ProductionJob &job, bool &found);
    // The job named `wanted.name`, made from `wanted` if there is none yet
    // (`made` says so); `job` gets the journal's own.
    bool openJob(const ProductionJob &wanted, ProductionJob &job, bool &made);

    struct Reservation {
        qint64 record = -1;
        qint64 serial = -1;  // -1: the job numbers no chip
        bool atEnd = false;  // no number left: nothing was reserved
        bool last = false;   // `serial` was the job's last number
    };
    // Takes the job's next number and records a chip attempt "started" at
    // `site`, in one transaction that waits for any other writer: from then
    // on the number is never issued again, whatever becomes of the chip.
    bool reserve(const ProductionJob &job, const QString &site, Reservation &reservation);
    // How the attempt ended; `chipCrc` is the CRC-32 of a passing verify, or -1.
    bool finish(qint64 record, RecordOutcome outcome, qint64 mismatchAt, qint64 chipCrc);
    // Every record, or those of one job, oldest first.
    bool records(const QString &jobName, QList<JournalRecord> &records);

private:
    // Runs `sql` with `values` bound in order; the rows it gave, if asked.
    bool run(const QString &sql, const QVariantList &values = {},
             QList<QVariantList> *rows = nullptr);
    // A transaction that holds the write lock from its start: SQLite's
    // BEGIN IMMEDIATE waits for other writers up front, as PostgreSQL's row
    // lock does for the job it reads.
    bool beginWriting();
    bool commit();
    void rollback();
    bool makeTables();
    bool readJob(const QVariantList &row, ProductionJob &job);

    JournalLocation location_;
    QString name_;
    QString error_;
    bool opened_ = false;
};
