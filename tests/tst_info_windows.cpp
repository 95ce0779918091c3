#include <QAbstractButton>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <cstring>

#include "support/scripted_dialogs.h"
#include "windows/about_window.h"
#include "windows/company_window.h"
#include "windows/help_window.h"
#include "windows/pictures.h"
#include "windows/registry.h"
#include "windows/sysinfo.h"

namespace {

const char *const InfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char *const LocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

// A registry in memory that counts opened and closed keys.
class FakeRegistry : public Registry {
public:
    struct Value {
        quint32 type = RegSz;
        QByteArray data;
    };

    QHash<QByteArray, QHash<QByteArray, Value>> keys;
    QList<QByteArray> openAttempts;
    QList<quint32> roots;
    QList<quint32> accessMasks;
    QList<quint32> offeredSizes;
    QHash<Handle, QByteArray> openHandles;
    int opens = 0;
    int closes = 0;
    int strayCloses = 0;

    static Value text(const QString &s) { return {RegSz, s.toLocal8Bit() + '\0'}; }

    qint32 openKey(quint32 root, const QByteArray &keyPath, quint32 access, Handle &key) override {
        openAttempts << keyPath;
        roots << root;
        accessMasks << access;
        if (!keys.contains(keyPath))
            return ErrorFileNotFound;
        key = nextHandle_++;
        openHandles.insert(key, keyPath);
        ++opens;
        return ErrorSuccess;
    }

    qint32 queryValue(Handle key, const QByteArray &valueName, quint32 &type, char *data,
                      quint32 &dataSize) override {
        offeredSizes << dataSize;
        const auto values = keys.value(openHandles.value(key));
        if (!values.contains(valueName))
            return ErrorFileNotFound;
        const Value &value = values.value(valueName);
        if (quint32(value.data.size()) > dataSize)
            return 234;  // ERROR_MORE_DATA
        std::memcpy(data, value.data.constData(), value.data.size());
        dataSize = value.data.size();
        type = value.type;
        return ErrorSuccess;
    }

    qint32 closeKey(Handle key) override {
        if (openHandles.remove(key))
            ++closes;
        else
            ++strayCloses;
        return ErrorSuccess;
    }

private:
    Handle nextHandle_ = 0x100;
};

// Points PATH at a directory of the test's own for the lifetime of the guard.
class PathGuard {
public:
    explicit PathGuard(const QString &dir) : saved_(qgetenv("PATH")) {
        qputenv("PATH", QFile::encodeName(dir));
    }
    ~PathGuard() { qputenv("PATH", saved_); }

private:
    QByteArray saved_;
};

// A launcher over the fake registry, scripted dialogs, a fake file system and
// a recording starter that fails, like the real one, on an empty path.
struct LauncherRig {
    FakeRegistry registry;
    ScriptedDialogs dialogs;
    QSet<QString> files;
    QStringList checked;
    QStringList started;
    bool startWorks = true;
    SysInfoLauncher launcher{registry, dialogs,
                             [this](const QString &path) {
                                 checked << path;
                                 return files.contains(path);
                             },
                             [this](const QString &path) {
                                 started << path;
                                 return startWorks && !path.isEmpty();
                             }};
};

void verifyUnavailableMessage(const ScriptedDialogs &dialogs) {
    const QList<ScriptedDialogs::Call> messages = dialogs.messages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().text, QStringLiteral("此时系统信息不可用"));
    QVERIFY(messages.first().title.isEmpty());  // the dialogs put the application title there
    QCOMPARE(messages.first().icon, Dialogs::Icon::None);
    QCOMPARE(messages.first().buttons, Dialogs::Buttons::Ok);
}

QString childText(const QWidget *window, const char *name) {
    if (const auto *label = window->findChild<QLabel *>(QLatin1String(name)))
        return label->text();
    if (const auto *button = window->findChild<QAbstractButton *>(QLatin1String(name)))
        return button->text();
    return QStringLiteral("<no control %1>").arg(QLatin1String(name));
}

#ifndef Q_OS_WIN
void writeScript(const QString &path, const QByteArray &body, bool executable) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + body);
    file.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner;
    QVERIFY(file.setPermissions(permissions));
}
#endif

// Command1 only hides the window; the close box destroys it.
void verifyHideThenDestroy(QWidget *window) {
    QPointer<QWidget> guard(window);
    window->show();
    QVERIFY(window->isWindow());
    QVERIFY(!window->isModal());
    auto *command1 = window->findChild<QAbstractButton *>(QStringLiteral("Command1"));
    QVERIFY(command1);
    command1->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard);
    QVERIFY(window->isHidden());

    window->show();
    QVERIFY(window->isVisible());
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
}

// Every wrapped label got the height its text needs at its width.
void verifyNothingClipped(QWidget *window) {
    window->show();
    QVERIFY(window->layout());
    window->layout()->activate();
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->wordWrap())
            continue;
        QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                 qPrintable(label->objectName()));
    }
}

}  // namespace

class TestInfoWindows : public QObject {
    Q_OBJECT

private slots:
    void aboutWindowTexts() {
        LauncherRig rig;
        QWidget mainWindow;
        AboutWindow about(rig.launcher, &mainWindow);
        QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
        QCOMPARE(about.windowTitle(), QStringLiteral("ZELTRON-存储器编程器软件V3.0"));
        QCOMPARE(childText(&about, "lblTitle"), QStringLiteral("ZELTRON-存储器编程器软件V3.0"));
        QCOMPARE(childText(&about, "lblVersion"), QStringLiteral("版本：V3.0"));
        QCOMPARE(childText(&about, "lblDescription"),
                 QStringLiteral("本程序适用于本公司专用存储块编程器，可对24C系列、93C系列存储块进行"
                                "全部读写和校对擦除等操作，本软件操作方便，读写数据安全可靠，读写存"
                                "储块的准确度不取决于电脑，与电脑硬件无关，最大限度的保证了数据读写"
                                "的准确性和安全性。"));
        // Free software: the licence, where its text is, and nothing forbidding copies.
        const QString disclaimer = childText(&about, "lblDisclaimer");
        QVERIFY(disclaimer.contains(QStringLiteral("GPL-3.0-or-later")));
        QVERIFY(disclaimer.contains(QStringLiteral("LICENSE")));
        QVERIFY(!disclaimer.contains(QStringLiteral("未经授权")));
        QCOMPARE(childText(&about, "cmdOK"), QStringLiteral("确定"));
        QCOMPARE(childText(&about, "cmdSysInfo"), QStringLiteral("系统信息(&S)..."));
        QCOMPARE(about.findChildren<QWidget *>(QStringLiteral("Line1")).size(), 2);
        const auto *picIcon = about.findChild<QLabel *>(QStringLiteral("picIcon"));
        QVERIFY(picIcon);
        QVERIFY(!picIcon->pixmap().isNull());
        QVERIFY(about.isWindow());
        QVERIFY(!about.isModal());
    }

    void aboutOkDestroysTheWindow() {
        LauncherRig rig;
        QWidget mainWindow;
        QPointer<AboutWindow> about = new AboutWindow(rig.launcher, &mainWindow);
        about->show();
        about->findChild<QAbstractButton *>(QStringLiteral("cmdOK"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(about.isNull());
    }

    void aboutSysInfoButtonLeavesTheWindowOpen() {
        QTemporaryDir emptyDir;
        PathGuard path(emptyDir.path());
        LauncherRig rig;
        AboutWindow about(rig.launcher);
        about.show();
        about.findChild<QAbstractButton *>(QStringLiteral("cmdSysInfo"))->click();
        verifyUnavailableMessage(rig.dialogs);
        QVERIFY(about.isVisible());
    }

    void helpWindowTexts() {
        HelpWindow help;
        QCOMPARE(help.objectName(), QStringLiteral("Form4"));
        QCOMPARE(help.windowTitle(), QStringLiteral("帮助文档"));
        QVERIFY(help.findChild<QWidget *>(QStringLiteral("Picture1")));
        QCOMPARE(childText(&help, "Command1"), QStringLiteral("关闭窗口"));
        QCOMPARE(childText(&help, "Label1"),
                 QStringLiteral("1.将编程器USB通讯电缆与电脑USB接口连接,此时编程器电源灯亮."));
        QCOMPARE(
            childText(&help, "Label2"),
            QStringLiteral("2.若要脱机对拷,请按型号键选择24系列或93系列芯片型号,放入芯片,按确定"
                           "键拷贝原芯片数据到目标芯片,成功后成功绿色灯亮,否则红色灯亮."));
        QCOMPARE(childText(&help, "Label3"),
                 QStringLiteral("3.若要联机读写数据,请直接在电脑程序界面上操作."));
        QCOMPARE(
            childText(&help, "Label4"),
            QStringLiteral("4.确认编程器在联机状态,启动本程序,若联机成功,读写校对按钮可用,否则读"
                           "写校对按钮不可用,请检查电缆或按编程器 复位键 重新启动编程器，按 电"
                           "脑联机测试键 重新测试联机！！"));
        QCOMPARE(
            childText(&help, "Label5"),
            QStringLiteral("5.联机成功,可按读写校对按钮对存储块进行操作,按自动按钮将对存储块先写"
                           "入数据再校对数据.  注意：联机操作时必须将存储块放入对应的 写 位置"
                           "槽中！！"));
        QCOMPARE(childText(&help, "Label6"),
                 QStringLiteral("6.联机操作时,编程器将动态显示用户选择的芯片类型及型号."));
        QCOMPARE(childText(&help, "Label7"),
                 QStringLiteral("7.注意（24C02－24C16）和（24C32－24C64）的芯片不能互换！！,93C46-"
                                "93C86之间也不要互相代换！"));
        QCOMPARE(childText(&help, "Label9"),
                 QStringLiteral("8.若有其他技术问题请致电公司联系帮助,或发送电子邮件或MSN求助:"
                                "support@example.com."));
        QCOMPARE(childText(&help, "Label10"), QStringLiteral("9.感谢您选择本产品及使用本软件."));
        QCOMPARE(childText(&help, "Label11"), QStringLiteral("10.感谢您选择本产品及使用本软件."));
        QVERIFY(!help.findChild<QWidget *>(QStringLiteral("Label8")));
    }

    void companyWindowTextsAndPictures() {
        CompanyWindow company;
        QCOMPARE(company.objectName(), QStringLiteral("Form3"));
        QCOMPARE(company.windowTitle(), QStringLiteral("ZELTRON－存储器编程器软件   公司介绍"));
        QCOMPARE(childText(&company, "Command1"), QStringLiteral("关 闭 窗 口"));
        const QStringList profile = childText(&company, "Label1").split(QLatin1Char('\n'));
        QCOMPARE(profile.size(), 5);  // heading, paragraph, address, telephone, fax
        QVERIFY(profile.at(2).startsWith(QStringLiteral("地址：")));
        QVERIFY(profile.at(3).startsWith(QStringLiteral("电话：")));
        QVERIFY(profile.at(4).startsWith(QStringLiteral("传真：")));

        const QImage background = company.palette().brush(QPalette::Window).textureImage();
        QCOMPARE(background.size(), QSize(632, 420));
        QCOMPARE(company.size(), QSize(632, 420));
        const auto *banner = company.findChild<QLabel *>(QStringLiteral("Picture1"));
        QVERIFY(banner);
        QCOMPARE(banner->pixmap().size(), QSize(565, 59));
    }

    void helpCloseButtonOnlyHides() {
        QWidget mainWindow;
        verifyHideThenDestroy(new HelpWindow(&mainWindow));
    }

    void companyCloseButtonOnlyHides() {
        QWidget mainWindow;
        verifyHideThenDestroy(new CompanyWindow(&mainWindow));
    }

    void longTextsAreNotClipped() {
        LauncherRig rig;
        AboutWindow about(rig.launcher);
        verifyNothingClipped(&about);
        HelpWindow help;
        verifyNothingClipped(&help);
        CompanyWindow company;
        verifyNothingClipped(&company);
    }

    void pictures() {
        const struct {
            QImage image;
            QSize size;
        } pictures[] = {{Pictures::companyBackground(), {632, 420}},
                        {Pictures::companyBanner(), {565, 59}},
                        {Pictures::startupBackground(), {497, 330}}};
        for (const auto &picture : pictures) {
            QCOMPARE(picture.image.size(), picture.size);
            QCOMPARE(picture.image.format(), QImage::Format_RGB888);
            QCOMPARE(picture.image.depth(), 24);
        }
        // The title band's white lettering has been drawn.
        const QImage banner = Pictures::companyBanner();
        int white = 0;
        for (int x = 66; x < 400; ++x)
            white += banner.pixelColor(x, 29).lightness() > 240;
        QVERIFY(white > 5);

        const QImage icon = Pictures::programIconImage(32);
        QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(icon.pixelColor(16, 16).alpha(), 255);
        QVERIFY(Pictures::programIcon().availableSizes().contains(QSize(16, 16)));
    }

    void getKeyValue_data() {
        QTest::addColumn<quint32>("type");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("expected");

        QTest::newRow("text with its NUL") << Registry::RegSz << QByteArray("C:\\a b\\x.exe", 13)
                                           << QStringLiteral("C:\\a b\\x.exe");
        QTest::newRow("text without NUL")
            << Registry::RegSz << QByteArray("C:\\tools") << QStringLiteral("C:\\tools");
        QTest::newRow("local 8-bit text")
            << Registry::RegSz << QStringLiteral("D:\\工具\\信息.exe").toLocal8Bit()
            << QStringLiteral("D:\\工具\\信息.exe");
        QTest::newRow("empty text") << Registry::RegSz << QByteArray(1, '\0') << QString();
        QByteArray dword(4, '\0');
        qToLittleEndian<quint32>(0x12345678u, dword.data());
        QTest::newRow("number") << Registry::RegDword << dword << QStringLiteral("305419896");
        QTest::newRow("other type keeps the caller's text")
            << Registry::RegBinary << QByteArray("\x01\x02", 2) << QStringLiteral("as passed");
    }

    void getKeyValue() {
        QFETCH(quint32, type);
        QFETCH(QByteArray, data);
        QFETCH(QString, expected);
        FakeRegistry registry;
        registry.keys["Key\\Path"]["Name"] = {type, data};
        QString value = QStringLiteral("as passed");
        QVERIFY(GetKeyValue(registry, 0x80000002u, QStringLiteral("Key\\Path"),
                            QStringLiteral("Name"), value));
        QCOMPARE(value, expected);
        QCOMPARE(registry.roots, QList<quint32>{0x80000002u});
        QCOMPARE(registry.accessMasks, QList<quint32>{0x20019u});  // KEY_READ
        QCOMPARE(registry.offeredSizes, QList<quint32>{1024});
        QCOMPARE(registry.closes, 1);
        QCOMPARE(registry.strayCloses, 0);
    }

    void getKeyValueFailures() {
        FakeRegistry registry;
        registry.keys["Present"]["Other"] = FakeRegistry::text(QStringLiteral("x"));
        QString value = QStringLiteral("old");
        QVERIFY(!GetKeyValue(registry, Registry::HKeyLocalMachine, QStringLiteral("Absent"),
                             QStringLiteral("Name"), value));
        QVERIFY(value.isEmpty());
        QCOMPARE(registry.closes + registry.strayCloses, 0);

        value = QStringLiteral("old");
        QVERIFY(!GetKeyValue(registry, Registry::HKeyLocalMachine, QStringLiteral("Present"),
                             QStringLiteral("Name"), value));
        QVERIFY(value.isEmpty());
        QCOMPARE(registry.opens, 1);
        QCOMPARE(registry.closes, 1);
        QVERIFY(registry.openHandles.isEmpty());
    }

    void startSysInfo_data() {
        QTest::addColumn<int>("pathType");  // 0: no MSINFO key
        QTest::addColumn<QString>("pathValue");
        QTest::addColumn<QString>("folder");  // empty: no location key
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("startWorks");
        QTest::addColumn<QStringList>("checked");
        QTest::addColumn<QStringList>("started");
        QTest::addColumn<QStringList>("keysTried");

        const QString tool = QStringLiteral("D:\\Tools\\info.exe");
        const QString folder = QStringLiteral("C:\\Shared\\MSInfo");
        const QString inFolder = folder + QStringLiteral("\\MSINFO32.EXE");
        const QStringList bothKeys = {InfoKey, LocationKey};
        QTest::newRow("PATH used unchanged, unchecked")
            << int(Registry::RegSz) << tool << folder << QStringList() << true << QStringList()
            << QStringList{tool} << QStringList{InfoKey};
        QTest::newRow("folder holding the tool")
            << 0 << QString() << folder << QStringList{inFolder} << true << QStringList{inFolder}
            << QStringList{inFolder} << bothKeys;
        QTest::newRow("folder without the tool")
            << 0 << QString() << folder << QStringList() << true << QStringList{inFolder}
            << QStringList() << bothKeys;
        QTest::newRow("both keys absent") << 0 << QString() << QString() << QStringList() << true
                                          << QStringList() << QStringList() << bothKeys;
        QTest::newRow("PATH of another type")
            << int(Registry::RegBinary) << QString() << folder << QStringList{inFolder} << true
            << QStringList() << QStringList{QString()} << QStringList{InfoKey};
        QTest::newRow("tool that does not start")
            << int(Registry::RegSz) << tool << QString() << QStringList() << false << QStringList()
            << QStringList{tool} << QStringList{InfoKey};
    }

    void startSysInfo() {
        QFETCH(int, pathType);
        QFETCH(QString, pathValue);
        QFETCH(QString, folder);
        QFETCH(QStringList, files);
        QFETCH(bool, startWorks);
        QFETCH(QStringList, checked);
        QFETCH(QStringList, started);
        QFETCH(QStringList, keysTried);

        QTemporaryDir emptyDir;  // no desktop tool to fall back on
        PathGuard path(emptyDir.path());
        LauncherRig rig;
        if (pathType == int(Registry::RegSz))
            rig.registry.keys[InfoKey]["PATH"] = FakeRegistry::text(pathValue);
        else if (pathType != 0)
            rig.registry.keys[InfoKey]["PATH"] = {quint32(pathType), QByteArray("\x01\x02", 2)};
        if (!folder.isEmpty())
            rig.registry.keys[LocationKey]["MSINFO"] = FakeRegistry::text(folder);
        rig.files = QSet<QString>(files.begin(), files.end());
        rig.startWorks = startWorks;

        rig.launcher.StartSysInfo();

        QCOMPARE(rig.checked, checked);
        QCOMPARE(rig.started, started);
        QStringList tried;
        for (const QByteArray &key : rig.registry.openAttempts)
            tried << QString::fromLatin1(key);
        QCOMPARE(tried, keysTried);
        QCOMPARE(rig.registry.closes, rig.registry.opens);
        QCOMPARE(rig.registry.strayCloses, 0);
        if (startWorks && !started.isEmpty() && !started.first().isEmpty())
            QVERIFY(rig.dialogs.calls.isEmpty());
        else
            verifyUnavailableMessage(rig.dialogs);
    }

    void realStarterRefusesWhatCannotStart() {
        QVERIFY(!SysInfoLauncher::startDetached(QString()));
        QTemporaryDir dir;
        QVERIFY(!SysInfoLauncher::startDetached(dir.filePath(QStringLiteral("missing.exe"))));
        QVERIFY(!SysInfoLauncher::fileExists(dir.path()));  // a folder is no tool
    }

    void desktopToolFromPath() {
#ifdef Q_OS_WIN
        QSKIP("Windows looks only in the registry");
#else
        QTemporaryDir dir;
        PathGuard path(dir.path());
        writeScript(dir.filePath(QStringLiteral("hardinfo")), QByteArray(), false);
        {
            LauncherRig rig;
            rig.launcher.StartSysInfo();  // a file that cannot be run is no tool
            QVERIFY(rig.started.isEmpty());
            verifyUnavailableMessage(rig.dialogs);
        }

        writeScript(dir.filePath(QStringLiteral("gnome-system-monitor")), QByteArray(), true);
        writeScript(dir.filePath(QStringLiteral("kinfocenter")), QByteArray(), true);
        LauncherRig rig;
        rig.launcher.StartSysInfo();
        QCOMPARE(rig.started, QStringList{dir.filePath(QStringLiteral("kinfocenter"))});
        QVERIFY(rig.dialogs.calls.isEmpty());
#endif
    }

    void desktopToolRunsDetached() {
#ifdef Q_OS_WIN
        QSKIP("Windows looks only in the registry");
#else
        QTemporaryDir dir;
        PathGuard path(dir.path());
        const QString marker = dir.filePath(QStringLiteral("ran"));
        writeScript(dir.filePath(QStringLiteral("hardinfo2")),
                    "echo started > '" + QFile::encodeName(marker) + "'\n", true);
        FakeRegistry registry;
        ScriptedDialogs dialogs;
        SysInfoLauncher launcher(registry, dialogs);
        launcher.StartSysInfo();
        QVERIFY(dialogs.calls.isEmpty());
        QTRY_VERIFY(QFile::exists(marker));
#endif
    }
};

QTEST_MAIN(TestInfoWindows)
#include "tst_info_windows.moc"
