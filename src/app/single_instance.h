#pragma once

#include <QLockFile>
#include <QString>

class Dialogs;

// Refuses a second running copy. The lock names the owner's process, so a copy
// that crashed leaves no lock that blocks the next start.
class SingleInstance {
public:
    explicit SingleInstance(const QString &lockPath = defaultLockPath());

    // True unless another running copy holds the lock. A lock that cannot be
    // made at all (folder missing, no permission) is no sign of another copy:
    // refusing then would lock the user out with a false message.
    bool acquire();

    static QString defaultLockPath();

private:
    QLockFile lock_;
};

// True when this copy may run; otherwise it has told the user that another
// copy runs already, and the caller ends the program.
bool mayRun(SingleInstance &instance, Dialogs &dialogs);
