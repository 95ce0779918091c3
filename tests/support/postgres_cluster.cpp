#include "support/postgres_cluster.h"

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>

namespace {
// Names only the socket file in our own folder: no clash with any server.
constexpr int Port = 54322;
}  // namespace

PostgresCluster::~PostgresCluster() {
    if (started_)
        run(QStringLiteral("pg_ctl"),
            {"-D", dir_.filePath("data"), "-m", "immediate", "-w", "stop"});
}

bool PostgresCluster::run(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    const QString path = QDir(bin_).filePath(program);
    if (geteuid() == 0)
        process.start(QStringLiteral("runuser"), QStringList{"-u", owner_, "--", path} + arguments);
    else
        process.start(path, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        error_ = program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAll()) +
                 process.errorString();
        return false;
    }
    return true;
}

bool PostgresCluster::start() {
    const QStringList versions =
        QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &version : versions)
        if (QFile::exists(QStringLiteral("/usr/lib/postgresql/%1/bin/initdb").arg(version)) &&
            (bin_.isEmpty() || version.toInt() > QDir(bin_).dirName().toInt()))
            bin_ = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(version);
    if (bin_.isEmpty()) {
        error_ = QStringLiteral("PostgreSQL is not installed (scripts/setup installs postgresql)");
        return false;
    }
    const passwd *account = geteuid() == 0 ? getpwnam("postgres") : getpwuid(geteuid());
    if (!account || !dir_.isValid()) {
        error_ = QStringLiteral("no account for the cluster, or no temporary folder");
        return false;
    }
    owner_ = QString::fromLocal8Bit(account->pw_name);
    if (geteuid() == 0 &&
        chown(QFile::encodeName(dir_.path()).constData(), account->pw_uid, account->pw_gid) != 0) {
        error_ = QStringLiteral("cannot hand the folder to postgres");
        return false;
    }
    const QString data = dir_.filePath(QStringLiteral("data"));
    if (!run(QStringLiteral("initdb"),
             {"-D", data, "-A", "trust", "-U", owner_, "--no-sync", "--locale=C", "-E", "UTF8"}))
        return false;
    // No TCP at all; durability is not what a throw-away cluster is for.
    const QString options = QStringLiteral("-k %1 -p %2 -c listen_addresses='' -c fsync=off")
                                .arg(dir_.path())
                                .arg(Port);
    started_ =
        run(QStringLiteral("pg_ctl"), {"-D", data, "-o", options, "-l",
                                       dir_.filePath(QStringLiteral("server.log")), "-w", "start"});
    return started_;
}

QString PostgresCluster::url() const {
    return QStringLiteral("postgresql://%1@/postgres?host=%2&port=%3")
        .arg(owner_, dir_.path())
        .arg(Port);
}
