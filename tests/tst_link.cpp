// One exchange with the box: frame out, 10-byte reply back, within the reply
// time-out; what happens with short, long, late and missing replies.
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QtTest>

#include "link/programmer_link.h"
#include "messages/texts.h"
#include "support/form_rig.h"

namespace {

constexpr quint8 Test = 0xFE, Read = 0xF8;

BoxFault fault(BoxFault::Kind kind, int value = 0, int remaining = 1) {
    BoxFault f;
    f.kind = kind;
    f.value = value;
    f.remaining = remaining;
    return f;
}

}  // namespace

class LinkTest : public QObject {
    Q_OBJECT

private slots:
    void completeReplyInTime();
    void replyInTimeOutlivesAWindowAboveTheWait();
    void shortReplyWaitsForTheReceiveTimeOut();
    void longReplyLeavesTheRestForTheNextFlush();
    void lateReplyIsStoredButFails();
    void silentBoxFailsAtTheReplyTimeOut();
    void lineErrorShowsOfflineAndTheWaitGoesOn();
    void exitDuringAWaitEndsItAtOnce();
    void waitsEndWhenTheApplicationQuits();
    void closedPortFailsQuietly();
    void secondExchangeIsRefusedWhileOneWaits();
    void bytesNobodyAskedForAreTakenAsAReply();
    void garbageRepliesNeverHang();
};

void LinkTest::completeReplyInTime() {
    FormRig rig;
    ProgrammerLink &link = rig->link();
    QVERIFY(rig.isOnline());
    rig.box.chip(0)[8] = '\x5A';
    link.ReplyFrame.fill('\x77');
    rig.clearFrames();

    link.setCommand(Read, {0x00, 0x08});
    QVERIFY(link.sendandread());
    QCOMPARE(rig.frames(), QList<QByteArray>{FormRig::frame(Read, {0x00, 0x08})});
    QCOMPARE(link.replyCode(), quint8(0xF6));
    QCOMPARE(link.ReplyFrame.at(1), '\x5A');
    // Positions past the reply keep what was there.
    QCOMPARE(link.ReplyFrame.mid(10), QByteArray(ProgrammerLink::ReplyBufferSize - 10, '\x77'));
    QVERIFY(link.ReplyValid);
    QVERIFY(!link.replyTimer()->isActive());
}

void LinkTest::replyInTimeOutlivesAWindowAboveTheWait() {
    FormRig rig;
    ProgrammerLink &link = rig->link();
    // A modal window opened over the wait holds it far past the time-out; the
    // reply came meanwhile, in time.
    rig.afterFrames(1, [&] { FormRig::pause(3 * rig.options.timings.replyTimeout); });
    link.setCommand(Test);
    QVERIFY(link.sendandread());
    QCOMPARE(link.replyCode(), quint8(0xFD));
    QVERIFY(!link.ReplyTimedOut);
}

void LinkTest::shortReplyWaitsForTheReceiveTimeOut() {
    FormRig rig;
    ProgrammerLink &link = rig->link();
    link.ReplyFrame.fill('\x77');
    rig.box.addFault(fault(BoxFault::Kind::ShortReply));

    QElapsedTimer clock;
    clock.start();
    link.setCommand(Test);
    QVERIFY(!link.sendandread());
    // Not at the reply time-out: only when the receive wait gave up.
    QVERIFY2(clock.elapsed() >= rig.options.timings.receiveTimeout - 20,
             qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!link.ReplyValid);
    QCOMPARE(link.ReplyFrame.left(10), QByteArray(10, '\x77'));
    QCOMPARE(link.port().receiveThreshold(), 1);
}

void LinkTest::longReplyLeavesTheRestForTheNextFlush() {
    FormRig rig;
    ProgrammerLink &link = rig->link();
    rig.box.addFault(fault(BoxFault::Kind::LongReply));

    link.setCommand(Test);
    QVERIFY(link.sendandread());
    QCOMPARE(link.replyCode(), quint8(0xFD));
    QCOMPARE(link.port().bytesWaiting(), 2);

    // The two extra bytes must not shift the next reply.
    rig.box.chip(0)[0] = '\x11';
    link.setCommand(Read, {0, 0});
    QVERIFY(link.sendandread());
    QCOMPARE(link.replyCode(), quint8(0xF6));
    QCOMPARE(link.ReplyFrame.at(1), '\x11');
}

void LinkTest::lateReplyIsStoredButFails() {
    FormRig rig;
    ProgrammerLink &link = rig->link();
    rig.box.addFault(fault(BoxFault::Kind::Delay, rig.options.timings.replyTimeout + 100));
    link.ReplyFrame.fill('\0');

    link.setCommand(Test);
    QVERIFY(!link.sendandread());
    // The reply arrived after the time-out: still stored, once it is whole.
    QTRY_COMPARE(link.replyCode(), quint8(0xFD));
    QVERIFY(link.ReplyValid);
}

void LinkTest::silentBoxFailsAtTheReplyTimeOut() {
    FormRig rig;
    ProgrammerLink &link = rig->link();
    rig.box.addFault(fault(BoxFault::Kind::NoReply));

    QElapsedTimer clock;
    clock.start();
    link.setCommand(Test);
    QVERIFY(!link.sendandread());
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed >= rig.options.timings.replyTimeout - 5 &&
                 elapsed < rig.options.timings.receiveTimeout,
             qPrintable(QString::number(elapsed)));
    QVERIFY(link.ReplyTimedOut);
    QVERIFY(rig.dialogs.calls.isEmpty());
}

void LinkTest::lineErrorShowsOfflineAndTheWaitGoesOn() {
    FormRig rig;
    ProgrammerLink &link = rig->link();
    QVERIFY(rig.isOnline());
    rig.box.addFault(fault(BoxFault::Kind::Delay, 40));
    rig.afterFrames(1, [&] { rig.port->raiseLineError(); });

    link.setCommand(Test);
    QVERIFY(link.sendandread());
    QVERIFY(rig.isOffline());
    QCOMPARE(rig.find<QLineEdit>("Text1")->palette().color(QPalette::Base), QColor(255, 0, 0));
    QVERIFY(!rig.operationsEnabled());
    QVERIFY(!rig.find<QMenu>("icoprate")->isEnabled());
    QVERIFY(rig.find<QLineEdit>("Text2")->isHidden());
    QVERIFY(rig.dialogs.calls.isEmpty());
}

void LinkTest::exitDuringAWaitEndsItAtOnce() {
    FormRig rig;
    ProgrammerLink &link = rig->link();
    rig.box.addFault(fault(BoxFault::Kind::NoReply));
    QElapsedTimer clock;
    rig.afterFrames(1, [&] {
        clock.start();
        link.requestQuit();
    });

    link.setCommand(Test);
    QVERIFY(!link.sendandread());
    QVERIFY2(clock.elapsed() < rig.options.timings.replyTimeout / 2,
             qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!link.port().isOpen());

    // Nothing more goes out once the exit was confirmed.
    rig.clearFrames();
    QVERIFY(!link.sendandread());
    QVERIFY(rig.frames().isEmpty());
}

void LinkTest::waitsEndWhenTheApplicationQuits() {
    FormRig rig;
    ProgrammerLink &link = rig->link();
    rig.box.addFault(fault(BoxFault::Kind::ShortReply));
    bool result = true;
    qint64 elapsed = 0;
    // Quitting from inside the receive wait: both waits must end, not spin.
    FormRig::runInApplicationLoop([&] {
        QTimer::singleShot(30, qApp, [] { QCoreApplication::quit(); });
        QElapsedTimer clock;
        clock.start();
        link.setCommand(Test);
        result = link.sendandread();
        elapsed = clock.elapsed();
    });
    QVERIFY(!result);
    QVERIFY(link.QuitRequested);
    QVERIFY2(elapsed < rig.options.timings.replyTimeout, qPrintable(QString::number(elapsed)));
}

void LinkTest::closedPortFailsQuietly() {
    FormRig rig;
    ProgrammerLink &link = rig->link();
    link.closePort();
    rig.clearFrames();
    link.setCommand(Test);
    QVERIFY(!link.sendandread());
    QVERIFY(rig.frames().isEmpty());
    QVERIFY(rig.dialogs.calls.isEmpty());
    QVERIFY(!link.replyTimer()->isActive());
}

void LinkTest::secondExchangeIsRefusedWhileOneWaits() {
    FormRig rig;
    ProgrammerLink &link = rig->link();
    rig.box.addFault(fault(BoxFault::Kind::Delay, 30));
    bool nested = true;
    rig.afterFrames(1, [&] {
        link.setCommand(Read, {0, 0});
        nested = link.sendandread();
    });
    link.setCommand(Test);
    QVERIFY(link.sendandread());
    QVERIFY(!nested);
    QCOMPARE(link.replyCode(), quint8(0xFD));
    QCOMPARE(rig.framesWithCode(Read).size(), 0);
}

void LinkTest::bytesNobodyAskedForAreTakenAsAReply() {
    FormRig rig;
    ProgrammerLink &link = rig->link();
    link.ReplyValid = false;
    rig.port->injectBytes(QByteArray::fromHex("0102030405060708090a"));
    QTRY_VERIFY(link.ReplyValid);
    QCOMPARE(link.ReplyFrame.left(10), QByteArray::fromHex("0102030405060708090a"));

    // A stray byte or two is discarded by the next exchange's flush.
    rig.port->injectBytes(QByteArray::fromHex("aa"));
    FormRig::pause(10);
    link.setCommand(Test);
    QVERIFY(link.sendandread());
    QCOMPARE(link.replyCode(), quint8(0xFD));
}

void LinkTest::garbageRepliesNeverHang() {
    FormRig rig;
    ProgrammerLink &link = rig->link();
    const int limit = rig.options.timings.replyTimeout + rig.options.timings.receiveTimeout + 100;
    for (int count : {1, 9, 10, 25}) {
        rig.box.addFault(fault(BoxFault::Kind::Garbage, count));
        QElapsedTimer clock;
        clock.start();
        link.setCommand(Test);
        const bool ok = link.sendandread();
        QVERIFY2(clock.elapsed() < limit, qPrintable(QString::number(clock.elapsed())));
        // Ten or more bytes make a reply of whatever they hold; fewer never do.
        QCOMPARE(ok, count >= 10);
    }
    QVERIFY(rig.dialogs.calls.isEmpty());
}

QTEST_MAIN(LinkTest)
#include "tst_link.moc"
