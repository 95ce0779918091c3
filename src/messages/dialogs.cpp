#include "messages/dialogs.h"

#include <QStringList>

#include "messages/texts.h"

void Dialogs::warning(const QString &text) {
    message(text, Texts::WarningTitle(), Icon::Warning, Buttons::Ok);
}

void Dialogs::information(const QString &text) {
    message(text, Texts::SuccessTitle(), Icon::Information, Buttons::Ok);
}

bool Dialogs::confirm(const QString &text) {
    return message(text, Texts::WarningTitle(), Icon::Question, Buttons::YesNo) == Answer::Yes;
}

QString Dialogs::withEntries(const QString &filter, const QString &moreEntries) {
    if (moreEntries.isEmpty())
        return filter;
    QStringList parts = filter.split(QLatin1Char('|'));
    parts.insert(qMin<qsizetype>(2, parts.size()), moreEntries);
    return parts.join(QLatin1Char('|'));
}

namespace {
QString firstEntry(const QString &filter) {
    return filter.section(QLatin1Char('|'), 0, 0);
}
}  // namespace

Dialogs::FileChoice Dialogs::openFileAs(const QString &title, const QString &filter,
                                        const QString &moreEntries) {
    return {openFile(title, withEntries(filter, moreEntries)), firstEntry(filter)};
}

Dialogs::FileChoice Dialogs::saveFileAs(const QString &title, const QString &filter,
                                        const QString &moreEntries, const SaveOptions &options) {
    return {saveFile(title, withEntries(filter, moreEntries), options), firstEntry(filter)};
}
