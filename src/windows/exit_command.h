#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <array>

class ChipBuffer;
class Dialogs;
class ProgrammerLink;

// Leaving the program: ask, then end every wait, close the port and have the
// windows closed in order, the main window last. With unsaved edits the
// question is whether to save them, in place of the exit's own.
class ExitCommand : public QObject {
    Q_OBJECT

public:
    // The timers that stop while the question is open: Timer1, Timer2, Timer3.
    ExitCommand(ProgrammerLink &link, ChipBuffer &buffer, Dialogs &dialogs,
                std::array<QTimer *, 3> timers, QObject *parent = nullptr);

    void fquit_Click();
    bool leaving() const;

signals:
    // Confirmed: close the windows now, the main window last.
    void closeWindows();

private:
    bool confirmed();

    ProgrammerLink &link_;
    ChipBuffer &buffer_;
    Dialogs &dialogs_;
    std::array<QPointer<QTimer>, 3> timers_;
    bool asking_ = false;
};
