#pragma once

#include <QPointer>
#include <QString>
#include <functional>

class Dialogs;
class OperationControls;
class PortSearch;
class ProgrammerLink;
class ProgressDisplay;
class QAbstractButton;
class QLineEdit;
class QTimer;

// Keeps the online indicator true to the facts: the Test button, the periodic
// check of Timer3 and the failure path of the read.
class OnlineSupervision {
public:
    struct Controls {
        QAbstractButton *testButton = nullptr;  // Command11
        QAbstractButton *exitButton = nullptr;  // Command12
        QLineEdit *testNotice = nullptr;        // Text2
        QTimer *checkTimer = nullptr;           // Timer3
    };

    OnlineSupervision(ProgrammerLink &link, OperationControls &operationControls,
                      PortSearch &search, ProgressDisplay &progress, Dialogs &dialogs,
                      Controls controls, const QString &failureHint);

    // Online use was chosen at start-up.
    std::function<bool()> onlineUse = [] { return false; };
    // A chip operation runs.
    std::function<bool()> operationRunning = [] { return false; };

    void opfailed();
    void Command11_Click();
    void Timer3_Timer();

private:
    bool linkInUse() const;

    ProgrammerLink &link_;
    OperationControls &operationControls_;
    PortSearch &search_;
    ProgressDisplay &progress_;
    Dialogs &dialogs_;
    QPointer<QAbstractButton> Command11;
    QPointer<QAbstractButton> Command12;
    QPointer<QLineEdit> Text2;
    QPointer<QTimer> Timer3;
    const QString &failureHint_;
    int tickDepth_ = 0;
};
