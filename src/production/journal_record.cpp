#include "production/journal_record.h"

#include "messages/production_texts.h"

namespace RecordOutcomes {

namespace {

struct Entry {
    RecordOutcome outcome;
    const char *code;
    QString (*text)();
};

const Entry Entries[] = {
    {RecordOutcome::Unknown, "started", &ProductionTexts::OutcomeUnknown},
    {RecordOutcome::Done, "done", &ProductionTexts::OutcomeDone},
    {RecordOutcome::Mismatch, "mismatch", &ProductionTexts::OutcomeMismatch},
    {RecordOutcome::Refused, "refused", &ProductionTexts::OutcomeRefused},
    {RecordOutcome::NoAnswer, "no-answer", &ProductionTexts::OutcomeNoAnswer},
    {RecordOutcome::Stopped, "stopped", &ProductionTexts::OutcomeStopped},
};

const Entry &entry(RecordOutcome outcome) {
    for (const Entry &e : Entries)
        if (e.outcome == outcome)
            return e;
    return Entries[0];
}

}  // namespace

QString code(RecordOutcome outcome) {
    return QLatin1String(entry(outcome).code);
}

RecordOutcome fromCode(const QString &code) {
    for (const Entry &e : Entries)
        if (code == QLatin1String(e.code))
            return e.outcome;
    return RecordOutcome::Unknown;
}

QString exportCode(RecordOutcome outcome) {
    return outcome == RecordOutcome::Unknown ? QStringLiteral("unknown") : code(outcome);
}

QString text(RecordOutcome outcome) {
    return entry(outcome).text();
}

}  // namespace RecordOutcomes
