#pragma once

#include <QObject>

// Whether the box is online, and whether the chip operations are offered.
// Offline wins: the operations are offered only while online. The indicator
// and the operation controls of the window follow this state.
class OnlineState : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    bool isOnline() const { return online_; }
    bool operationsEnabled() const { return enabled_; }

    void goonline();
    void gooffline();
    // An operation runs (disableops) or has ended (enableops).
    void disableops();
    void enableops();

signals:
    void changed();

private:
    void set(bool online, bool enabled);

    bool online_ = false;
    bool enabled_ = false;
};
