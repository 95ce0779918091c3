#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A throw-away PostgreSQL server (Debian's postgresql package) in a
// temporary folder: its own cluster, reached only through a Unix socket in
// that folder, stopped and removed with the object. PostgreSQL refuses to
// run as root: as root the cluster belongs to the unprivileged `postgres`
// account, otherwise to the user running the test.
class PostgresCluster {
public:
    PostgresCluster() = default;
    ~PostgresCluster();
    PostgresCluster(const PostgresCluster &) = delete;
    PostgresCluster &operator=(const PostgresCluster &) = delete;

    // Makes and starts the cluster; false with errorText() saying why.
    bool start();
    QString errorText() const { return error_; }
    // The journal location of its `postgres` database, for --journal.
    QString url() const;

private:
    // Runs one of the server's programs as the cluster's owner.
    bool run(const QString &program, const QStringList &arguments);

    QTemporaryDir dir_;
    QString bin_;
    QString owner_;
    QString error_;
    bool started_ = false;
};
