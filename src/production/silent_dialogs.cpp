#include "production/silent_dialogs.h"

Dialogs::Answer SilentDialogs::message(const QString &text, const QString &, Icon icon,
                                       Buttons buttons) {
    if (buttons == Buttons::YesNo)
        return Answer::Yes;
    if (icon != Icon::Information)
        lastWarning_ = text;
    return Answer::Ok;
}

QString SilentDialogs::input(const QString &, const QString &) {
    return QString();
}

QString SilentDialogs::openFile(const QString &, const QString &) {
    return QString();
}

QString SilentDialogs::saveFile(const QString &, const QString &, const SaveOptions &) {
    return QString();
}
