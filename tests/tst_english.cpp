// The program in English: no text it shows is still Chinese, captions fit,
// the language is chosen as the user expects, and the translation files are
// complete.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "messages/language.h"
#include "messages/texts.h"
#include "support/cli_process.h"
#include "support/form_rig.h"

namespace {

// Chinese characters and the full-width punctuation that goes with them.
const QRegularExpression Chinese(
    QStringLiteral("[\\x{3000}-\\x{303F}\\x{4E00}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));

// The language menu names each language in its own script on purpose.
bool bilingualByDesign(const QString &text) {
    return text == QStringLiteral("语言 / Language") || text == QStringLiteral("简体中文");
}

// Every text a window shows: captions, titles, tooltips, menus and their items.
QStringList shownTexts(const QWidget *window) {
    QStringList texts{window->windowTitle(), window->toolTip()};
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        texts << widget->toolTip() << widget->windowTitle();
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            texts << label->text();
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            texts << button->text();
        if (const auto *group = qobject_cast<const QGroupBox *>(widget))
            texts << group->title();
        if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
            texts << edit->placeholderText();
        if (const auto *combo = qobject_cast<const QComboBox *>(widget))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        if (const auto *menu = qobject_cast<const QMenu *>(widget))
            texts << menu->title();
    }
    for (const QAction *action : window->findChildren<QAction *>())
        if (!bilingualByDesign(action->text()))
            texts << action->text() << action->toolTip() << action->statusTip();
    texts.removeIf(bilingualByDesign);
    return texts;
}

void verifyEnglish(const QStringList &texts, const char *where) {
    for (const QString &text : texts)
        QVERIFY2(!text.contains(Chinese), qPrintable(QStringLiteral("%1: %2").arg(where, text)));
}

// A caption on one line fits its control; a wrapped one has the height it needs.
void verifyCaptionsFit(const QWidget *window) {
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisible())
            continue;
        QString text;
        bool wraps = false;
        if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            text = label->text();
            wraps = label->wordWrap();
            if (wraps) {
                QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                         qPrintable(text));
                continue;
            }
        } else if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
            const auto *tool = qobject_cast<const QToolButton *>(button);
            if (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
                continue;
            text = button->text();
        }
        text.remove(QLatin1Char('&'));
        if (text.isEmpty() || text.contains(QLatin1Char('<')))
            continue;
        for (const QString &line : text.split(QLatin1Char('\n')))
            QVERIFY2(
                widget->fontMetrics().horizontalAdvance(line) <= widget->contentsRect().width(),
                qPrintable(QStringLiteral("%1 (%2)").arg(line, widget->objectName())));
    }
}

const QMap<QString, QString> EnglishUser{{QStringLiteral("LANGUAGE"), QStringLiteral("en_GB")},
                                         {QStringLiteral("LANG"), QStringLiteral("en_GB.UTF-8")}};

}  // namespace

class TestEnglish : public QObject {
    Q_OBJECT

    std::unique_ptr<Language::Translations> english_;

private slots:
    void initTestCase() {
        english_ = std::make_unique<Language::Translations>(Language::Choice::English);
        QCOMPARE(Texts::Online(), QStringLiteral("Online"));
        FormRig::warmUp();
    }

    void choiceFollowsTheUsersLanguages_data() {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<bool>("chinese");
        QTest::newRow("zh_CN.UTF-8") << QStringList{"zh_CN.UTF-8"} << true;
        QTest::newRow("zh-Hans-CN") << QStringList{"zh-Hans-CN"} << true;
        QTest::newRow("zh_TW") << QStringList{"zh_TW"} << true;
        QTest::newRow("en_GB") << QStringList{"en_GB.UTF-8"} << false;
        QTest::newRow("de first") << QStringList{"de_DE", "zh_CN"} << false;
        QTest::newRow("C") << QStringList{"C"} << false;
        QTest::newRow("empty entries skipped") << QStringList{"", " ", "zh"} << true;
        QTest::newRow("nothing") << QStringList{} << false;
    }
    void choiceFollowsTheUsersLanguages() {
        QFETCH(QStringList, languages);
        QFETCH(bool, chinese);
        QCOMPARE(Language::fromPreferences(languages) == Language::Choice::Chinese, chinese);
    }

    void langOptionIsTakenOut() {
        QStringList arguments{"prog", "--lang", "en", "a.bin", "--lang=zh", "--port", "/dev/x"};
        QCOMPARE(Language::takeLangOption(arguments), QStringLiteral("zh"));
        QCOMPARE(arguments, (QStringList{"prog", "a.bin", "--port", "/dev/x"}));
    }

    void startupAndMainWindowInEnglish() {
        FormRig rig;
        rig.startup.show();
        verifyEnglish(shownTexts(&rig.startup), "start-up window");
        verifyCaptionsFit(&rig.startup);
        rig->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.form.get()));
        verifyEnglish(shownTexts(rig.form.get()), "main window");
        verifyEnglish({rig->statusText()}, "status bar");
        verifyCaptionsFit(rig.form.get());
        QCOMPARE(rig.action("cread")->text(), QStringLiteral("Read Chip"));
        QCOMPARE(rig.action("cblank")->text(), QStringLiteral("Blank Check"));
    }

    void readAndFailureBoxesInEnglish() {
        FormRig rig;
        rig.trigger("cread");
        QTRY_COMPARE_WITH_TIMEOUT(rig.dialogs.messageTexts(),
                                  QStringList{QStringLiteral("Chip read successfully!")}, 5000);
        QCOMPARE(rig->statusText(),
                 QStringLiteral("Buffer read from chip 24C02, capacity 256 bytes. "));

        // The box keeps quiet at block 3: the failure box says why, in English.
        rig.dialogs.clear();
        BoxFault quiet;
        quiet.block = 3;
        rig.box.addFault(quiet);
        rig.trigger("cread");
        QTRY_VERIFY_WITH_TIMEOUT(!rig.dialogs.messages().isEmpty(), 5000);
        for (const ScriptedDialogs::Call &call : rig.dialogs.messages()) {
            verifyEnglish({call.text, call.title}, "failure box");
            QVERIFY2(call.text.contains(QStringLiteral("Possible reasons")), qPrintable(call.text));
        }
    }

    void aboutHelpAndCompanyWindowsInEnglish() {
        FormRig rig;
        rig->show();
        for (const char *item : {"fabout", "myhelp", "aboutltd"})
            rig.trigger(item);
        int windows = 0;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (!window->isVisible() || window == rig.form.get())
                continue;
            ++windows;
            window->layout()->activate();
            verifyEnglish(shownTexts(window), qPrintable(window->objectName()));
            verifyCaptionsFit(window);
        }
        QCOMPARE(windows, 3);
    }

    void productionWindowInEnglish() {
        FormRig rig;
        rig->show();
        rig.trigger("production");
        QWidget *production = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->isVisible() && window != rig.form.get() &&
                window->inherits("ProductionWindow"))
                production = window;
        QVERIFY(production);
        verifyEnglish(shownTexts(production), "production window");
        verifyCaptionsFit(production);
        production->close();
    }

    // The choice in 系统设置 holds at the next start, over the user's locale;
    // --lang holds over both.
    void languageMenuChoiceHoldsAtTheNextStart() {
        QTemporaryDir config;
        FormRig::Options options;
        options.settingsFile = config.filePath("ZELTRON/eeprom-programmer.conf");
        FormRig rig(options);
        rig.trigger("flangzh");
        QCOMPARE(rig.dialogs.messageTexts(),
                 QStringList{QStringLiteral(
                     "The language setting takes effect the next time the program starts.")});
        QVERIFY(rig.action("flangzh")->isChecked());

        QMap<QString, QString> environment = EnglishUser;
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        const CliProcess::Run saved = CliProcess::runWith(PROGRAMMER_PATH, {"--help"}, environment);
        QVERIFY2(saved.out.startsWith(QStringLiteral("用法：eeprom-programmer")),
                 qPrintable(saved.out));
        const CliProcess::Run forced =
            CliProcess::runWith(PROGRAMMER_PATH, {"--lang", "en", "--help"}, environment);
        QVERIFY2(forced.out.startsWith(QStringLiteral("Usage: eeprom-programmer")),
                 qPrintable(forced.out));
        verifyEnglish({forced.out}, "eeprom-programmer --lang en --help");
    }

    void commandLineInEnglish_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("expected");  // the start of stdout, or of stderr on failure
        QTest::newRow("cli --help") << CLI_PATH << QStringList{"--help"} << "en_GB.UTF-8" << 0
                                    << "Usage: eeprom-cli COMMAND";
        QTest::newRow("cli error") << CLI_PATH << QStringList{"frobnicate"} << "en_GB.UTF-8" << 2
                                   << "Unknown command: frobnicate";
        QTest::newRow("cli bad model") << CLI_PATH << QStringList{"read", "-m", "24C99", "x.bin"}
                                       << "C" << 2 << "Unknown chip model: 24C99";
        QTest::newRow("cli --lang en") << CLI_PATH << QStringList{"--lang", "en", "frobnicate"}
                                       << "zh_CN.UTF-8" << 2 << "Unknown command: frobnicate";
        QTest::newRow("cli --lang zh") << CLI_PATH << QStringList{"--lang=zh", "frobnicate"}
                                       << "en_GB.UTF-8" << 2 << "未知的命令：frobnicate";
        QTest::newRow("window --help") << PROGRAMMER_PATH << QStringList{"--help"} << "fr_FR.UTF-8"
                                       << 0 << "Usage: eeprom-programmer";
        QTest::newRow("window --version") << PROGRAMMER_PATH << QStringList{"--version"} << "en_US"
                                          << 0 << "eeprom-programmer 3.0\nCopyright";
    }
    void commandLineInEnglish() {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, language);
        QFETCH(int, code);
        QFETCH(QString, expected);
        QTemporaryDir config;
        const CliProcess::Run run = CliProcess::runWith(program, arguments,
                                                        {{"LANGUAGE", ""},
                                                         {"LC_ALL", ""},
                                                         {"LC_MESSAGES", ""},
                                                         {"LANG", language},
                                                         {"XDG_CONFIG_HOME", config.path()}});
        QCOMPARE(run.code, code);
        const QString shown = code == 0 ? run.out : run.err;
        QVERIFY2(shown.startsWith(expected), qPrintable(shown));
        if (!expected.contains(Chinese))
            verifyEnglish({run.out, run.err}, qPrintable(arguments.join(' ')));
    }
};

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
