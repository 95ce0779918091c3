#include "production/journal.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSysInfo>

#include "messages/production_texts.h"

namespace {

const QString JobColumns = QStringLiteral(
    "id, name, model, image, image_crc32, serial_fields, serial_start, serial_step, serial_end, "
    "serial_next, created");

QString now() {
    const QDateTime local = QDateTime::currentDateTime();
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

QVariant nullable(qint64 value) {
    return value < 0 ? QVariant(QMetaType::fromType<qint64>()) : QVariant(value);
}

qint64 orNone(const QVariant &value) {
    return value.isNull() ? -1 : value.toLongLong();
}

}  // namespace

Journal::Journal(JournalLocation location, QString connectionName)
    : location_(std::move(location)), name_(std::move(connectionName)) {}

Journal::~Journal() {
    if (QSqlDatabase::contains(name_)) {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
}

bool Journal::open() {
    using namespace ProductionTexts;
    if (opened_)
        return true;
    if (!QSqlDatabase::isDriverAvailable(location_.driver)) {
        error_ = NoDriver().arg(location_.shown(), location_.driver, location_.driverPackage());
        return false;
    }
    if (!location_.isPostgres()) {
        const QFileInfo file(location_.database);
        if (!QDir().mkpath(file.absolutePath())) {
            error_ = CannotOpen().arg(location_.shown(), file.absolutePath());
            return false;
        }
    }
    QSqlDatabase db = location_.addConnection(name_);
    if (!db.open()) {
        error_ = CannotOpen().arg(location_.shown(), db.lastError().text());
        return false;
    }
    opened_ = makeTables();
    return opened_;
}

bool Journal::run(const QString &sql, const QVariantList &values, QList<QVariantList> *rows) {
    QSqlQuery query(QSqlDatabase::database(name_, false));
    bool ok = false;
    if (values.isEmpty()) {
        // Not prepared: PostgreSQL prepares no transaction statements.
        ok = query.exec(sql);
    } else {
        ok = query.prepare(sql);
        for (const QVariant &value : values)
            query.addBindValue(value);
        ok = ok && query.exec();
    }
    if (!ok) {
        error_ = ProductionTexts::JournalFailed().arg(location_.shown(), query.lastError().text());
        return false;
    }
    while (rows && query.next()) {
        QVariantList row;
        for (int i = 0; i < query.record().count(); ++i)
            row << query.value(i);
        rows->append(row);
    }
    return true;
}

bool Journal::beginWriting() {
    return run(location_.isPostgres() ? QStringLiteral("BEGIN")
                                      : QStringLiteral("BEGIN IMMEDIATE"));
}

bool Journal::commit() {
    if (run(QStringLiteral("COMMIT")))
        return true;
    rollback();
    return false;
}

void Journal::rollback() {
    const QString error = error_;
    run(QStringLiteral("ROLLBACK"));
    error_ = error;
}

bool Journal::makeTables() {
    const QString id = location_.isPostgres() ? QStringLiteral("BIGSERIAL PRIMARY KEY")
                                              : QStringLiteral("INTEGER PRIMARY KEY");
    const QStringList statements = {
        QStringLiteral("CREATE TABLE IF NOT EXISTS jobs (id %1, name TEXT NOT NULL UNIQUE, "
                       "model TEXT NOT NULL, image TEXT NOT NULL, image_crc32 BIGINT NOT NULL, "
                       "serial_fields TEXT, serial_start BIGINT, serial_step BIGINT, "
                       "serial_end BIGINT, serial_next BIGINT, created TEXT NOT NULL)")
            .arg(id),
        QStringLiteral("CREATE TABLE IF NOT EXISTS records (id %1, "
                       "job_id BIGINT NOT NULL REFERENCES jobs(id), station TEXT NOT NULL, "
                       "site TEXT NOT NULL, serial BIGINT, written TEXT, started TEXT NOT NULL, "
                       "ended TEXT, outcome TEXT NOT NULL, mismatch_at BIGINT, chip_crc32 BIGINT)")
            .arg(id),
        // The database itself refuses a number twice in one job.
        QStringLiteral(
            "CREATE UNIQUE INDEX IF NOT EXISTS records_serial ON records(job_id, serial)"),
    };
    // The server's notices ("relation already exists") are not the user's business.
    if (location_.isPostgres() && !run(QStringLiteral("SET client_min_messages TO warning")))
        return false;
    if (!beginWriting())
        return false;
    // Two programs making the tables at once would trip over each other.
    if (location_.isPostgres() && !run(QStringLiteral("SELECT pg_advisory_xact_lock(24022)"))) {
        rollback();
        return false;
    }
    for (const QString &statement : statements)
        if (!run(statement)) {
            rollback();
            return false;
        }
    return commit();
}

bool Journal::readJob(const QVariantList &row, ProductionJob &job) {
    job.id = row[0].toLongLong();
    job.name = row[1].toString();
    job.model = row[2].toString();
    job.image = row[3].toString();
    job.imageCrc = quint32(row[4].toLongLong());
    job.serial = SerialProfile();
    if (!row[5].isNull() && !SerialProfile::parseFields(row[5].toString(), job.serial.fields)) {
        error_ = ProductionTexts::JournalFailed().arg(location_.shown(), row[5].toString());
        return false;
    }
    job.serial.start = row[6].toLongLong();
    job.serial.step = qMax<qint64>(1, row[7].toLongLong());
    job.serial.end = orNone(row[8]);
    job.next = orNone(row[9]);
    job.created = row[10].toString();
    return true;
}

bool Journal::findJob(const QString &name, ProductionJob &job, bool &found) {
    QList<QVariantList> rows;
    if (!run(QStringLiteral("SELECT %1 FROM jobs WHERE name = ?").arg(JobColumns), {name}, &rows))
        return false;
    found = !rows.isEmpty();
    return !found || readJob(rows.first(), job);
}

bool Journal::openJob(const ProductionJob &wanted, ProductionJob &job, bool &made) {
    const SerialProfile &serial = wanted.serial;
    const bool numbers = serial.numbers();
    QList<QVariantList> rows;
    if (!beginWriting())
        return false;
    made = false;
    if (!run(QStringLiteral("INSERT INTO jobs (name, model, image, image_crc32, serial_fields, "
                            "serial_start, serial_step, serial_end, serial_next, created) "
                            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
                            "ON CONFLICT (name) DO NOTHING RETURNING id"),
             {wanted.name, wanted.model, wanted.image, qint64(wanted.imageCrc),
              numbers ? QVariant(serial.fieldsText()) : QVariant(QMetaType::fromType<QString>()),
              nullable(numbers ? serial.start : -1), nullable(numbers ? serial.step : -1),
              nullable(numbers ? serial.end : -1), nullable(numbers ? serial.start : -1), now()},
             &rows)) {
        rollback();
        return false;
    }
    made = !rows.isEmpty();
    bool found = false;
    if (!findJob(wanted.name, job, found) || !found) {
        rollback();
        return false;
    }
    return commit();
}

bool Journal::reserve(const ProductionJob &job, const QString &site, Reservation &reservation) {
    reservation = Reservation();
    if (!beginWriting())
        return false;
    if (job.serial.numbers()) {
        QList<QVariantList> rows;
        const QString lock = location_.isPostgres() ? QStringLiteral(" FOR UPDATE") : QString();
        if (!run(QStringLiteral("SELECT serial_next FROM jobs WHERE id = ?") + lock, {job.id},
                 &rows) ||
            rows.isEmpty()) {
            rollback();
            return false;
        }
        reservation.serial = orNone(rows.first().first());
        if (reservation.serial < 0) {
            reservation.atEnd = true;
            rollback();
            return true;
        }
        const qint64 next = job.serial.after(reservation.serial);
        reservation.last = next == SerialProfile::NoEnd;
        if (!run(QStringLiteral("UPDATE jobs SET serial_next = ? WHERE id = ?"),
                 {nullable(next), job.id})) {
            rollback();
            return false;
        }
    }
    QList<QVariantList> rows;
    const bool numbered = reservation.serial >= 0;
    if (!run(QStringLiteral("INSERT INTO records (job_id, station, site, serial, written, "
                            "started, outcome) VALUES (?, ?, ?, ?, ?, ?, ?) RETURNING id"),
             {job.id, QSysInfo::machineHostName(), site, nullable(reservation.serial),
              numbered ? QVariant(job.serial.written(reservation.serial))
                       : QVariant(QMetaType::fromType<QString>()),
              now(), RecordOutcomes::code(RecordOutcome::Unknown)},
             &rows) ||
        rows.isEmpty()) {
        rollback();
        return false;
    }
    reservation.record = rows.first().first().toLongLong();
    return commit();
}

bool Journal::finish(qint64 record, RecordOutcome outcome, qint64 mismatchAt, qint64 chipCrc) {
    return run(
        QStringLiteral("UPDATE records SET ended = ?, outcome = ?, mismatch_at = ?, "
                       "chip_crc32 = ? WHERE id = ?"),
        {now(), RecordOutcomes::code(outcome), nullable(mismatchAt), nullable(chipCrc), record});
}

bool Journal::records(const QString &jobName, QList<JournalRecord> &records) {
    QList<QVariantList> rows;
    const QString sql = QStringLiteral(
        "SELECT r.id, j.name, j.model, r.station, r.site, r.serial, r.written, r.started, "
        "r.ended, r.outcome, r.mismatch_at, r.chip_crc32 FROM records r "
        "JOIN jobs j ON j.id = r.job_id%1 ORDER BY r.id");
    if (!run(sql.arg(jobName.isEmpty() ? QString() : QStringLiteral(" WHERE j.name = ?")),
             jobName.isEmpty() ? QVariantList() : QVariantList{jobName}, &rows))
        return false;
    records.clear();
    for (const QVariantList &row : rows) {
        JournalRecord r;
        r.id = row[0].toLongLong();
        r.job = row[1].toString();
        r.model = row[2].toString();
        r.station = row[3].toString();
        r.site = row[4].toString();
        r.serial = orNone(row[5]);
        r.written = row[6].toString();
        r.started = row[7].toString();
        r.ended = row[8].toString();
        r.outcome = RecordOutcomes::fromCode(row[9].toString());
        r.mismatchAt = orNone(row[10]);
        r.chipCrc = orNone(row[11]);
        records << r;
    }
    return true;
}
