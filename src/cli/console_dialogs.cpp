#include "cli/console_dialogs.h"

#include "cli/console.h"

Dialogs::Answer ConsoleDialogs::message(const QString &text, const QString &title, Icon icon,
                                        Buttons buttons) {
    if (buttons == Buttons::YesNo)
        return SilentDialogs::message(text, title, icon, buttons);
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (icon == Icon::Information)
        console_.note(shown);
    else
        console_.error(shown);
    return Answer::Ok;
}
