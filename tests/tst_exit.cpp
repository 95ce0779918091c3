// Leaving the program: the question, the timers put back on No, and on Yes
// every wait ended, the port closed and the windows closed in order.
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "chips/chip_buffer.h"
#include "link/programmer_link.h"
#include "messages/texts.h"
#include "operations/chip_operations.h"
#include "operations/operation_scope.h"
#include "support/form_rig.h"

namespace {

// Notes the order in which windows receive their close.
class CloseRecorder : public QObject {
public:
    QStringList closed;

    void watch(QWidget *window) {
        if (window)
            window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::Close)
            return false;
        // Let the window decide first: a close it refuses is not a close.
        static_cast<QWidget *>(watched)->removeEventFilter(this);
        QCoreApplication::sendEvent(watched, event);
        static_cast<QWidget *>(watched)->installEventFilter(this);
        if (event->isAccepted())
            closed << watched->objectName();
        return true;
    }
};

int exitQuestions(const ScriptedDialogs &dialogs) {
    int count = 0;
    for (const auto &call : dialogs.messages())
        if (call.text == Texts::ExitQuestion() && call.title == Texts::QuestionTitle() &&
            call.icon == Dialogs::Icon::Question && call.buttons == Dialogs::Buttons::YesNo)
            ++count;
    return count;
}

}  // namespace

class ExitTest : public QObject {
    Q_OBJECT

private slots:
    void noPutsTheTimersBack_data();
    void noPutsTheTimersBack();
    void everyWayOutAsksTheSameQuestion();
    void unsavedEditsAreAskedAboutInstead_data();
    void unsavedEditsAreAskedAboutInstead();
    void yesClosesThePortAndTheWindowsInOrder();
    void yesWithThePortAlreadyClosed();
    void helpMenuWindowsAreSingle();
    void exitDuringAReadSendsNothingMore();
    void exitDuringAPortSearchStopsIt();
};

void ExitTest::noPutsTheTimersBack_data() {
    QTest::addColumn<bool>("timer1");
    QTest::addColumn<bool>("timer2");
    QTest::addColumn<bool>("timer3");
    QTest::newRow("check running") << false << false << true;
    QTest::newRow("all running") << true << true << true;
    QTest::newRow("only the reply timer") << true << false << false;
}

void ExitTest::noPutsTheTimersBack() {
    QFETCH(bool, timer1);
    QFETCH(bool, timer2);
    QFETCH(bool, timer3);
    FormRig rig;
    QTimer *timers[] = {rig->link().replyTimer(), rig->Timer2, rig->Timer3};
    const bool states[] = {timer1, timer2, timer3};
    for (int i = 0; i < 3; ++i)
        states[i] ? timers[i]->start() : timers[i]->stop();

    bool stoppedWhileAsking = false;
    rig.dialogs.onCall = [&](const ScriptedDialogs::Call &) {
        stoppedWhileAsking =
            !timers[0]->isActive() && !timers[1]->isActive() && !timers[2]->isActive();
    };
    rig.dialogs.answers = {Dialogs::Answer::No};
    rig.trigger("fquit");

    QVERIFY(stoppedWhileAsking);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(timers[i]->isActive(), states[i]);
    QVERIFY(!rig->link().QuitRequested);
    QVERIFY(rig->link().port().isOpen());
    QVERIFY(rig->isVisible());
}

void ExitTest::everyWayOutAsksTheSameQuestion() {
    FormRig rig;
    rig.dialogs.defaultAnswer = Dialogs::Answer::No;

    rig.click("Command12");
    QCOMPARE(exitQuestions(rig.dialogs), 1);

    rig->activateWindow();
    QApplication::setActiveWindow(rig.form.get());
    QTest::keyClick(rig.form.get(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(exitQuestions(rig.dialogs), 2);

    // The close box asks too, and No keeps the window.
    QVERIFY(!rig->close());
    QCOMPARE(exitQuestions(rig.dialogs), 3);
    QVERIFY(rig->isVisible());
    QCOMPARE(rig.dialogs.calls.size(), 3);
}

void ExitTest::unsavedEditsAreAskedAboutInstead_data() {
    QTest::addColumn<Dialogs::Answer>("answer");
    QTest::addColumn<bool>("saveDialogCancelled");
    QTest::addColumn<bool>("leaves");
    QTest::newRow("cancel") << Dialogs::Answer::Cancel << false << false;
    QTest::newRow("discard") << Dialogs::Answer::Discard << false << true;
    QTest::newRow("save") << Dialogs::Answer::Save << false << true;
    QTest::newRow("save dialog cancelled") << Dialogs::Answer::Save << true << false;
}

void ExitTest::unsavedEditsAreAskedAboutInstead() {
    QFETCH(Dialogs::Answer, answer);
    QFETCH(bool, saveDialogCancelled);
    QFETCH(bool, leaves);
    FormRig rig;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("kept.bin"));
    QVERIFY(rig->chip().setByte(5, 0x12));
    rig->Timer3->start();
    rig.dialogs.answers = {answer};
    if (!saveDialogCancelled)
        rig.dialogs.fileNames << file;

    // Leaving ends the application's loop; staying must not need one (its
    // quit would close the window, which asks again).
    if (leaves)
        FormRig::runInApplicationLoop([&] { rig.trigger("fquit"); });
    else
        rig.trigger("fquit");

    // One question, the edits', never the exit's as well.
    QCOMPARE(rig.dialogs.messages().size(), 1);
    QCOMPARE(rig.dialogs.messages().first().text, Texts::UnsavedEditsQuestion());
    QCOMPARE(exitQuestions(rig.dialogs), 0);
    QCOMPARE(rig->link().QuitRequested, leaves);
    QCOMPARE(rig->isVisible(), !leaves);
    QCOMPARE(rig->Timer3->isActive(), !leaves);
    QCOMPARE(QFileInfo::exists(file), answer == Dialogs::Answer::Save && !saveDialogCancelled);
    if (QFileInfo::exists(file))
        QCOMPARE(QFile(file).size(), qint64(256));
}

void ExitTest::yesClosesThePortAndTheWindowsInOrder() {
    FormRig rig;
    rig.startup.show();
    rig.trigger("aboutltd");
    rig.trigger("fabout");
    rig.trigger("myhelp");
    CloseRecorder recorder;
    for (const char *name : {"Form3", "frmAbout", "Form4"})
        recorder.watch(rig->findChild<QWidget *>(QLatin1String(name)));
    recorder.watch(&rig.startup);
    recorder.watch(rig.form.get());
    QVERIFY(rig->link().port().isOpen());

    // The close box leads to the same exit, and the program ends normally.
    QCOMPARE(FormRig::runInApplicationLoop([&] { rig->close(); }), 0);
    QCOMPARE(exitQuestions(rig.dialogs), 1);
    QCOMPARE(recorder.closed, (QStringList{"Form2", "Form3", "frmAbout", "Form4", "Form1"}));
    QVERIFY(!rig->link().port().isOpen());
    QVERIFY(rig->link().QuitRequested);
    QVERIFY(!rig->isVisible());
    QVERIFY(!rig->Timer3->isActive() && !rig->Timer2->isActive());
    QVERIFY(!rig->link().replyTimer()->isActive());
}

void ExitTest::yesWithThePortAlreadyClosed() {
    FormRig::Options offline;
    offline.onlineUse = false;
    FormRig rig(offline);
    QVERIFY(rig.bank.openAttempts.isEmpty());
    FormRig::runInApplicationLoop([&] { rig.click("Command12"); });
    QVERIFY(rig.bank.openAttempts.isEmpty());
    QVERIFY(!rig->isVisible());
    QVERIFY(rig->link().QuitRequested);
}

void ExitTest::helpMenuWindowsAreSingle() {
    FormRig rig;
    rig.trigger("fabout");
    rig.trigger("fabout");
    QCOMPARE(rig->findChildren<QWidget *>(QStringLiteral("frmAbout")).size(), 1);

    for (const char *item : {"myhelp", "aboutltd"}) {
        const char *name = QByteArray(item) == "myhelp" ? "Form4" : "Form3";
        rig.trigger(item);
        QPointer<QWidget> window = rig->findChild<QWidget *>(QLatin1String(name));
        QVERIFY(window && window->isVisible());
        // Its button only hides it: the menu shows the same window again.
        window->findChild<QAbstractButton *>(QStringLiteral("Command1"))->click();
        QVERIFY(window && window->isHidden());
        rig.trigger(item);
        QCOMPARE(rig->findChildren<QWidget *>(QLatin1String(name)).size(), 1);
        QVERIFY(window && window->isVisible());
        // The close box destroys it: the menu makes a new one.
        window->close();
        QTRY_VERIFY(window.isNull());
        rig.trigger(item);
        QVERIFY(rig->findChild<QWidget *>(QLatin1String(name))->isVisible());
    }
}

void ExitTest::exitDuringAReadSendsNothingMore() {
    FormRig rig(FormRig::patient());
    rig->selection().select(8);  // 24C512: 8192 blocks
    rig.clearFrames();
    // Block 100 is slow to answer; the user leaves while it waits.
    BoxFault slow;
    slow.kind = BoxFault::Kind::Delay;
    slow.command = 0xF8;
    slow.block = 100;
    slow.value = 900;
    rig.box.addFault(slow);
    int framesWhenAsked = -1;
    rig.dialogs.onCall = [&](const ScriptedDialogs::Call &call) {
        if (call.text == Texts::ExitQuestion())
            framesWhenAsked = rig.frames().size();
    };
    const QByteArray before = rig->chip().DataBuffer();

    QElapsedTimer clock;
    FormRig::runInApplicationLoop([&] {
        rig.afterFrames(2 + 101, [&] {
            clock.start();
            rig.trigger("fquit");
        });
        rig.click("Command6");
    });
    // The read ended with the exit, not thousands of blocks later, and not
    // at the end of the slow block either.
    QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(framesWhenAsked, 2 + 101);
    FormRig::pause(50);
    QCOMPARE(rig.frames().size(), framesWhenAsked);
    // Quietly: no failure message on the way out, and the buffer untouched.
    QCOMPARE(rig.dialogs.messages().size(), 1);
    QCOMPARE(rig->chip().DataBuffer(), before);
    QVERIFY(!rig->link().port().isOpen());
    QVERIFY(!rig->chip().locked());
}

void ExitTest::exitDuringAPortSearchStopsIt() {
    FormRig::Options options;
    options.boxPort = 0;
    for (int n = 1; n <= 15; ++n)
        options.silentPorts << n;
    options.load = false;
    FormRig rig(options);

    int opensWhenAsked = -1;
    rig.dialogs.onCall = [&](const ScriptedDialogs::Call &) {
        opensWhenAsked = rig.bank.openAttempts.size();
    };
    FormRig::runInApplicationLoop([&] {
        // While port 2 is tried.
        rig.afterFrames(2, [&] { rig.trigger("fquit"); });
        rig->Form_Load();
    });
    QCOMPARE(opensWhenAsked, 2);
    QCOMPARE(rig.bank.openAttempts.size(), opensWhenAsked);
    QVERIFY(!rig->link().port().isOpen());
    QVERIFY(rig.isOffline());
}

QTEST_MAIN(ExitTest)
#include "tst_exit.moc"
