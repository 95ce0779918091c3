#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

class Dialogs;
class ProgrammerLink;
class QTimer;

// Leaving the program: ask, then end every wait, close the port and close the
// windows in order, the main window last.
class ExitCommand {
public:
    ExitCommand(ProgrammerLink &link, Dialogs &dialogs, std::array<QTimer *, 3> timers);

    // The windows to close, in closing order.
    std::function<QList<QPointer<QWidget>>()> windows = [] { return QList<QPointer<QWidget>>(); };

    void fquit_Click();
    bool leaving() const;

private:
    ProgrammerLink &link_;
    Dialogs &dialogs_;
    std::array<QPointer<QTimer>, 3> timers_;  // Timer1, Timer2, Timer3
    bool asking_ = false;
};
