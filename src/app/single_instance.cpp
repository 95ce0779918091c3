#include "app/single_instance.h"

#include <QDir>
#include <QStandardPaths>

#include "messages/dialogs.h"
#include "messages/texts.h"

SingleInstance::SingleInstance(const QString &lockPath) : lock_(lockPath) {
    // The program holds the lock for hours: never call it stale by age, only
    // when its owner is gone.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::acquire() {
    return lock_.isLocked() || lock_.tryLock(0) || lock_.error() != QLockFile::LockFailedError;
}

QString SingleInstance::defaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/eeprom-programmer.lock");
}

bool mayRun(SingleInstance &instance, Dialogs &dialogs) {
    if (instance.acquire())
        return true;
    dialogs.message(Texts::AlreadyRunning(), Texts::WarningTitle(), Dialogs::Icon::Warning,
                    Dialogs::Buttons::Ok);
    return false;
}
