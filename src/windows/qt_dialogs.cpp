#include "windows/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include "messages/texts.h"

namespace {

QWidget *dialogParent() {
    return QApplication::activeWindow();
}

// The program's texts break lines with CR LF; Qt's labels want LF alone.
QString displayText(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QMessageBox::Icon qtIcon(Dialogs::Icon icon) {
    switch (icon) {
        case Dialogs::Icon::Information:
            return QMessageBox::Information;
        case Dialogs::Icon::Warning:
            return QMessageBox::Warning;
        case Dialogs::Icon::Question:
            return QMessageBox::Question;
        case Dialogs::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

Dialogs::Answer QtDialogs::message(const QString &text, const QString &title, Icon icon,
                                   Buttons buttons) {
    if (buttons == Buttons::SaveDiscardCancel)
        return askToSave(text, title, icon);
    QMessageBox box(
        qtIcon(icon), title.isEmpty() ? Texts::AppTitle() : title, displayText(text),
        buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
        dialogParent());
    const int answer = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return answer == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Dialogs::Answer QtDialogs::askToSave(const QString &text, const QString &title, Icon icon) {
    QMessageBox box(qtIcon(icon), title.isEmpty() ? Texts::AppTitle() : title, displayText(text),
                    QMessageBox::NoButton, dialogParent());
    QPushButton *save = box.addButton(Texts::SaveButton(), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(Texts::DiscardButton(), QMessageBox::DestructiveRole);
    // Esc and the close box cancel too.
    box.setEscapeButton(box.addButton(Texts::CancelButton(), QMessageBox::RejectRole));
    box.setDefaultButton(save);
    box.exec();
    if (box.clickedButton() == save)
        return Answer::Save;
    return box.clickedButton() == discard ? Answer::Discard : Answer::Cancel;
}

QString QtDialogs::input(const QString &title, const QString &prompt) {
    bool ok = false;
    const QString text = QInputDialog::getText(dialogParent(), title, displayText(prompt),
                                               QLineEdit::Normal, QString(), &ok);
    return ok ? text : QString();
}

QString QtDialogs::qtFilter(const QString &filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString &description = parts.at(i);
        const QString &pattern = parts.at(i + 1);
        // Qt reads the patterns from the last parenthesis, separated by blanks
        // rather than semicolons; add it only when the description does not
        // already end in it.
        const QString shown = QLatin1Char('(') + QString(pattern).replace(';', ' ') + ')';
        if (description.endsWith(QLatin1Char('(') + pattern + QLatin1Char(')')))
            entries << description.left(description.size() - pattern.size() - 2) + shown;
        else
            entries << description + QLatin1Char(' ') + shown;
    }
    return entries.join(QLatin1String(";;"));
}

QString QtDialogs::entryOf(const QString &filter, const QString &qtEntry) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    const QStringList entries = qtFilter(filter).split(QLatin1String(";;"));
    const qsizetype at = entries.indexOf(qtEntry);
    return parts.value(2 * (at < 0 ? 0 : at));
}

std::unique_ptr<QFileDialog> QtDialogs::fileDialog(const QString &title, const QString &filter,
                                                   QFileDialog::AcceptMode mode,
                                                   const QString &start) {
    auto dialog = std::make_unique<QFileDialog>(dialogParent(), title, start, qtFilter(filter));
    // Qt's own dialog, not the desktop's: its patterns match any letter case
    // (chip.bin under "*.BIN", as where the program comes from), and it
    // speaks the program's language.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFilter(dialog->filter() & ~QDir::CaseSensitive);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                        : QFileDialog::AnyFile);
    return dialog;
}

QtDialogs::FileChoice QtDialogs::chosen(QFileDialog &dialog, const QString &filter) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().first(), entryOf(filter, dialog.selectedNameFilter())};
}

QtDialogs::FileChoice QtDialogs::chooseOpen(const QString &title, const QString &filter) {
    return chosen(*fileDialog(title, filter, QFileDialog::AcceptOpen, startPath()), filter);
}

QtDialogs::FileChoice QtDialogs::chooseSave(const QString &title, const QString &filter,
                                            const SaveOptions &options) {
    // Qt's file dialogs never change the process's current directory.
    const std::unique_ptr<QFileDialog> dialog =
        fileDialog(title, filter, QFileDialog::AcceptSave, startPath());
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !options.overwritePrompt);
    for (;;) {
        const FileChoice choice = chosen(*dialog, filter);
        const QString &name = choice.path;
        if (name.isEmpty() || !options.createPrompt || QFileInfo::exists(name))
            return choice;
        // Qt has no create prompt of its own: ask as the Windows dialog does,
        // and on No let the user choose again.
        const QMessageBox::StandardButton answer = QMessageBox::question(
            dialogParent(), title, name + QLatin1Char('\n') + Texts::CreatePrompt(),
            QMessageBox::Yes | QMessageBox::No);
        if (answer == QMessageBox::Yes)
            return choice;
    }
}

QString QtDialogs::openFile(const QString &title, const QString &filter) {
    return chooseOpen(title, filter).path;
}

QString QtDialogs::saveFile(const QString &title, const QString &filter,
                            const SaveOptions &options) {
    return chooseSave(title, filter, options).path;
}

Dialogs::FileChoice QtDialogs::openFileAs(const QString &title, const QString &filter,
                                          const QString &moreEntries) {
    return chooseOpen(title, withEntries(filter, moreEntries));
}

Dialogs::FileChoice QtDialogs::saveFileAs(const QString &title, const QString &filter,
                                          const QString &moreEntries, const SaveOptions &options) {
    return chooseSave(title, withEntries(filter, moreEntries), options);
}
