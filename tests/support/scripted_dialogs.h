#pragma once

#include <QList>
#include <QStringList>
#include <functional>

#include "messages/dialogs.h"

// Records every dialog the program asks for and answers from a script, so a
// test never waits for a person.
class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Message, Input, OpenFile, SaveFile };

    struct Call {
        Kind kind = Kind::Message;
        QString text;  // message text or input prompt
        QString title;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        QString filter;
        QString moreEntries;  // offered after the first entry of `filter`
        SaveOptions options;
        QString start;  // where a file dialog started
    };

    Answer message(const QString &text, const QString &title, Icon icon, Buttons buttons) override;
    QString input(const QString &title, const QString &prompt) override;
    QString openFile(const QString &title, const QString &filter) override;
    QString saveFile(const QString &title, const QString &filter,
                     const SaveOptions &options) override;
    FileChoice openFileAs(const QString &title, const QString &filter,
                          const QString &moreEntries) override;
    FileChoice saveFileAs(const QString &title, const QString &filter, const QString &moreEntries,
                          const SaveOptions &options) override;

    // Answers to Yes/No and Save/Discard/Cancel boxes, taken in order; then
    // defaultAnswer, or Cancel for the unsaved-edits question.
    QList<Answer> answers;
    Answer defaultAnswer = Answer::Yes;
    // Answers to input boxes, taken in order; then empty (cancel).
    QStringList inputs;
    // Answers to file dialogs, taken in order; then empty (cancel).
    QStringList fileNames;
    // The filter entries (descriptions) those answers were chosen under, in
    // order; then the first entry, the preselected one.
    QStringList filterEntries;
    // Runs while a dialog is "on screen", before it answers.
    std::function<void(const Call &)> onCall;

    QList<Call> calls;

    QList<Call> messages() const;
    QStringList messageTexts() const;
    void clear() { calls.clear(); }

private:
    void record(const Call &call);
    FileChoice choose(Kind kind, const QString &title, const QString &filter,
                      const QString &moreEntries, const SaveOptions &options);
};
