#include <QtTest>

#include "box/box_core.h"
#include "box/memory_port.h"
#include "support/box_frames.h"

namespace {

using BoxFrames::frame;

QByteArray takeAll(MemoryPort &port) {
    QByteArray bytes;
    for (int byte = port.takeByte(); byte >= 0; byte = port.takeByte())
        bytes.append(char(byte));
    return bytes;
}

// Lets anything wrongly delivered late show up.
void settle(int ms = 30) {
    QTest::qWait(ms);
}

}  // namespace

class TestMemoryPort : public QObject {
    Q_OBJECT

private:
    BoxCore box;
    MemoryPortBank bank;

private slots:
    void init() {
        box = BoxCore();
        bank = MemoryPortBank();
        bank.addSilentPort(2);
        bank.attachBox(3, &box);
    }

    void repliesArriveLaterWithOneNotificationEach() {
        MemoryPort port(bank);
        port.setPortNumber(3);
        QVERIFY(port.applySettings());
        QVERIFY(port.open());
        QSignalSpy notifications(&port, &SerialPort::notification);
        QVERIFY(port.write(frame(0xFE)));
        QCOMPARE(port.bytesWaiting(), 0);  // never inside write()
        QTRY_COMPARE(port.bytesWaiting(), 10);
        settle();
        QCOMPARE(notifications.size(), 1);
        QCOMPARE(notifications[0][0].toInt(), SerialPort::ReceivedBytes);
        QCOMPARE(takeAll(port), QByteArray("\xFD") + QByteArray(9, '\0'));
        QCOMPARE(port.takeByte(), -1);

        port.write(frame(0xFC));
        QTRY_COMPARE(notifications.size(), 2);
        port.setReceiveThreshold(0);
        port.clearBuffers();
        QSignalSpy activity(&port, &SerialPort::activity);
        port.write(frame(0xFE));
        QTRY_COMPARE(port.bytesWaiting(), 10);
        settle();
        QCOMPARE(notifications.size(), 2);
        QCOMPARE(activity.size(), 1);
    }

    void repliesKeepTheBoxDelay() {
        MemoryPort port(bank);
        port.setPortNumber(3);
        QVERIFY(port.open());
        box.addFault({BoxFault::Kind::Delay, -1, -1, 60, 1});
        QElapsedTimer clock;
        clock.start();
        port.write(frame(0xFE));
        QTRY_COMPARE_WITH_TIMEOUT(port.bytesWaiting(), 10, 2000);
        QVERIFY2(clock.elapsed() >= 60, QByteArray::number(clock.elapsed()).constData());
    }

    void repliesArriveInDueOrderAlsoInsideANestedWait() {
        MemoryPort port(bank);
        port.setPortNumber(3);
        QVERIFY(port.applySettings());
        QVERIFY(port.open());
        // The first frame's reply comes last; the third's meanwhile, while
        // the receiver of the second waits in an event loop of its own.
        box.addFault({BoxFault::Kind::Delay, 0xFE, -1, 80, 1});
        box.addFault({BoxFault::Kind::Delay, 0xFA, -1, 20, 1});
        QList<quint8> order;
        bool nested = false;
        connect(&port, &SerialPort::notification, this, [&] {
            while (port.bytesWaiting() >= 10) {
                order << quint8(port.takeByte());
                for (int i = 1; i < 10; ++i)
                    port.takeByte();
            }
            if (order.size() == 1 && !nested) {
                nested = true;
                QEventLoop wait;
                QTimer::singleShot(40, &wait, &QEventLoop::quit);
                wait.exec();
                QCOMPARE(order.size(), 2);
            }
        });
        port.write(frame(0xFE));
        port.write(frame(0xFC));
        port.write(frame(0xFA));
        QTRY_COMPARE_WITH_TIMEOUT(order.size(), 3, 2000);
        QCOMPARE(order, (QList<quint8>{0xFB, 0xF9, 0xFD}));
    }

    void closingDropsRepliesClearingDropsOnlyReceivedBytes() {
        MemoryPort port(bank);
        port.setPortNumber(3);
        QVERIFY(!port.write(frame(0xFE)));
        QVERIFY(!port.clearBuffers());
        QVERIFY(port.open());
        port.write(frame(0xFE));
        QSignalSpy activity(&port, &SerialPort::activity);
        port.close();
        QCOMPARE(activity.size(), 1);  // wakes a waiting reader
        QVERIFY(port.open());
        settle();
        QCOMPARE(port.bytesWaiting(), 0);

        port.injectBytes("old");
        port.write(frame(0xFE));
        QVERIFY(port.clearBuffers());
        QCOMPARE(port.bytesWaiting(), 0);
        QTRY_COMPARE(port.bytesWaiting(), 10);  // was still on the wire
        QCOMPARE(box.frames().size(), 2);
    }

    void bankDecidesWhichPortsOpen() {
        MemoryPort first(bank), second(bank);
        for (int number : {1, 2, 3}) {
            first.setPortNumber(number);
            QCOMPARE(first.open(), number == 2);
        }
        QVERIFY(first.isOpen());
        QCOMPARE(first.portNumber(), 3);  // the number for the next open
        QVERIFY(!first.open());           // already open
        second.setPortNumber(2);
        QVERIFY(!second.open());  // taken
        QVERIFY(first.write(frame(0xFE)));
        settle();
        QCOMPARE(first.bytesWaiting(), 0);  // silent
        first.close();
        QVERIFY(!first.isOpen());
        QVERIFY(second.open());
        QCOMPARE(bank.openAttempts, QList<int>({1, 2, 3, 3, 2, 2}));
        QCOMPARE(bank.openedPorts, QList<int>({2, 2}));
        QCOMPARE(bank.writtenBytes.value(2), frame(0xFE));
        QVERIFY(box.frames().isEmpty());
    }

    void injectedBytesAndLineErrors() {
        MemoryPort port(bank);
        port.setPortNumber(2);
        port.injectBytes("early");  // closed: lost
        QVERIFY(port.open());
        QSignalSpy notifications(&port, &SerialPort::notification);
        port.injectBytes("\x01\x02");
        port.raiseLineError();
        QTRY_COMPARE(notifications.size(), 2);
        // Both arrive from the event loop; their order is not part of the deal.
        QSet<int> codes{notifications[0][0].toInt(), notifications[1][0].toInt()};
        QCOMPARE(codes, (QSet<int>{SerialPort::ReceivedBytes, SerialPort::LineError}));
        QVERIFY(port.isOpen());
        QCOMPARE(takeAll(port), QByteArray("\x01\x02"));
    }
};

QTEST_GUILESS_MAIN(TestMemoryPort)
#include "tst_memory_port.moc"
