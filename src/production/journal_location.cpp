#include "production/journal_location.h"

#include <QDir>
#include <QSqlDatabase>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>

namespace {
// Long enough to outwait every other site's and program's reservation.
constexpr int SqliteBusyMs = 60000;
constexpr int PostgresConnectSeconds = 10;
}  // namespace

QString JournalLocation::shown() const {
    if (!isPostgres())
        return database;
    QString text =
        QStringLiteral("postgresql://%1@%2").arg(user, host.startsWith('/') ? QString() : host);
    if (port > 0 && !host.startsWith('/'))
        text += QStringLiteral(":%1").arg(port);
    text += QLatin1Char('/') + database;
    if (host.startsWith('/'))
        text += QStringLiteral("?host=%1&port=%2").arg(host).arg(port);
    return text;
}

QString JournalLocation::driverPackage() const {
    return isPostgres() ? QStringLiteral("libqt6sql6-psql") : QStringLiteral("libqt6sql6-sqlite");
}

JournalLocation JournalLocation::defaultFile() {
    JournalLocation location;
    location.driver = QStringLiteral("QSQLITE");
    location.database = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                            .filePath(QStringLiteral("eeprom-programmer/journal.sqlite"));
    return location;
}

bool JournalLocation::parse(const QString &text, JournalLocation &location) {
    if (text.isEmpty()) {
        location = defaultFile();
        return true;
    }
    if (!text.startsWith(QLatin1String("postgresql://")) &&
        !text.startsWith(QLatin1String("postgres://"))) {
        location = JournalLocation();
        location.driver = QStringLiteral("QSQLITE");
        location.database = text;
        return true;
    }
    const QUrl url(text);
    const QUrlQuery query(url);
    location = JournalLocation();
    location.driver = QStringLiteral("QPSQL");
    location.user = url.userName();
    location.password = url.password();
    location.host = query.hasQueryItem(QStringLiteral("host"))
                        ? query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded)
                        : url.host();
    location.port = query.hasQueryItem(QStringLiteral("port"))
                        ? query.queryItemValue(QStringLiteral("port")).toInt()
                        : url.port(-1);
    location.database = url.path().mid(1);
    return url.isValid() && !location.database.isEmpty() && !location.database.contains('/');
}

QSqlDatabase JournalLocation::addConnection(const QString &name) const {
    QSqlDatabase db = QSqlDatabase::addDatabase(driver, name);
    db.setDatabaseName(database);
    if (isPostgres()) {
        if (!host.isEmpty())
            db.setHostName(host);
        if (port > 0)
            db.setPort(port);
        db.setUserName(user);
        db.setPassword(password);
        db.setConnectOptions(QStringLiteral("connect_timeout=%1").arg(PostgresConnectSeconds));
    } else {
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(SqliteBusyMs));
    }
    return db;
}
