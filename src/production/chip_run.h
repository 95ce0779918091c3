#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>

#include "operations/chip_operations.h"
#include "production/production_job.h"

class Journal;
class Session;

// How one chip of a production job went.
struct ChipResult {
    enum class Status {
        Done,           // written and verified (or written, without a verify)
        Mismatch,       // the verify found a difference at mismatchAt
        Refused,        // the box refused a command
        NoAnswer,       // the box stopped answering or was pulled
        Stopped,        // stopped by the user
        Absent,         // no box answered: no number taken, no chip touched
        AtEnd,          // the job has no number left: no chip touched
        JournalFailed,  // the journal could not reserve: no chip touched
    };
    Status status = Status::Absent;
    qint64 serial = -1;       // -1: none (the job numbers no chip, or none was taken)
    bool lastNumber = false;  // `serial` was the job's last
    qint64 record = -1;
    qint64 mismatchAt = -1;
    qint64 chipCrc = -1;  // of a passing verify
    double seconds = 0;
    // The chip operation that ended it, for a front end's own report.
    ChipOperations::Outcome outcome = ChipOperations::Outcome::NotStarted;
    bool inVerify = false;
    // The journal's complaint: it could not reserve, or could not record the end.
    QString journalError;

    bool passed() const { return status == Status::Done; }
    // The job has no number left after this chip.
    bool jobAtEnd() const { return lastNumber || status == Status::AtEnd; }
    // How it went, in the user's words: "通过", "校验不一致（0042H）", "编程器不在线".
    QString text() const;
    // The chip may hold something else now than before.
    bool touched() const { return record >= 0; }
};
Q_DECLARE_METATYPE(ChipResult)

// One chip of a job on a box that answers: its number reserved in the
// journal before the first frame, the image with that number written and
// verified, and the end recorded.
class ChipRun {
public:
    ChipRun(Session &session, Journal &journal, const ProductionJob &job, int model,
            const QByteArray &image, bool verify = true);

    // `site` names the box's port in the record.
    ChipResult run(const QString &site);

private:
    void record(ChipResult &result);

    Session &session_;
    Journal &journal_;
    const ProductionJob &job_;
    int model_;
    const QByteArray &image_;
    bool verify_;
};
