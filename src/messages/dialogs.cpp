#include "messages/dialogs.h"

#include "messages/texts.h"

void Dialogs::warning(const QString &text) {
    message(text, Texts::WarningTitle, Icon::Warning, Buttons::Ok);
}

void Dialogs::information(const QString &text) {
    message(text, Texts::SuccessTitle, Icon::Information, Buttons::Ok);
}

bool Dialogs::confirm(const QString &text) {
    return message(text, Texts::WarningTitle, Icon::Question, Buttons::YesNo) == Answer::Yes;
}
