#include "windows/language_menu.h"

#include <QActionGroup>
#include <QMenu>

#include "messages/dialogs.h"
#include "messages/texts.h"

LanguageMenu::LanguageMenu(QMenu *parent, Language::Choice chosen, Dialogs &dialogs,
                           Remember remember)
    : QObject(parent), dialogs_(dialogs), remember_(std::move(remember)) {
    QMenu *menu = parent->addMenu(QStringLiteral("语言 / Language"));
    menu->setObjectName(QStringLiteral("flanguage"));
    auto *group = new QActionGroup(this);
    const auto add = [&](const char *name, const QString &caption, Language::Choice choice) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        action->setChecked(choice == chosen);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, choice] { choose(choice); });
        return action;
    };
    chinese_ = add("flangzh", QStringLiteral("简体中文"), Language::Choice::Chinese);
    english_ = add("flangen", QStringLiteral("English"), Language::Choice::English);
}

QAction *LanguageMenu::action(Language::Choice choice) const {
    return choice == Language::Choice::Chinese ? chinese_ : english_;
}

void LanguageMenu::choose(Language::Choice choice) {
    remember_(choice);
    if (choice != Language::current())
        dialogs_.message(Texts::LanguageNextStart(), Texts::NoticeTitle(),
                         Dialogs::Icon::Information, Dialogs::Buttons::Ok);
}
