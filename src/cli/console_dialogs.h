#pragma once

#include "messages/dialogs.h"

class Console;

// The core's message boxes on the terminal. The command the user typed is
// the confirmation, so every question is answered Yes; warnings always show,
// success boxes unless quiet. Nothing is asked for by input or file dialog.
class ConsoleDialogs : public Dialogs {
public:
    explicit ConsoleDialogs(Console &console) : console_(console) {}

    Answer message(const QString &text, const QString &title, Icon icon, Buttons buttons) override;
    QString input(const QString &title, const QString &prompt) override;
    QString openFile(const QString &title, const QString &filter) override;
    QString saveFile(const QString &title, const QString &filter,
                     const SaveOptions &options) override;

private:
    Console &console_;
};
