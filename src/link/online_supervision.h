#pragma once

#include <QObject>
#include <QPointer>

class Dialogs;
class OnlineState;
class PortSearch;
class ProgrammerLink;
class QTimer;

// Keeps the online state true to the facts: the hardware test, the periodic
// check and the failure path of an operation that lost the box. The window
// follows its signals with the Test and Exit buttons.
class OnlineSupervision : public QObject {
    Q_OBJECT

public:
    // `checkTimer` runs the periodic check; a check may start it again.
    OnlineSupervision(ProgrammerLink &link, OnlineState &online, PortSearch &search,
                      Dialogs &dialogs, QTimer *checkTimer, QObject *parent = nullptr);

    // Online use was chosen at start-up: only then does the check work.
    void setOnlineUse(bool online) { onlineUse_ = online; }
    bool onlineUse() const { return onlineUse_; }

    // The box stopped answering an operation: say so, show offline.
    void opfailed();
    // The hardware test: search the ports again.
    void test();
    // The periodic check.
    void check();

signals:
    void testStarted();
    void testEnabled(bool enabled);
    void exitEnabled(bool enabled);

private:
    ProgrammerLink &link_;
    OnlineState &online_;
    PortSearch &search_;
    Dialogs &dialogs_;
    QPointer<QTimer> checkTimer_;
    bool onlineUse_ = false;
};
