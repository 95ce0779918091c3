#include "support/scripted_dialogs.h"

namespace {
QString takeFirstOrEmpty(QStringList &list) {
    return list.isEmpty() ? QString() : list.takeFirst();
}
}  // namespace

void ScriptedDialogs::record(const Call &call) {
    calls << call;
    if (onCall)
        onCall(call);
}

Dialogs::Answer ScriptedDialogs::message(const QString &text, const QString &title, Icon icon,
                                         Buttons buttons) {
    Call call;
    call.kind = Kind::Message;
    call.text = text;
    call.title = title;
    call.icon = icon;
    call.buttons = buttons;
    record(call);
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (!answers.isEmpty())
        return answers.takeFirst();
    return buttons == Buttons::SaveDiscardCancel ? Answer::Cancel : defaultAnswer;
}

QString ScriptedDialogs::input(const QString &title, const QString &prompt) {
    Call call;
    call.kind = Kind::Input;
    call.text = prompt;
    call.title = title;
    record(call);
    return takeFirstOrEmpty(inputs);
}

QString ScriptedDialogs::openFile(const QString &title, const QString &filter) {
    return choose(Kind::OpenFile, title, filter, QString(), SaveOptions()).path;
}

QString ScriptedDialogs::saveFile(const QString &title, const QString &filter,
                                  const SaveOptions &options) {
    return choose(Kind::SaveFile, title, filter, QString(), options).path;
}

Dialogs::FileChoice ScriptedDialogs::openFileAs(const QString &title, const QString &filter,
                                                const QString &moreEntries) {
    return choose(Kind::OpenFile, title, filter, moreEntries, SaveOptions());
}

Dialogs::FileChoice ScriptedDialogs::saveFileAs(const QString &title, const QString &filter,
                                                const QString &moreEntries,
                                                const SaveOptions &options) {
    return choose(Kind::SaveFile, title, filter, moreEntries, options);
}

Dialogs::FileChoice ScriptedDialogs::choose(Kind kind, const QString &title, const QString &filter,
                                            const QString &moreEntries,
                                            const SaveOptions &options) {
    Call call;
    call.kind = kind;
    call.title = title;
    call.filter = filter;
    call.moreEntries = moreEntries;
    call.options = options;
    call.start = startPath();
    record(call);
    const QString entry = takeFirstOrEmpty(filterEntries);
    return {takeFirstOrEmpty(fileNames),
            entry.isEmpty() ? filter.section(QLatin1Char('|'), 0, 0) : entry};
}

QList<ScriptedDialogs::Call> ScriptedDialogs::messages() const {
    QList<Call> result;
    for (const Call &call : calls)
        if (call.kind == Kind::Message)
            result << call;
    return result;
}

QStringList ScriptedDialogs::messageTexts() const {
    QStringList result;
    for (const Call &call : messages())
        result << call.text;
    return result;
}
