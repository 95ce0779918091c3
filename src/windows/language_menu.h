#pragma once

#include <QObject>
#include <functional>

#include "messages/language.h"

class Dialogs;
class QAction;
class QMenu;

// 系统设置 → 语言 / Language: 简体中文 or English, each named in its own
// language so that a user who reads only one finds it. The choice is kept
// for the next start, and the user is told so; the running windows keep
// their language.
class LanguageMenu : public QObject {
    Q_OBJECT
public:
    using Remember = std::function<void(Language::Choice)>;

    LanguageMenu(QMenu *parent, Language::Choice chosen, Dialogs &dialogs, Remember remember);

    QAction *action(Language::Choice choice) const;

private:
    void choose(Language::Choice choice);

    Dialogs &dialogs_;
    Remember remember_;
    QAction *chinese_;
    QAction *english_;
};
