#include "app/single_instance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString &lockPath) : lock_(lockPath)
{
    // The program holds the lock for hours: never call it stale by age, only
    // when its owner is gone.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    return lock_.isLocked() || lock_.tryLock(0);
}

QString SingleInstance::defaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/eeprom-programmer.lock");
}
