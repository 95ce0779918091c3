#pragma once

#include <QString>

// How one chip attempt ended, as the journal keeps it.
enum class RecordOutcome {
    Unknown,   // the record was left "started": the program ended before it could say
    Done,      // written and, unless the verify was skipped, verified
    Mismatch,  // the verify found a difference (at mismatchAt)
    Refused,   // the box answered a command with another code
    NoAnswer,  // the box stopped answering or was pulled
    Stopped,   // the user stopped it
};

namespace RecordOutcomes {
// The code in the journal ("started", "done", "mismatch", "refused",
// "no-answer", "stopped") and back; "started" reads back as Unknown.
QString code(RecordOutcome outcome);
RecordOutcome fromCode(const QString &code);
// The code an export gives: "unknown" for a record left started.
QString exportCode(RecordOutcome outcome);
// The user's word for it.
QString text(RecordOutcome outcome);
}  // namespace RecordOutcomes

// One chip attempt, as read back from the journal.
struct JournalRecord {
    qint64 id = -1;
    QString job;
    QString model;
    QString station;  // the computer's name
    QString site;     // the port of the box
    qint64 serial = -1;
    QString written;
    QString started;
    QString ended;
    RecordOutcome outcome = RecordOutcome::Unknown;
    qint64 mismatchAt = -1;
    qint64 chipCrc = -1;
};
