#pragma once

#include <QString>

#include "messages/dialogs.h"

// The dialogs of a site that nobody watches: every question is answered Yes
// (the run was the confirmation), nothing is asked for, and the last warning
// is kept for the site's report.
class SilentDialogs : public Dialogs {
public:
    Answer message(const QString &text, const QString &title, Icon icon, Buttons buttons) override;
    QString input(const QString &title, const QString &prompt) override;
    QString openFile(const QString &title, const QString &filter) override;
    QString saveFile(const QString &title, const QString &filter,
                     const SaveOptions &options) override;

    const QString &lastWarning() const { return lastWarning_; }
    void forget() { lastWarning_.clear(); }

private:
    QString lastWarning_;
};
