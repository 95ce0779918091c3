// Online supervision: the Test button and its menu twin, the periodic check of
// Timer3, the failure path of a read, and ticks that fall inside waits.
#include <QLabel>
#include <QTimer>
#include <QtTest>

#include "chips/chip_buffer.h"
#include "link/port_search.h"
#include "link/programmer_link.h"
#include "messages/texts.h"
#include "operations/chip_operations.h"
#include "operations/operation_scope.h"
#include "support/form_rig.h"

namespace {

constexpr quint8 Test = 0xFE, Read = 0xF8;

const QString CommunicationFault = QStringLiteral(
    "编程器通讯故障，请按编程器  复位键 或 重新拔插一次编程器USB通讯电缆， 重新建立通讯！！");

BoxFault fault(BoxFault::Kind kind, int command = -1, int value = 0, int remaining = -1) {
    BoxFault f;
    f.kind = kind;
    f.command = command;
    f.value = value;
    f.remaining = remaining;
    return f;
}

// What the controls looked like after each tick of Timer3.
struct Tick {
    bool operationRunning;
    bool testEnabled;
    bool exitEnabled;
};

class TickLog {
public:
    explicit TickLog(FormRig &rig) {
        // Connected after the window's own handler: sees the tick's result.
        QObject::connect(rig->Timer3, &QTimer::timeout, rig->Timer3, [this, &rig] {
            ticks << Tick{rig->chip().locked(), rig.button("Command11")->isEnabled(),
                          rig.button("Command12")->isEnabled()};
        });
    }
    QList<Tick> during(bool operationRunning) const {
        QList<Tick> result;
        for (const Tick &tick : ticks)
            if (tick.operationRunning == operationRunning)
                result << tick;
        return result;
    }
    QList<Tick> ticks;
};

}  // namespace

class SupervisionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { FormRig::warmUp(); }
    void offlineUseLeavesTheLinkToTheUser();
    void unpluggedWhileIdleThenPluggedBack();
    void menuTestWorksWhileTheButtonIsDisabled();
    void runningOperationHoldsTheExitAndTheTest();
    void exitDuringTheCheckEndsItsSearch();
    void periodicCheckTakesAnyCompleteReply_data();
    void periodicCheckTakesAnyCompleteReply();
    void readThatLosesTheBoxKeepsThePort();
    void tickInsideAWaitIsSkipped_data();
    void tickInsideAWaitIsSkipped();
    void deniedPortsAreNamedOnceAndPassedOver();
};

void SupervisionTest::offlineUseLeavesTheLinkToTheUser() {
    FormRig::Options options = FormRig::roomy();
    options.onlineUse = false;
    options.keepOnlineCheck = true;
    FormRig rig(options);
    TickLog log(rig);

    QTRY_VERIFY_WITH_TIMEOUT(!log.ticks.isEmpty(), 5000);
    QVERIFY(rig.bank.openAttempts.isEmpty());
    for (const Tick &tick : log.ticks)
        QVERIFY(tick.testEnabled && tick.exitEnabled);

    // Test finds the box; the button waits for the next tick to come back.
    rig.click("Command11");
    QVERIFY(rig.isOnline());
    QVERIFY(!rig.button("Command11")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(rig.button("Command11")->isEnabled(), 3000);

    // A read long enough for ticks to fall inside it: in offline use they
    // never take the exit away and never talk to the box.
    log.ticks.clear();
    rig.clearFrames();
    rig.box.addFault(fault(BoxFault::Kind::Delay, Read, 20));
    rig.click("Command6");
    QCOMPARE(rig.dialogs.messageTexts(), QStringList{Texts::ReadSucceeded()});
    QVERIFY(!log.during(true).isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(!log.during(false).isEmpty(), 5000);
    for (const Tick &tick : log.ticks)
        QVERIFY(tick.testEnabled && tick.exitEnabled);
    QCOMPARE(rig.framesWithCode(Test).size(), 0);
    QCOMPARE(rig.bank.openedPorts, QList<int>{1});
}

void SupervisionTest::unpluggedWhileIdleThenPluggedBack() {
    FormRig::Options options = FormRig::roomy();
    options.keepOnlineCheck = true;
    FormRig rig(options);
    TickLog log(rig);

    // Idle and online: each tick sends the test frame and nothing is said.
    QTRY_VERIFY_WITH_TIMEOUT(rig.framesWithCode(Test).size() >= 2, 5000);
    QVERIFY(rig.dialogs.calls.isEmpty());
    QVERIFY(rig.isOnline());

    bool portOpenAtMessage = true, onlineAtMessage = true;
    rig.dialogs.onCall = [&](const ScriptedDialogs::Call &) {
        portOpenAtMessage = rig.port->isOpen();
        onlineAtMessage = !rig.isOffline();
    };
    rig.box.stopAnsweringAfter(0);
    QTRY_COMPARE_WITH_TIMEOUT(rig.dialogs.calls.size(), 1, 3000);
    const ScriptedDialogs::Call message = rig.dialogs.calls.first();
    QCOMPARE(message.text, CommunicationFault);
    QCOMPARE(message.title, QStringLiteral("警告信息"));
    QCOMPARE(message.icon, Dialogs::Icon::Warning);
    QCOMPARE(message.buttons, Dialogs::Buttons::Ok);
    QVERIFY(!portOpenAtMessage);
    QVERIFY(!onlineAtMessage);
    QVERIFY(!rig->search().PortFound);

    // Every following tick searches again, silently.
    const int attempts = rig.bank.openAttempts.size();
    QTRY_VERIFY_WITH_TIMEOUT(rig.bank.openAttempts.size() >= attempts + 2, 5000);
    QCOMPARE(rig.dialogs.calls.size(), 1);
    QVERIFY(rig.isOffline());
    const Tick last = log.ticks.last();
    QVERIFY(!last.testEnabled);
    QVERIFY(last.exitEnabled);

    log.ticks.clear();
    rig.box.stopAnsweringAfter(-1);
    QTRY_VERIFY_WITH_TIMEOUT(rig.isOnline(), 5000);
    QVERIFY2(log.ticks.size() <= 2, qPrintable(QString::number(log.ticks.size())));
    QVERIFY(rig.operationsEnabled());
    QCOMPARE(rig.dialogs.calls.size(), 1);
}

void SupervisionTest::menuTestWorksWhileTheButtonIsDisabled() {
    FormRig rig(FormRig::roomy());
    rig.box.stopAnsweringAfter(0);
    rig->supervision().check();
    QVERIFY(rig.isOffline());
    rig->Timer3->stop();

    QAction *menuTest = rig.action("ctest");
    QVERIFY(!rig.button("Command11")->isEnabled());
    QVERIFY(menuTest->isEnabled());

    rig.box.stopAnsweringAfter(-1);
    rig.clearFrames();
    rig.dialogs.clear();
    rig.trigger("ctest");
    QVERIFY(rig.isOnline());
    QCOMPARE(rig.frames(), QList<QByteArray>{FormRig::frame(Test)});
    QVERIFY(rig.dialogs.calls.isEmpty());
    QVERIFY(!rig.button("Command11")->isEnabled());
}

void SupervisionTest::runningOperationHoldsTheExitAndTheTest() {
    FormRig::Options options = FormRig::roomy();
    options.keepOnlineCheck = true;
    FormRig rig(options);
    TickLog log(rig);
    rig.box.addFault(fault(BoxFault::Kind::Delay, Read, 20));
    // "硬件测试" during the read would search under it: it is not taken.
    QTimer::singleShot(100, &*rig, [&] { rig.trigger("ctest"); });

    rig.click("Command6");
    QCOMPARE(rig.dialogs.messageTexts(), QStringList{Texts::ReadSucceeded()});
    QCOMPARE(rig.bank.openAttempts, QList<int>{1});
    const QList<Tick> inside = log.during(true);
    QVERIFY(!inside.isEmpty());
    for (const Tick &tick : inside)
        QVERIFY(!tick.exitEnabled);
    // The operation itself leaves the exit alone; the next tick gives it back.
    QVERIFY(!rig.button("Command12")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(rig.button("Command12")->isEnabled(), 3000);
    QVERIFY(rig.isOnline());
}

void SupervisionTest::exitDuringTheCheckEndsItsSearch() {
    FormRig::Options options = FormRig::roomy();
    options.silentPorts = {2};
    FormRig rig(options);
    rig.box.stopAnsweringAfter(0);
    rig->online().gooffline();
    rig.bank.openAttempts.clear();

    // The user leaves while the check searches on port 1.
    FormRig::runInApplicationLoop([&] {
        QTimer::singleShot(50, &*rig, [&] { rig->exitCommand().fquit_Click(); });
        rig->supervision().check();
    });
    QCOMPARE(rig.dialogs.messageTexts(), QStringList{Texts::ExitQuestion()});
    QCOMPARE(rig.bank.openAttempts, QList<int>{1});
    QVERIFY(!rig.port->isOpen());
    QVERIFY(!rig->Timer3->isActive());
}

void SupervisionTest::periodicCheckTakesAnyCompleteReply_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("answered");

    const int late = FormRig::roomy().timings.replyTimeout + 50;
    QTest::newRow("reply code EEH") << int(BoxFault::Kind::WrongCode) << 0 << true;
    QTest::newRow("12 bytes") << int(BoxFault::Kind::LongReply) << 0 << true;
    QTest::newRow("no reply") << int(BoxFault::Kind::NoReply) << 0 << false;
    QTest::newRow("9 bytes") << int(BoxFault::Kind::ShortReply) << 0 << false;
    QTest::newRow("too late") << int(BoxFault::Kind::Delay) << late << false;
}

void SupervisionTest::periodicCheckTakesAnyCompleteReply() {
    QFETCH(int, kind);
    QFETCH(int, value);
    QFETCH(bool, answered);
    FormRig rig(FormRig::roomy());
    rig.clearFrames();
    rig.box.addFault(fault(BoxFault::Kind(kind), Test, value, 1));

    rig->supervision().check();
    QCOMPARE(rig.frames(), QList<QByteArray>{FormRig::frame(Test)});
    QCOMPARE(rig.isOnline(), answered);
    QCOMPARE(rig.port->isOpen(), answered);
    QCOMPARE(rig->search().PortFound, answered);
    QCOMPARE(rig.operationsEnabled(), answered);
    QCOMPARE(rig.dialogs.messageTexts(),
             answered ? QStringList{} : QStringList{CommunicationFault});
}

void SupervisionTest::readThatLosesTheBoxKeepsThePort() {
    FormRig rig(FormRig::roomy());
    // The read-open and the chip select are answered, the blocks are not.
    rig.box.stopAnsweringAfter(2);
    rig.click("Command6");

    QCOMPARE(rig.dialogs.calls.size(), 1);
    const ScriptedDialogs::Call warning = rig.dialogs.calls.first();
    QCOMPARE(warning.text, Texts::FailureHint());
    QCOMPARE(warning.title, QStringLiteral("警告信息"));
    QCOMPARE(warning.icon, Dialogs::Icon::Warning);
    QVERIFY(rig.isOffline());
    QVERIFY(!rig.operationsEnabled());
    QVERIFY(!rig->search().PortFound);
    for (const char *name : {"Text2", "ProgressBar1", "Command3", "Label4"})
        QVERIFY2(rig.find(name)->isHidden(), name);
    // Left open: the next search closes and reopens it.
    QVERIFY(rig.port->isOpen());

    // The next check searches in vain, silently, and keeps the timer going.
    rig->supervision().check();
    QVERIFY(rig.isOffline());
    QVERIFY(rig->Timer3->isActive());
    QCOMPARE(rig.bank.openedPorts, (QList<int>{1, 1}));
    QVERIFY(!rig.port->isOpen());

    rig->Timer3->stop();
    rig.box.stopAnsweringAfter(-1);
    rig->supervision().check();
    QVERIFY(rig.isOnline());
    QCOMPARE(rig.bank.openedPorts, (QList<int>{1, 1, 1}));
    QCOMPARE(rig.dialogs.calls.size(), 1);
}

void SupervisionTest::tickInsideAWaitIsSkipped_data() {
    QTest::addColumn<QString>("wait");
    for (const char *row : {"exchange", "port search", "start-up search", "check's own message",
                            "read's failure message"})
        QTest::newRow(row) << QString(row);
}

void SupervisionTest::tickInsideAWaitIsSkipped() {
    QFETCH(QString, wait);
    FormRig::Options options = FormRig::roomy();
    options.load = wait != "start-up search";
    options.boxPort = wait.endsWith("search") ? 3 : 1;
    if (wait.endsWith("search"))
        options.silentPorts = {1, 2};
    FormRig rig(options);
    int nestedTicks = 0;
    const auto tickNow = [&] {
        ++nestedTicks;
        rig->supervision().check();
    };

    if (wait == "exchange") {
        rig.clearFrames();
        rig.button("Command11")->setEnabled(true);
        rig.box.addFault(fault(BoxFault::Kind::Delay, Test, 60, 1));
        QTimer::singleShot(20, &*rig, tickNow);
        rig->link().setCommand(Test);
        QVERIFY(rig->link().sendandread());
        QCOMPARE(rig.frames(), QList<QByteArray>{FormRig::frame(Test)});
        // Only the nested check was skipped: the button still follows the use.
        QVERIFY(!rig.button("Command11")->isEnabled());
    } else if (wait == "port search") {
        rig.bank.openAttempts.clear();
        QTimer::singleShot(20, &*rig, tickNow);
        rig.trigger("ctest");
        QCOMPARE(rig.bank.openAttempts, (QList<int>{1, 2, 3}));
    } else if (wait == "start-up search") {
        // The load starts Timer3; the search outlasts its first tick.
        QObject::connect(rig->Timer3, &QTimer::timeout, [&] { ++nestedTicks; });
        rig->Form_Load();
        rig->Timer3->stop();
        QCOMPARE(rig.bank.openAttempts, (QList<int>{1, 2, 3}));
    } else {
        int attemptsDuringMessage = -1;
        const int attempts = rig.bank.openAttempts.size();
        rig.dialogs.onCall = [&](const ScriptedDialogs::Call &) {
            tickNow();
            attemptsDuringMessage = rig.bank.openAttempts.size();
        };
        if (wait == "check's own message") {
            rig.box.stopAnsweringAfter(0);
            rig->supervision().check();
            QCOMPARE(rig.dialogs.messageTexts(), QStringList{CommunicationFault});
        } else {
            rig.box.stopAnsweringAfter(2);
            rig.click("Command6");
            QCOMPARE(rig.dialogs.messageTexts(), QStringList{Texts::FailureHint()});
        }
        QCOMPARE(attemptsDuringMessage, attempts);
        QVERIFY(rig.isOffline());
    }
    QVERIFY(nestedTicks > 0);
    QCOMPARE(rig.isOnline(), !wait.endsWith("message"));
    if (!wait.endsWith("message"))
        QVERIFY(rig.dialogs.calls.isEmpty());
}

void SupervisionTest::deniedPortsAreNamedOnceAndPassedOver() {
    FormRig::Options options = FormRig::roomy();
    options.boxPort = 0;
    options.load = false;
    options.keepOnlineCheck = true;
    FormRig rig(options);
    rig.bank.addDeniedPort(1);
    rig.bank.addDeniedPort(2);
    QSignalSpy refusals(&rig->search(), &PortSearch::portRefused);
    rig->Form_Load();

    // Tick after tick searches again; the notice comes once, in place of
    // panel 1, which keeps its text.
    QTRY_VERIFY_WITH_TIMEOUT(rig.bank.openAttempts.count(1) >= 3, 5000);
    QCOMPARE(refusals.size(), 1);
    QVERIFY(rig.find("Panel1")->isHidden());
    QCOMPARE(rig.find<QLabel>("portNotice")->text(),
             QStringLiteral("无权使用串口 /dev/ttyMEM1：请把当前用户加入 dialout 组"
                            "（sudo adduser $USER dialout），重新登录后再试。"));
    QCOMPARE(rig->statusText(), Texts::StartupStatus());
    QVERIFY(rig.dialogs.calls.isEmpty());

    // The search goes on past them: a box plugged in on port 3 is found.
    rig.bank.attachBox(3, &rig.box);
    QTRY_VERIFY_WITH_TIMEOUT(rig.isOnline(), 5000);
    QCOMPARE(rig->search().PortNumber, 3);
    QCOMPARE(refusals.size(), 1);
    QVERIFY(rig.find("portNotice")->isHidden());
    QVERIFY(!rig.find("Panel1")->isHidden());
}

QTEST_MAIN(SupervisionTest)
#include "tst_supervision.moc"
