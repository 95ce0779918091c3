#include "messages/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>

namespace Language {

QString code(Choice choice) {
    return choice == Choice::Chinese ? QStringLiteral("zh") : QStringLiteral("en");
}

std::optional<Choice> fromName(const QString &name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const QString language = trimmed.section(QRegularExpression(QStringLiteral("[-_.@]")), 0, 0);
    if (language.compare(QLatin1String("zh"), Qt::CaseInsensitive) == 0 ||
        language.compare(QLatin1String("chinese"), Qt::CaseInsensitive) == 0)
        return Choice::Chinese;
    return Choice::English;
}

Choice fromPreferences(const QStringList &languages) {
    for (const QString &language : languages)
        if (const auto choice = fromName(language))
            return *choice;
    return Choice::English;
}

QStringList environmentLanguages() {
    QStringList languages =
        qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty()) {
            languages << value;
            break;
        }
    }
    return languages;
}

QString takeLangOption(QStringList &arguments) {
    const QString option = QStringLiteral("--lang");
    QString value;
    for (int i = 1; i < arguments.size();) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            break;
        if (argument == option && i + 1 < arguments.size()) {
            value = arguments.at(i + 1);
            arguments.remove(i, 2);
        } else if (argument.startsWith(option + QLatin1Char('='))) {
            value = argument.mid(option.size() + 1);
            arguments.remove(i);
        } else {
            ++i;
        }
    }
    return value;
}

namespace {
Choice installedChoice = Choice::Chinese;
}  // namespace

Choice current() {
    return installedChoice;
}

Translations::Translations(Choice choice) {
    installedChoice = choice;
    const auto install = [this](const QLocale &locale, const QString &name, const QString &folder) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(locale, name, QStringLiteral("_"), folder) &&
            QCoreApplication::installTranslator(translator.get()))
            installed_.push_back(std::move(translator));
    };
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (choice == Choice::Chinese) {
        // The program's texts are Chinese already; Qt's own buttons follow.
        install(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), qtFolder);
    } else {
        install(QLocale(QLocale::English), QStringLiteral("eeprom"), QStringLiteral(":/i18n"));
        install(QLocale(QLocale::English), QStringLiteral("qtbase"), qtFolder);
    }
}

Translations::~Translations() {
    for (const auto &translator : installed_)
        QCoreApplication::removeTranslator(translator.get());
}

}  // namespace Language
