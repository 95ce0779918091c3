#pragma once

#include <QFileDialog>
#include <memory>

#include "messages/dialogs.h"

// The dialogs the user sees: QMessageBox, QInputDialog and QFileDialog.
class QtDialogs : public Dialogs {
public:
    Answer message(const QString &text, const QString &title, Icon icon, Buttons buttons) override;
    QString input(const QString &title, const QString &prompt) override;
    QString openFile(const QString &title, const QString &filter) override;
    QString saveFile(const QString &title, const QString &filter,
                     const SaveOptions &options) override;
    FileChoice openFileAs(const QString &title, const QString &filter,
                          const QString &moreEntries) override;
    FileChoice saveFileAs(const QString &title, const QString &filter, const QString &moreEntries,
                          const SaveOptions &options) override;

    // "desc|pattern|desc|pattern" in Qt's "desc (pattern);;desc (pattern)" form.
    static QString qtFilter(const QString &filter);
    // The description of the entry of `filter` that Qt names `qtEntry`.
    static QString entryOf(const QString &filter, const QString &qtEntry);
    // The open or save dialog, not yet shown, offering `filter`'s entries,
    // starting at `start`: a folder, or a file proposed in its folder.
    static std::unique_ptr<QFileDialog> fileDialog(const QString &title, const QString &filter,
                                                   QFileDialog::AcceptMode mode,
                                                   const QString &start = QString());

private:
    // 保存 / 不保存 / 取消 in the program's words.
    Answer askToSave(const QString &text, const QString &title, Icon icon);
    // Shows `dialog`: the file chosen under an entry of `filter`, or nothing.
    static FileChoice chosen(QFileDialog &dialog, const QString &filter);
    FileChoice chooseOpen(const QString &title, const QString &filter);
    FileChoice chooseSave(const QString &title, const QString &filter, const SaveOptions &options);
};
