#pragma once

#include <QPoint>
#include <QSettings>
#include <QStringList>
#include <memory>
#include <optional>

#include "messages/language.h"

// What the window keeps from one run to the next: the last model, the
// folder of the file dialogs, the language, the window's position and the recent files.
// A value that cannot be read or makes no sense (a model that does not
// exist, a position off every screen) is as if it were not there. Without
// settings it keeps nothing.
class WindowMemory {
public:
    static constexpr int RecentCount = 8;

    explicit WindowMemory(std::unique_ptr<QSettings> settings = nullptr);
    // The user's settings in the platform's usual place.
    static std::unique_ptr<QSettings> userSettings();

    std::optional<int> model() const;
    void setModel(int code);
    QString folder() const;
    void setFolder(const QString &folder);
    // A position where the window's title bar lies on a screen.
    std::optional<QPoint> position() const;
    void setPosition(const QPoint &position);
    // The language chosen under 系统设置, for the next start.
    std::optional<Language::Choice> language() const;
    void setLanguage(Language::Choice choice);
    QStringList recentFiles() const;
    void setRecentFiles(const QStringList &paths);

private:
    QVariant value(const char *key) const;
    void setValue(const char *key, const QVariant &value);

    std::unique_ptr<QSettings> settings_;
};
