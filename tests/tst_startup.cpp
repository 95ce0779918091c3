// Start-up: the start-up window, one running copy, the load step of the main
// window, the port numbering and the search for the box.
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <csignal>

#include "app/command_line.h"
#include "app/single_instance.h"
#include "link/port_numbering.h"
#include "link/port_search.h"
#include "link/programmer_link.h"
#include "messages/texts.h"
#include "support/form_rig.h"

namespace {

constexpr quint8 Test = 0xFE;

const QColor Green(0, 255, 0);
const QColor Red(255, 0, 0);

QList<int> range(int first, int last) {
    QList<int> numbers;
    for (int n = first; n <= last; ++n)
        numbers << n;
    return numbers;
}

QColor indicatorColour(const FormRig &rig) {
    return rig.find<QLineEdit>("Text1")->palette().color(QPalette::Base);
}

// True when a port of the bank is free, i.e. the program closed it.
bool portIsFree(MemoryPortBank &bank, int number) {
    MemoryPort probe(bank);
    probe.setPortNumber(number);
    const bool free = probe.open();
    probe.close();
    bank.openAttempts.removeLast();
    if (free)
        bank.openedPorts.removeLast();
    return free;
}

qint64 lockOwner(const QString &path) {
    qint64 pid = 0;
    QString host, application;
    return QLockFile(path).getLockInfo(&pid, &host, &application) ? pid : 0;
}

// Starts the real program as a user would, its runtime folder (and so its
// lock) in `runtimeDir`.
void startProgram(QProcess &process, const QString &runtimeDir) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", runtimeDir);
    // Settings of its own, never the user's.
    environment.insert("XDG_CONFIG_HOME", runtimeDir);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(PROGRAMMER_PATH, {});
}

// Whether the process ignores `signal`, as /proc tells.
bool ignoresSignal(qint64 pid, int signal) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("SigIgn:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

void killProgram(QProcess &process) {
    process.kill();
    process.waitForFinished(5000);
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { FormRig::warmUp(); }
    void startupWindowHandsOverToTheMainWindow_data();
    void startupWindowHandsOverToTheMainWindow();
    void loadStepPreparesTheWindow();
    void loadOutcome_data();
    void loadOutcome();
    void boxOnPortThree_data();
    void boxOnPortThree();
    void portsThatCannotBeOpenedCostNoTime();
    void misbehavingDeviceIsPassedOver_data();
    void misbehavingDeviceIsPassedOver();

    void portNumbersFollowTheDeviceOrder();
    void portOption_data();
    void portOption();

    void secondCopyIsRefusedAndLeavesTheFirstAlone();
    void oneRunningCopyOfTheProgram();
};

// --- The start-up window and the load step -------------------------------------

void StartupTest::startupWindowHandsOverToTheMainWindow_data() {
    QTest::addColumn<bool>("online");
    QTest::newRow("online use") << true;
    QTest::newRow("offline use") << false;
}

void StartupTest::startupWindowHandsOverToTheMainWindow() {
    QFETCH(bool, online);
    FormRig::Options options = FormRig::roomy();
    options.load = false;
    options.onlineUse = !online;  // the button, not the rig, must decide
    FormRig rig(options);
    Form2 &startup = rig.startup;

    QCOMPARE(startup.windowTitle(),
             QStringLiteral("ZELTRON－存储器编程器软件 V3.0        ") + Texts::TelephoneLine());
    QCOMPARE(startup.Command1->text(), QStringLiteral("联机使用"));
    QCOMPARE(startup.Command2->text(), QStringLiteral("脱机使用"));
    QCOMPARE(startup.Label4->text(), QStringLiteral("正在联机，请稍候- - - - - "));
    startup.show();
    QVERIFY(startup.Label4->isHidden());

    // What the start-up window looks like while the main window loads.
    bool loaded = false, chosen = false, labelShown = false, closed = true;
    bool firstEnabled = true, secondEnabled = true;
    startup.showMainWindow = [&] {
        chosen = startup.lianjibiaozhi;
        labelShown = startup.Label4->isVisibleTo(&startup);
        firstEnabled = startup.Command1->isEnabled();
        secondEnabled = startup.Command2->isEnabled();
        rig->Form_Load();
        rig->Timer3->stop();
        // Closing it now would pull the window from under the search.
        closed = startup.close();
        rig->show();
        loaded = true;
    };
    QTest::mouseClick(online ? startup.Command1 : startup.Command2, Qt::LeftButton);

    QVERIFY(loaded);
    QCOMPARE(chosen, online);
    QCOMPARE(startup.lianjibiaozhi, online);
    QCOMPARE(labelShown, online);
    QVERIFY(!closed);
    QCOMPARE(firstEnabled, !online);
    QVERIFY(!secondEnabled);
    // Hidden but kept: the online check reads its choice all the time.
    QVERIFY(startup.isHidden());
    QVERIFY(startup.Label4->isHidden());
    QVERIFY(rig->isVisible());
    QCOMPARE(rig->onlineUse(), online);
    QCOMPARE(rig.isOnline(), online);
    QCOMPARE(rig.bank.openAttempts, online ? QList<int>{1} : QList<int>{});
}

void StartupTest::loadStepPreparesTheWindow() {
    FormRig::Options options = FormRig::roomy();
    options.keepOnlineCheck = true;
    FormRig rig(options);

    QCOMPARE(rig->statusText(),
             QStringLiteral(
                 "您还没有打开文件，系统默认芯片为24C02，芯片容量为256字节，缓冲区为全 FF。 "));
    QCOMPARE(
        Texts::FailureHint().split("\r\n"),
        (QStringList{
            QStringLiteral("操作未成功，可能有以下原因："),
            QStringLiteral("1.编程器USB编程电缆没有连接，"),
            QStringLiteral("2.若编程器已连接送电，重新插拔一次USB编程电缆，再测试！！"),
            QStringLiteral("3.芯片型号选择错误，注意（24C02－24C16）和（24C32－24C64）的芯片不能"
                           "互换！！,93C46-93C86之间也不要互相代换！！")}));

    QCOMPARE(rig.find<QComboBox>("Combo1")->currentIndex(), 0);
    QCOMPARE(rig->chip().ChipCode(), 0);
    QCOMPARE(rig->chip().BlockCount(), 31);
    QCOMPARE(rig->chip().DataBuffer(), QByteArray(256, '\xFF'));

    for (const char *name : {"Text2", "ProgressBar1", "Command3", "Label4"})
        QVERIFY2(!rig.find(name)->isVisibleTo(&*rig), name);
    QVERIFY(!rig->Timer5->isActive());
    QVERIFY(rig->Timer3->isActive());

    // The model was chosen while the indicator still read offline: the box
    // heard only the connection test.
    QCOMPARE(rig.frames(), QList<QByteArray>{FormRig::frame(Test)});
}

void StartupTest::loadOutcome_data() {
    QTest::addColumn<bool>("onlineUse");
    QTest::addColumn<int>("boxPort");
    QTest::addColumn<bool>("refusing");
    QTest::addColumn<bool>("online");
    QTest::addColumn<QList<int>>("attempts");

    QTest::newRow("offline use") << false << 1 << false << false << QList<int>{};
    QTest::newRow("online use, no box") << true << 0 << false << false << range(1, 15);
    QTest::newRow("online use, box answers EEH") << true << 1 << true << false << range(1, 15);
    QTest::newRow("online use, box on port 1") << true << 1 << false << true << QList<int>{1};
}

void StartupTest::loadOutcome() {
    QFETCH(bool, onlineUse);
    QFETCH(int, boxPort);
    QFETCH(bool, refusing);
    QFETCH(bool, online);
    QFETCH(QList<int>, attempts);

    FormRig::Options options = FormRig::roomy();
    options.onlineUse = onlineUse;
    options.boxPort = boxPort;
    options.load = false;
    FormRig rig(options);
    if (refusing)
        rig.box.addFault({BoxFault::Kind::WrongCode, Test});
    rig->Form_Load();
    rig->Timer3->stop();

    QCOMPARE(rig.bank.openAttempts, attempts);
    QCOMPARE(rig.isOnline(), online);
    QCOMPARE(rig.isOffline(), !online);
    QCOMPARE(indicatorColour(rig), online ? Green : Red);
    QCOMPARE(rig.port->isOpen(), online);
    QCOMPARE(rig->search().PortFound, online);
    if (boxPort > 0)
        QVERIFY(portIsFree(rig.bank, boxPort) != online);

    for (const char *name : {"Command6", "Command7", "Command8", "Command9", "Command10"})
        QVERIFY2(rig.button(name)->isEnabled() == online, name);
    QCOMPARE(rig.find<QMenu>("icoprate")->menuAction()->isEnabled(), online);
    // Test is offered at once only in offline use; online use leaves it to
    // the online check.
    QCOMPARE(rig.button("Command11")->isEnabled(), !onlineUse);
    for (const char *name : {"Command4", "Command2", "Command12", "Combo1"})
        QVERIFY2(rig.find(name)->isEnabled(), name);
    QVERIFY(rig.find("Text2")->isHidden());
    QVERIFY(rig.dialogs.calls.isEmpty());
}

void StartupTest::boxOnPortThree_data() {
    QTest::addColumn<QList<int>>("silentPorts");
    QTest::newRow("ports 1 and 2 open but silent") << QList<int>{1, 2};
    QTest::newRow("ports 1 and 2 missing") << QList<int>{};
}

void StartupTest::boxOnPortThree() {
    QFETCH(QList<int>, silentPorts);
    FormRig::Options options = FormRig::roomy();
    options.boxPort = 3;
    options.silentPorts = silentPorts;
    options.load = false;
    FormRig rig(options);
    // What the window says while a silent port is being tried.
    const auto *notice = rig.find<QLineEdit>("Text2");
    QString noticeWhileTrying;
    QObject::connect(&rig->link(), &ProgrammerLink::frameSent, &*rig, [&] {
        if (silentPorts.contains(rig.port->portNumber()) && notice->isVisibleTo(&*rig) &&
            rig.isOffline())
            noticeWhileTrying = notice->text();
    });
    rig->Form_Load();
    rig->Timer3->stop();
    QCOMPARE(noticeWhileTrying, silentPorts.isEmpty()
                                    ? QString()
                                    : QStringLiteral("请确认编程器已连接，正在测试，请稍后－－－"));

    QCOMPARE(rig.bank.openAttempts, (QList<int>{1, 2, 3}));
    QCOMPARE(rig.bank.openedPorts, silentPorts + QList<int>{3});
    for (int number : silentPorts) {
        QCOMPARE(rig.bank.writtenBytes.value(number), FormRig::frame(Test));
        QVERIFY(portIsFree(rig.bank, number));
    }
    QVERIFY(rig.isOnline());
    QCOMPARE(rig->search().PortNumber, 3);
    QCOMPARE(rig.port->portNumber(), 3);
    QVERIFY(!portIsFree(rig.bank, 3));
    QCOMPARE(rig.frames(), QList<QByteArray>{FormRig::frame(Test)});
}

void StartupTest::portsThatCannotBeOpenedCostNoTime() {
    FormRig::Options options = FormRig::roomy();
    options.onlineUse = false;
    options.boxPort = 15;
    options.silentPorts = {1};
    options.timings.replyTimeout = 2000;
    FormRig rig(options);
    // Port 1 is held by another program.
    MemoryPort other(rig.bank);
    other.setPortNumber(1);
    QVERIFY(other.open());
    rig.bank.openAttempts.clear();

    QElapsedTimer clock;
    clock.start();
    rig->search().findport();
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(rig.isOnline());
    QCOMPARE(rig->search().PortNumber, 15);
    QCOMPARE(rig.bank.openAttempts, range(1, 15));
    QCOMPARE(rig.bank.writtenBytes.value(1), QByteArray());
}

void StartupTest::misbehavingDeviceIsPassedOver_data() {
    QTest::addColumn<QString>("behaviour");
    for (const char *row : {"floods garbage", "answers late", "answers 9 bytes", "answers garbage"})
        QTest::newRow(row) << QString(row);
}

void StartupTest::misbehavingDeviceIsPassedOver() {
    QFETCH(QString, behaviour);
    FormRig::Options options = FormRig::roomy();
    options.onlineUse = false;
    options.boxPort = 2;
    FormRig rig(options);
    const Timings &timings = rig.options.timings;

    BoxCore stranger;
    rig.bank.attachBox(1, &stranger);
    QTimer flood;
    if (behaviour == "floods garbage") {
        rig.bank.addSilentPort(1);
        QObject::connect(&flood, &QTimer::timeout, [&] {
            if (rig.port->isOpen() && rig.port->portNumber() == 1)
                rig.port->injectBytes(QByteArray(16, '\x55'));
        });
        flood.start(2);
    } else if (behaviour == "answers late") {
        stranger.addFault({BoxFault::Kind::Delay, -1, -1, timings.replyTimeout + 50});
    } else if (behaviour == "answers 9 bytes") {
        stranger.addFault({BoxFault::Kind::ShortReply});
    } else {
        stranger.addFault({BoxFault::Kind::Garbage, -1, -1, 30});
    }

    QElapsedTimer clock;
    clock.start();
    rig->search().findport();
    const qint64 elapsed = clock.elapsed();
    flood.stop();

    QVERIFY2(elapsed < timings.replyTimeout + timings.receiveTimeout + 1000,
             qPrintable(QString::number(elapsed)));
    QVERIFY(rig.isOnline());
    QCOMPARE(rig->search().PortNumber, 2);
    QCOMPARE(rig.bank.openAttempts, (QList<int>{1, 2}));
    QVERIFY(portIsFree(rig.bank, 1));
    QVERIFY(rig.dialogs.calls.isEmpty());

    // Whatever port 1 still sends never reaches the link on port 2.
    FormRig::pause(timings.replyTimeout + 100);
    rig->link().setCommand(Test);
    QVERIFY(rig->link().sendandread());
    QCOMPARE(rig->link().replyCode(), quint8(0xFD));
}

// --- Port numbering and the command line ---------------------------------------

void StartupTest::portNumbersFollowTheDeviceOrder() {
    QTemporaryDir dev;
    QVERIFY(dev.isValid());
    const auto touch = [&dev](const QString &name) {
        QFile file(dev.filePath(name));
        return file.open(QIODevice::WriteOnly);
    };
    for (const char *name : {"ttyS10", "ttyUSB10", "ttyS2", "ttyACM0", "ttyUSB2", "ttyS0", "ttyUSB",
                             "ttyUSBx", "ttyS1a", "tty5", "ttyAMA0", "console"})
        QVERIFY(touch(name));

    PortNumbering numbering({"/given/first", "/given/second"}, dev.path());
    const QStringList expected{"/given/first",          "/given/second",
                               dev.filePath("ttyUSB2"), dev.filePath("ttyUSB10"),
                               dev.filePath("ttyACM0"), dev.filePath("ttyS0"),
                               dev.filePath("ttyS2"),   dev.filePath("ttyS10")};
    QCOMPARE(numbering.candidates(), expected);
    for (int n = 1; n <= expected.size(); ++n)
        QCOMPARE(numbering.device(n), expected.at(n - 1));
    QCOMPARE(numbering.device(0), QString());
    QCOMPARE(numbering.device(expected.size() + 1), QString());

    // An adapter plugged in while the program runs takes its place at once.
    QVERIFY(touch("ttyUSB0"));
    QCOMPARE(numbering.device(3), dev.filePath("ttyUSB0"));
    QCOMPARE(numbering.device(4), dev.filePath("ttyUSB2"));

    // Only fifteen numbers, however many devices there are.
    for (int n = 20; n < 30; ++n)
        QVERIFY(touch(QString("ttyS%1").arg(n)));
    QVERIFY(numbering.candidates().size() > PortNumbering::LastPort);
    QCOMPARE(numbering.device(15), numbering.candidates().at(14));
    QCOMPARE(numbering.device(16), QString());
}

void StartupTest::portOption_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("ports");

    QTest::newRow("none") << QStringList{"eeprom-programmer"} << QStringList{};
    QTest::newRow("one") << QStringList{"eeprom-programmer", "--port", "/dev/pts/4"}
                         << QStringList{"/dev/pts/4"};
    QTest::newRow("repeated, both spellings")
        << QStringList{"eeprom-programmer", "--port", "/tmp/a", "--port=/tmp/b"}
        << QStringList{"/tmp/a", "/tmp/b"};
    QTest::newRow("among strangers")
        << QStringList{"eeprom-programmer", "--launcher-flag", "file.bin", "--port", "/tmp/a", "-x"}
        << QStringList{"/tmp/a"};
}

void StartupTest::portOption() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, ports);
    QCOMPARE(explicitPorts(arguments), ports);
}

// --- One running copy ----------------------------------------------------------

void StartupTest::secondCopyIsRefusedAndLeavesTheFirstAlone() {
    QTemporaryDir dir;
    const QString path = dir.filePath("programmer.lock");
    ScriptedDialogs dialogs;

    auto first = std::make_unique<SingleInstance>(path);
    QVERIFY(mayRun(*first, dialogs));
    QVERIFY(dialogs.calls.isEmpty());
    {
        SingleInstance second(path);
        QVERIFY(!mayRun(second, dialogs));
    }
    QCOMPARE(dialogs.calls.size(), 1);
    const ScriptedDialogs::Call warning = dialogs.calls.first();
    QCOMPARE(warning.text, QStringLiteral("编程器软件程序已经在运行，不能再次运行！！！"));
    QCOMPARE(warning.title, QStringLiteral("警告信息"));
    QCOMPARE(warning.icon, Dialogs::Icon::Warning);
    QCOMPARE(warning.buttons, Dialogs::Buttons::Ok);

    // The refused copy went away without taking the lock from the first.
    QCOMPARE(lockOwner(path), QCoreApplication::applicationPid());
    SingleInstance third(path);
    QVERIFY(!third.acquire());
    QVERIFY(first->acquire());

    first.reset();
    QVERIFY(third.acquire());

    // No other copy can hold a lock where no file can be made.
    dialogs.clear();
    SingleInstance homeless(dir.filePath("missing/folder/programmer.lock"));
    QVERIFY(mayRun(homeless, dialogs));
    QVERIFY(dialogs.calls.isEmpty());
}

void StartupTest::oneRunningCopyOfTheProgram() {
    QTemporaryDir runtime;
    const QString lock = runtime.filePath("eeprom-programmer.lock");
    QProcess first, second, third;
    startProgram(first, runtime.path());
    QTRY_COMPARE_WITH_TIMEOUT(lockOwner(lock), first.processId(), 10000);
    // A user's file-size limit fails a save instead of killing the program.
    QVERIFY(ignoresSignal(first.processId(), SIGXFSZ));

    // The second copy waits in its warning; the first keeps its lock.
    startProgram(second, runtime.path());
    QVERIFY(second.waitForStarted(5000));
    FormRig::pause(1000);
    QCOMPARE(second.state(), QProcess::Running);
    killProgram(second);
    QCOMPARE(first.state(), QProcess::Running);
    QCOMPARE(lockOwner(lock), first.processId());

    // A copy that dies without unlocking blocks nobody.
    killProgram(first);
    QVERIFY(QFile::exists(lock));
    startProgram(third, runtime.path());
    QTRY_COMPARE_WITH_TIMEOUT(lockOwner(lock), third.processId(), 10000);
    killProgram(third);
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
