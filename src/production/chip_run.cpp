#include "production/chip_run.h"

#include <QElapsedTimer>

#include "chips/checksums.h"
#include "messages/production_texts.h"
#include "operations/session.h"
#include "production/journal.h"

namespace {

using Outcome = ChipOperations::Outcome;
using Status = ChipResult::Status;

Status statusOf(Outcome outcome) {
    switch (outcome) {
        case Outcome::Done:
            return Status::Done;
        case Outcome::Mismatch:
            return Status::Mismatch;
        case Outcome::Refused:
            return Status::Refused;
        case Outcome::NoAnswer:
            return Status::NoAnswer;
        case Outcome::NotStarted:
        case Outcome::Declined:
        case Outcome::Left:
        case Outcome::Stopped:
            break;
    }
    return Status::Stopped;
}

// What the journal says of a chip that was begun.
RecordOutcome recordOf(Status status) {
    switch (status) {
        case Status::Done:
            return RecordOutcome::Done;
        case Status::Mismatch:
            return RecordOutcome::Mismatch;
        case Status::Refused:
            return RecordOutcome::Refused;
        case Status::NoAnswer:
            return RecordOutcome::NoAnswer;
        default:
            return RecordOutcome::Stopped;
    }
}

}  // namespace

QString ChipResult::text() const {
    using namespace ProductionTexts;
    switch (status) {
        case Status::Mismatch:
            return MismatchAt()
                .arg(OutcomeMismatch())
                .arg(mismatchAt, 4, 16, QLatin1Char('0'))
                .toUpper();
        case Status::Absent:
            return SiteAbsent();
        case Status::AtEnd:
            return SiteJobAtEnd();
        case Status::JournalFailed:
            return SiteJournalFailed();
        default:
            return RecordOutcomes::text(recordOf(status));
    }
}

ChipRun::ChipRun(Session &session, Journal &journal, const ProductionJob &job, int model,
                 const QByteArray &image, bool verify)
    : session_(session),
      journal_(journal),
      job_(job),
      model_(model),
      image_(image),
      verify_(verify) {}

ChipResult ChipRun::run(const QString &site) {
    ChipResult result;
    QElapsedTimer clock;
    clock.start();
    Journal::Reservation reservation;
    if (!journal_.reserve(job_, site, reservation)) {
        result.status = Status::JournalFailed;
        result.journalError = journal_.errorText();
        return result;
    }
    if (reservation.atEnd) {
        result.status = Status::AtEnd;
        return result;
    }
    result.record = reservation.record;
    result.serial = reservation.serial;
    result.lastNumber = reservation.last;

    // From here on the number is spent, whatever happens to the chip.
    ChipBuffer &buffer = session_.buffer();
    // The buffer of the model; the operations tell the box the model themselves.
    if (buffer.ChipCode() != model_ || buffer.size() != image_.size())
        buffer.selectModel(model_);
    QByteArray chip = image_;
    if (result.serial >= 0)
        job_.serial.apply(chip, result.serial);
    buffer.replace(chip);
    ChipOperations &operations = session_.operations();
    result.outcome = operations.writechip();
    if (result.outcome == Outcome::Done && verify_) {
        result.inVerify = true;
        result.outcome = operations.verify();
    }
    result.status = statusOf(result.outcome);
    if (result.status == Status::Mismatch)
        result.mismatchAt = operations.VerifyPosition;
    if (result.status == Status::Done && verify_)
        result.chipCrc = Checksums::of(operations.VerifyBuffer).crc32;
    record(result);
    result.seconds = clock.nsecsElapsed() / 1e9;
    return result;
}

void ChipRun::record(ChipResult &result) {
    if (!journal_.finish(result.record, recordOf(result.status), result.mismatchAt, result.chipCrc))
        result.journalError = journal_.errorText();
}
