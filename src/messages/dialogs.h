#pragma once

#include <QString>
#include <optional>

// Every message box, input box and file dialog of the program goes through
// this interface. The real one shows Qt's dialogs; the tests' one records each
// call and answers from a script.
class Dialogs {
public:
    enum class Icon { None, Information, Warning, Question };
    enum class Buttons { Ok, YesNo, SaveDiscardCancel };
    enum class Answer { Ok, Yes, No, Save, Discard, Cancel };

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

    // A file chosen in a dialog, with the filter entry it was chosen under.
    struct FileChoice {
        QString path;   // empty when the user cancelled
        QString entry;  // the chosen entry's description, e.g. "二进制文件(*.BIN)"
    };
    // As openFile and saveFile, offering `moreEntries` (written as `filter`)
    // right after the first entry of `filter`, which stays preselected; and
    // telling which entry the user chose. A dialog that cannot tell answers
    // the preselected one.
    virtual FileChoice openFileAs(const QString &title, const QString &filter,
                                  const QString &moreEntries);
    virtual FileChoice saveFileAs(const QString &title, const QString &filter,
                                  const QString &moreEntries, const SaveOptions &options);
    // The entries the user sees: `moreEntries` after the first one of `filter`.
    static QString withEntries(const QString &filter, const QString &moreEntries);

    // Where the next file dialog starts: a folder, or a file proposed in its
    // folder; empty: wherever the toolkit starts.
    void startAt(const QString &path) { start_ = path; }
    const QString &startPath() const { return start_; }

    // The program's usual boxes.
    void warning(const QString &text);      // "警告信息", exclamation, OK
    void information(const QString &text);  // "操作成功", information, OK
    bool confirm(const QString &text);      // "警告信息", question, Yes/No

    // An input box whose answer `parse` reads (into a std::optional): nothing
    // when the user gives nothing (cancel, blanks); what `parse` refuses is
    // warned of with `invalid` and gives nothing either.
    template <class Parse>
    auto ask(const QString &title, const QString &prompt, const QString &invalid, Parse parse)
        -> decltype(parse(QString())) {
        const QString text = input(title, prompt);
        if (text.trimmed().isEmpty())
            return std::nullopt;
        auto value = parse(text);
        if (!value)
            warning(invalid);
        return value;
    }

private:
    QString start_;
};
