#pragma once

#include <QLockFile>
#include <QString>

// Refuses a second running copy. The lock names the owner's process, so a copy
// that crashed leaves no lock that blocks the next start.
class SingleInstance {
public:
    explicit SingleInstance(const QString &lockPath = defaultLockPath());

    // True when this copy is the only one running.
    bool acquire();

    static QString defaultLockPath();

private:
    QLockFile lock_;
};
