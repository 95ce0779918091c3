#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <optional>
#include <vector>

// Which language the program speaks. Chinese is the source of every text;
// English comes from the compiled translation built into the program.
namespace Language {

enum class Choice { Chinese, English };

// "zh", "en": what --lang takes and what the settings keep.
QString code(Choice choice);
// A language or locale name ("zh", "zh_CN.UTF-8", "zh-Hans", "en_GB", "C"),
// or nothing when it is empty or names no language.
std::optional<Choice> fromName(const QString &name);
// Chinese when the first language named is Chinese, English for any other.
Choice fromPreferences(const QStringList &languages);
// The languages the environment asks for, the way gettext reads it:
// LANGUAGE's list, then the first of LC_ALL, LC_MESSAGES and LANG.
QStringList environmentLanguages();
// Takes "--lang X" or "--lang=X" out of the arguments and returns X (empty
// when not given).
QString takeLangOption(QStringList &arguments);

// The language the last Translations installed; Chinese before any.
Choice current();

// The program's and Qt's own translators for one language, installed into
// the application for as long as this lives.
class Translations {
public:
    explicit Translations(Choice choice);
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

private:
    std::vector<std::unique_ptr<QTranslator>> installed_;
};

}  // namespace Language
