#include "cli/console_dialogs.h"

#include "cli/console.h"

Dialogs::Answer ConsoleDialogs::message(const QString &text, const QString &, Icon icon,
                                        Buttons buttons) {
    if (buttons == Buttons::YesNo)
        return Answer::Yes;
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (icon == Icon::Information)
        console_.note(shown);
    else
        console_.error(shown);
    return Answer::Ok;
}

QString ConsoleDialogs::input(const QString &, const QString &) {
    return QString();
}

QString ConsoleDialogs::openFile(const QString &, const QString &) {
    return QString();
}

QString ConsoleDialogs::saveFile(const QString &, const QString &, const SaveOptions &) {
    return QString();
}
