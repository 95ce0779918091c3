#include "windows/exit_command.h"

#include <QCoreApplication>

#include "chips/chip_buffer.h"
#include "link/programmer_link.h"
#include "messages/dialogs.h"
#include "messages/texts.h"

ExitCommand::ExitCommand(ProgrammerLink &link, ChipBuffer &buffer, Dialogs &dialogs,
                         std::array<QTimer *, 3> timers, QObject *parent)
    : QObject(parent),
      link_(link),
      buffer_(buffer),
      dialogs_(dialogs),
      timers_{timers[0], timers[1], timers[2]} {}

bool ExitCommand::leaving() const {
    return link_.QuitRequested;
}

bool ExitCommand::confirmed() {
    // One question: unsaved edits are asked about instead of the exit itself.
    if (buffer_.unsavedEdits())
        return buffer_.mayDiscard();
    return dialogs_.message(Texts::ExitQuestion(), Texts::QuestionTitle(), Dialogs::Icon::Question,
                            Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes;
}

void ExitCommand::fquit_Click() {
    if (leaving() || asking_)
        return;
    std::array<bool, 3> wasActive{};
    for (size_t i = 0; i < timers_.size(); ++i) {
        wasActive[i] = timers_[i]->isActive();
        timers_[i]->stop();
    }

    asking_ = true;
    const bool leave = confirmed();
    asking_ = false;
    if (!leave) {
        link_.withdrawQuit();
        for (size_t i = 0; i < timers_.size(); ++i)
            if (wasActive[i])
                timers_[i]->start();
        return;
    }

    link_.requestQuit();
    link_.closePort();
    for (const QPointer<QTimer> &timer : timers_)
        timer->stop();
    emit closeWindows();
    // Leaves the application's event loop; a wait still on the stack ends at
    // its next check and everything is destroyed once the stack has unwound.
    QCoreApplication::quit();
}
