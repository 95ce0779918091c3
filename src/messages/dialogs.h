#pragma once

#include <QString>

// Every message box, input box and file dialog of the program goes through
// this interface. The real one shows Qt's dialogs; the tests' one records each
// call and answers from a script.
class Dialogs {
public:
    enum class Icon { None, Information, Warning, Question };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    // The save dialog's options (the Windows flags 200AH).
    struct SaveOptions {
        bool overwritePrompt = false;  // ask before replacing an existing file
        bool createPrompt = false;     // ask before creating a new file
        bool noChangeDir = false;      // leave the current directory alone
        bool operator==(const SaveOptions &o) const {
            return overwritePrompt == o.overwritePrompt && createPrompt == o.createPrompt &&
                   noChangeDir == o.noChangeDir;
        }
    };

    virtual ~Dialogs() = default;

    virtual Answer message(const QString &text, const QString &title, Icon icon,
                           Buttons buttons) = 0;
    // The text typed, or an empty text when the user cancelled.
    virtual QString input(const QString &title, const QString &prompt) = 0;
    // The chosen file name, or an empty text when the user cancelled.
    // Filters are written "description|pattern|description|pattern".
    virtual QString openFile(const QString &title, const QString &filter) = 0;
    virtual QString saveFile(const QString &title, const QString &filter,
                             const SaveOptions &options) = 0;

    // The program's usual boxes.
    void warning(const QString &text);      // "警告信息", exclamation, OK
    void information(const QString &text);  // "操作成功", information, OK
    bool confirm(const QString &text);      // "警告信息", question, Yes/No
};
