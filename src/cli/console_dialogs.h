#pragma once

#include "production/silent_dialogs.h"

class Console;

// The core's message boxes on the terminal. The command the user typed is
// the confirmation, so every question is answered Yes; warnings always show,
// success boxes unless quiet. Nothing is asked for by input or file dialog.
class ConsoleDialogs : public SilentDialogs {
public:
    explicit ConsoleDialogs(Console &console) : console_(console) {}

    Answer message(const QString &text, const QString &title, Icon icon, Buttons buttons) override;

private:
    Console &console_;
};
