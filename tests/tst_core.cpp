// The core without a window: a whole write and read of a chip through the
// session under a QCoreApplication, with scripted dialogs and the in-memory
// box; the buffer telling its subscribers of every change.
#include <QCoreApplication>
#include <QSignalSpy>
#include <QtTest>

#include "box/box_core.h"
#include "box/memory_port.h"
#include "operations/session.h"
#include "support/scripted_dialogs.h"
#include "support/test_files.h"

class CoreTest : public QObject {
    Q_OBJECT

private slots:
    void wholeWriteAndReadWithoutAWindow();
    void bufferAnnouncesEveryChange();
};

void CoreTest::wholeWriteAndReadWithoutAWindow() {
    QCOMPARE(QCoreApplication::instance()->metaObject()->className(), "QCoreApplication");
    BoxCore box;
    MemoryPortBank bank;
    bank.attachBox(2, &box);
    bank.addSilentPort(1);
    ScriptedDialogs dialogs;
    Timings timings;
    timings.replyTimeout = 1000;
    Session session(dialogs, new MemoryPort(bank), timings);

    session.search().findport();
    QVERIFY(session.online().isOnline());
    QCOMPARE(session.search().PortNumber, 2);
    constexpr int M24C64 = 5;
    QVERIFY(session.selection().select(M24C64));
    QCOMPARE(box.selectedModel(), M24C64);

    const QByteArray image = TestFiles::pattern(8192, 7);
    session.buffer().replace(image);
    QSignalSpy blocks(&session.progress(), &OperationProgress::advanced);
    QCOMPARE(session.operations().write(), ChipOperations::Outcome::Done);
    QCOMPARE(box.chip(M24C64), image);
    QCOMPARE(blocks.count(), 1024);
    QCOMPARE(session.progress().caption(), QStringLiteral(" 100%"));

    // Read back into a buffer that held something else.
    session.buffer().replace(QByteArray(8192, '\0'));
    QCOMPARE(session.operations().read(), ChipOperations::Outcome::Done);
    QCOMPARE(session.buffer().DataBuffer(), image);
    QCOMPARE(
        dialogs.messageTexts(),
        (QStringList{QStringLiteral("写芯片操作将会将当前芯片的全部内容擦除，您确认要写芯片吗？"),
                     QStringLiteral("恭喜您！写芯片操作成功！！"),
                     QStringLiteral("恭喜您！芯片读操作成功！！")}));
    QVERIFY(session.online().operationsEnabled());
    QVERIFY(!session.progress().isShown());

    // A byte the chip lost is named by the verify's outcome.
    box.chip(M24C64)[4000] = '\x00';
    QCOMPARE(session.operations().verify(), ChipOperations::Outcome::Mismatch);
    QCOMPARE(session.operations().VerifyPosition, 4000);
    // "查空" names the first byte that is not FFH and leaves the buffer alone.
    box.chip(M24C64).fill('\xFF');
    box.chip(M24C64)[8190] = '\x3C';
    QCOMPARE(session.operations().blankCheck(), ChipOperations::Outcome::Mismatch);
    QCOMPARE(session.operations().NotBlankPosition, 8190);
    QCOMPARE(session.operations().NotBlankValue, quint8(0x3C));
    QCOMPARE(session.buffer().DataBuffer(), image);
    // A stop ends the read after block 100, buffer untouched; the next read runs whole.
    const QMetaObject::Connection stopAt =
        QObject::connect(&session.progress(), &OperationProgress::advanced, [&session] {
            if (session.operations().BlockIndex == 100)
                session.operations().stopAfterBlock();
        });
    QCOMPARE(session.operations().read(), ChipOperations::Outcome::Stopped);
    QObject::disconnect(stopAt);
    QCOMPARE(session.operations().BlockIndex, 100);
    QCOMPARE(session.buffer().DataBuffer(), image);
    QCOMPARE(session.operations().read(), ChipOperations::Outcome::Done);
    QCOMPARE(session.buffer().DataBuffer(), box.chip(M24C64));
    box.stopAnsweringAfter(3);
    QCOMPARE(session.operations().read(), ChipOperations::Outcome::NoAnswer);
    QVERIFY(!session.online().isOnline());
}

void CoreTest::bufferAnnouncesEveryChange() {
    ChipBuffer buffer;
    QSignalSpy replaced(&buffer, &ChipBuffer::replaced);
    QSignalSpy changed(&buffer, &ChipBuffer::bytesChanged);
    QSignalSpy unsaved(&buffer, &ChipBuffer::unsavedEditsChanged);

    buffer.selectModel(9);
    QCOMPARE(buffer.size(), 128);
    QCOMPARE(buffer.BlockCount(), 15);
    QVERIFY(buffer.setByte(3, 0x5A));
    QVERIFY(buffer.fill(10, 4, 0x00));
    QVERIFY(buffer.setBytes(126, QByteArray::fromHex("0102")));
    QVERIFY(!buffer.setBytes(127, QByteArray::fromHex("0102")));  // past the end
    QCOMPARE(replaced.count(), 1);
    QCOMPARE(changed.count(), 3);
    QCOMPARE(changed.at(1), (QList<QVariant>{10, 4}));
    QCOMPARE(buffer.DataBuffer().mid(10, 4), QByteArray(4, '\0'));
    QVERIFY(buffer.unsavedEdits());

    {
        // Nothing edits the buffer while an operation holds it.
        const ChipBuffer::Lock operation(buffer);
        QVERIFY(!buffer.setByte(0, 0));
        QVERIFY(!buffer.fill(0, 1, 0));
        QCOMPARE(changed.count(), 3);
    }
    buffer.markSaved();
    QVERIFY(!buffer.unsavedEdits());
    QCOMPARE(unsaved.count(), 2);
}

QTEST_GUILESS_MAIN(CoreTest)
#include "tst_core.moc"
