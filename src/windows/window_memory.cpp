#include "windows/window_memory.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include "chips/chip_catalogue.h"

namespace {
const char ModelKey[] = "model";
const char FolderKey[] = "folder";
const char PositionKey[] = "window/position";
const char RecentKey[] = "recentFiles";
const char LanguageKey[] = "language";
}  // namespace

WindowMemory::WindowMemory(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}

std::unique_ptr<QSettings> WindowMemory::userSettings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("ZELTRON"),
                                       QStringLiteral("eeprom-programmer"));
}

QVariant WindowMemory::value(const char *key) const {
    return settings_ ? settings_->value(QLatin1String(key)) : QVariant();
}

void WindowMemory::setValue(const char *key, const QVariant &value) {
    if (settings_)
        settings_->setValue(QLatin1String(key), value);
}

std::optional<int> WindowMemory::model() const {
    // Kept by name, which stays right if the list ever changes order.
    const QString name = value(ModelKey).toString();
    for (int code = 0; code < ChipCatalogue::ModelCount; ++code)
        if (name == ChipCatalogue::name(code))
            return code;
    return std::nullopt;
}

void WindowMemory::setModel(int code) {
    setValue(ModelKey, ChipCatalogue::name(code));
}

QString WindowMemory::folder() const {
    const QString folder = value(FolderKey).toString();
    return QFileInfo(folder).isDir() ? folder : QString();
}

void WindowMemory::setFolder(const QString &folder) {
    setValue(FolderKey, folder);
}

std::optional<QPoint> WindowMemory::position() const {
    const QVariant stored = value(PositionKey);
    if (stored.typeId() != QMetaType::QPoint)
        return std::nullopt;
    const QPoint position = stored.toPoint();
    // A little way into the title bar, where the user takes hold of it.
    if (!QGuiApplication::screenAt(position + QPoint(40, 10)))
        return std::nullopt;
    return position;
}

void WindowMemory::setPosition(const QPoint &position) {
    setValue(PositionKey, position);
}

QStringList WindowMemory::recentFiles() const {
    QStringList paths;
    for (const QString &path : value(RecentKey).toStringList())
        if (!path.isEmpty() && !paths.contains(path) && paths.size() < RecentCount)
            paths << path;
    return paths;
}

void WindowMemory::setRecentFiles(const QStringList &paths) {
    setValue(RecentKey, paths);
}

std::optional<Language::Choice> WindowMemory::language() const {
    const QString name = value(LanguageKey).toString();
    for (const auto choice : {Language::Choice::Chinese, Language::Choice::English})
        if (name == Language::code(choice))
            return choice;
    return std::nullopt;
}

void WindowMemory::setLanguage(Language::Choice choice) {
    setValue(LanguageKey, Language::code(choice));
    if (settings_)
        settings_->sync();
}
