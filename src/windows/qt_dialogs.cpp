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
        qtIcon(icon), title.isEmpty() ? Texts::AppTitle : title, displayText(text),
        buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
        dialogParent());
    const int answer = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return answer == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Dialogs::Answer QtDialogs::askToSave(const QString &text, const QString &title, Icon icon) {
    QMessageBox box(qtIcon(icon), title.isEmpty() ? Texts::AppTitle : title, displayText(text),
                    QMessageBox::NoButton, dialogParent());
    QPushButton *save = box.addButton(Texts::SaveButton, QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(Texts::DiscardButton, QMessageBox::DestructiveRole);
    // Esc and the close box cancel too.
    box.setEscapeButton(box.addButton(Texts::CancelButton, QMessageBox::RejectRole));
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

QtDialogs::FileChoice QtDialogs::chooseOpen(const QString &title, const QString &filter) {
    const QString qt = qtFilter(filter);
    QString selected = qt.section(QLatin1String(";;"), 0, 0);
    const QString name =
        QFileDialog::getOpenFileName(dialogParent(), title, QString(), qt, &selected);
    return {name, entryOf(filter, selected)};
}

QtDialogs::FileChoice QtDialogs::chooseSave(const QString &title, const QString &filter,
                                            const SaveOptions &options) {
    const QString qt = qtFilter(filter);
    QString selected = qt.section(QLatin1String(";;"), 0, 0);
    QFileDialog::Options qtOptions;
    if (!options.overwritePrompt)
        qtOptions |= QFileDialog::DontConfirmOverwrite;
    // Qt's file dialogs never change the process's current directory.
    for (;;) {
        const QString name = QFileDialog::getSaveFileName(dialogParent(), title, QString(), qt,
                                                          &selected, qtOptions);
        if (name.isEmpty() || !options.createPrompt || QFileInfo::exists(name))
            return {name, entryOf(filter, selected)};
        // Qt has no create prompt of its own: ask as the Windows dialog does,
        // and on No let the user choose again.
        const QMessageBox::StandardButton answer = QMessageBox::question(
            dialogParent(), title, name + QLatin1Char('\n') + Texts::CreatePrompt,
            QMessageBox::Yes | QMessageBox::No);
        if (answer == QMessageBox::Yes)
            return {name, entryOf(filter, selected)};
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
