#include <QtTest>

#include "box/box_core.h"
#include "chips/chip_catalogue.h"
#include "support/box_frames.h"

namespace {

using BoxFrames::frame;

QByteArray selectFrame(int code) {
    QByteArray bytes = frame(0xFA);
    bytes[1] = char(code);
    return bytes;
}

// The reply of one frame, or "none" when the box stayed silent.
QByteArray ask(BoxCore &box, const QByteArray &bytes, qint64 *delay = nullptr) {
    const QList<BoxCore::Outgoing> replies = box.receive(bytes);
    if (replies.size() > 1)
        qWarning("one frame, %d replies", int(replies.size()));
    if (delay)
        *delay = replies.isEmpty() ? -1 : replies.front().delayMicros;
    return replies.isEmpty() ? QByteArray("none") : replies.front().bytes;
}

QByteArray reply(quint8 code, const QByteArray &data = {}) {
    QByteArray bytes(BoxCore::ReplySize, '\0');
    bytes[0] = char(code);
    bytes.replace(1, data.size(), data);
    return bytes;
}

const QByteArray Eight = QByteArray::fromHex("0102030405060708");

}  // namespace

class TestBoxCore : public QObject {
    Q_OBJECT

private slots:
    void answersTheCommandSet() {
        BoxCore box;
        qint64 delay = -1;
        QCOMPARE(ask(box, frame(0xFE), &delay), reply(0xFD));
        QCOMPARE(delay, 0);
        QCOMPARE(ask(box, selectFrame(5)), reply(0xF9));
        QCOMPARE(box.selectedModel(), 5);
        QCOMPARE(ask(box, frame(0xFC)), reply(0xFB));
        QCOMPARE(ask(box, frame(0xDC)), reply(0xDB));
        QCOMPARE(ask(box, frame(0xF8, 16)), reply(0xF6, QByteArray(8, char(0xFF))));
        QCOMPARE(ask(box, frame(0xD8, 16, Eight)), reply(0xF6));
        QCOMPARE(ask(box, frame(0xF8, 16)), reply(0xF6, Eight));
        QCOMPARE(ask(box, frame(0x55)), QByteArray("none"));
        // A model code the catalogue lacks is acknowledged and ignored.
        QCOMPARE(ask(box, selectFrame(14)), reply(0xF9));
        QCOMPARE(box.selectedModel(), 5);

        QCOMPARE(box.frames().size(), 9);
        QCOMPARE(box.frames()[7], frame(0x55));
        box.clearLog();
        QVERIFY(box.frames().isEmpty());
        QCOMPARE(box.frameCount(), 9);
    }

    void addressesBlocksPerSeries_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("offset");
        QTest::newRow("24C02 block 1") << 0 << 8 << 8;
        QTest::newRow("24C02 wraps") << 0 << 0x108 << 8;
        QTest::newRow("24C512 last block") << 8 << 0xFFF8 << 0xFFF8;
        QTest::newRow("93C46 block 1 is word 4") << 9 << 4 << 8;
        QTest::newRow("93C46 last block") << 9 << 60 << 120;
        QTest::newRow("93C46 wraps") << 9 << 64 << 0;
        QTest::newRow("93C86 last block") << 13 << 0x3FC << 2040;
    }

    void addressesBlocksPerSeries() {
        QFETCH(int, model);
        QFETCH(int, address);
        QFETCH(int, offset);
        BoxCore box;
        ask(box, selectFrame(model));
        ask(box, frame(0xD8, address, Eight));
        const QByteArray &chip = box.chip(model);
        QCOMPARE(chip.mid(offset, 8), Eight);
        QCOMPARE(chip.count(char(0xFF)), chip.size() - 8);
        QCOMPARE(ask(box, frame(0xF8, address)), reply(0xF6, Eight));
    }

    void keepsOneChipPerModel() {
        BoxCore box;
        ask(box, frame(0xD8, 0, Eight));  // model 0 from the start
        ask(box, selectFrame(10));        // 93C56, as large as a 24C02
        QCOMPARE(ask(box, frame(0xF8, 0)), reply(0xF6, QByteArray(8, char(0xFF))));
        ask(box, selectFrame(0));
        QCOMPARE(ask(box, frame(0xF8, 0)), reply(0xF6, Eight));
        for (int code = 1; code < ChipCatalogue::ModelCount; ++code)
            QCOMPARE(box.chip(code), QByteArray(ChipCatalogue::model(code).capacity, char(0xFF)));
    }

    void takesFramesWholeWhateverTheChunks() {
        const QByteArray stream = frame(0xFE) + frame(0x00) + selectFrame(3) + frame(0xFC);
        for (int chunk = 1; chunk <= 13; ++chunk) {
            BoxCore box;
            QList<BoxCore::Outgoing> replies;
            for (int at = 0; at < stream.size(); at += chunk)
                replies += box.receive(stream.mid(at, chunk));
            QCOMPARE(box.frames(),
                     QList<QByteArray>({frame(0xFE), frame(0x00), selectFrame(3), frame(0xFC)}));
            QCOMPARE(replies.size(), 3);
            QCOMPARE(replies[2].bytes, reply(0xFB));
            QCOMPARE(box.selectedModel(), 3);
        }
        BoxCore box;
        QVERIFY(box.receive(frame(0xFE).left(11)).isEmpty());
        QCOMPARE(box.pendingBytes(), 11);
        QCOMPARE(box.receive(frame(0xFE).right(1) + frame(0xFE).left(3)).size(), 1);
        QCOMPARE(box.pendingBytes(), 3);
    }

    void faultKindsShapeTheReply_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("expected");  // "none", or a prefix of the reply
        QTest::addColumn<int>("length");
        QTest::addColumn<qint64>("delay");
        using K = BoxFault::Kind;
        const QByteArray fd = reply(0xFD);
        QTest::newRow("no reply") << int(K::NoReply) << 0 << QByteArray("none") << 0 << -1LL;
        QTest::newRow("wrong code") << int(K::WrongCode) << 0 << QByteArray("\xEE", 1) << 10 << 0LL;
        QTest::newRow("chosen code")
            << int(K::WrongCode) << 0x12 << QByteArray("\x12") << 10 << 0LL;
        QTest::newRow("short") << int(K::ShortReply) << 0 << fd.left(9) << 9 << 0LL;
        QTest::newRow("long") << int(K::LongReply) << 0 << fd << 12 << 0LL;
        QTest::newRow("delay") << int(K::Delay) << 600 << fd << 10 << 600000LL;
        QTest::newRow("garbage") << int(K::Garbage) << 7 << QByteArray() << 7 << 0LL;
    }

    void faultKindsShapeTheReply() {
        QFETCH(int, kind);
        QFETCH(int, value);
        QFETCH(QByteArray, expected);
        QFETCH(int, length);
        QFETCH(qint64, delay);
        BoxCore box;
        box.addFault({BoxFault::Kind(kind), -1, -1, value, 1});
        qint64 actualDelay = 0;
        const QByteArray got = ask(box, frame(0xFE), &actualDelay);
        QVERIFY2(got.startsWith(expected), got.toHex().constData());
        if (length > 0)
            QCOMPARE(got.size(), length);
        QCOMPARE(actualDelay, delay);
        QVERIFY(box.faults().isEmpty());  // used up
        QCOMPARE(ask(box, frame(0xFE)), reply(0xFD));
    }

    void faultsMatchCommandBlockAndCount() {
        BoxCore box;
        ask(box, selectFrame(9));  // 93C46: block 5 is word address 20
        box.addFault({BoxFault::Kind::WrongCode, 0xF8, 5, 0, 2});
        QCOMPARE(ask(box, frame(0xFE)), reply(0xFD));
        QCOMPARE(ask(box, frame(0xF8, 16)).at(0), char(0xF6));
        QCOMPARE(ask(box, frame(0xD8, 20, Eight)).at(0), char(0xF6));
        QCOMPARE(ask(box, frame(0xF8, 20)).at(0), char(0xEE));
        QCOMPARE(ask(box, frame(0xF8, 20)).at(0), char(0xEE));
        QCOMPARE(ask(box, frame(0xF8, 20)), reply(0xF6, Eight));

        // A block filter never matches commands without an address.
        box.addFault({BoxFault::Kind::NoReply, -1, 0, 0, -1});
        QCOMPARE(ask(box, frame(0xFC)), reply(0xFB));
        QCOMPARE(ask(box, frame(0xF8, 0)), QByteArray("none"));
        QCOMPARE(ask(box, frame(0xF8, 0)), QByteArray("none"));
        box.clearFaults();
        QCOMPARE(ask(box, frame(0xF8, 0)).at(0), char(0xF6));
    }

    void refusedCommandsTakeNoEffectLostRepliesDo() {
        BoxCore box;
        box.addFault({BoxFault::Kind::WrongCode, -1, -1, 0, 2});
        ask(box, frame(0xD8, 0, Eight));
        ask(box, selectFrame(4));
        QCOMPARE(box.chip(0), QByteArray(256, char(0xFF)));
        QCOMPARE(box.selectedModel(), 0);

        for (auto kind : {BoxFault::Kind::NoReply, BoxFault::Kind::Garbage, BoxFault::Kind::Delay})
            box.addFault({kind, 0xD8, -1, 5, 1});
        ask(box, frame(0xD8, 0, Eight));
        QCOMPARE(box.chip(0).left(8), Eight);
    }

    void stopsAnsweringAfterExchanges() {
        BoxCore box;
        ask(box, frame(0xFE));
        box.stopAnsweringAfter(2);
        QCOMPARE(ask(box, frame(0xFE)), reply(0xFD));
        QCOMPARE(ask(box, frame(0x00)), QByteArray("none"));  // counts, though unknown
        QCOMPARE(ask(box, frame(0xFE)), QByteArray("none"));
        QCOMPARE(ask(box, frame(0xD8, 0, Eight)), QByteArray("none"));
        QCOMPARE(box.chip(0).left(8), QByteArray(8, char(0xFF)));
        QCOMPARE(box.frames().size(), 5);
        QCOMPARE(box.frameCount(), 5);
        box.stopAnsweringAfter(-1);
        QCOMPARE(ask(box, frame(0xFE)), reply(0xFD));
    }

    void wireTimingCountsBitsAndWriteCycles() {
        BoxCore box;
        box.setWireTiming(true);
        qint64 delay = 0;
        ask(box, frame(0xFE), &delay);
        QCOMPARE(delay, 3819);  // 22 bytes of 10 bits at 57600 baud
        ask(box, frame(0xD8, 0, Eight), &delay);
        QCOMPARE(delay, 3819 + 5000);
        box.addFault({BoxFault::Kind::ShortReply, -1, -1, 0, 1});
        box.addFault({BoxFault::Kind::Delay, -1, -1, 20, 1});
        ask(box, frame(0xFE), &delay);
        QCOMPARE(delay, 3646 + 20000);  // 21 bytes
        box.setWireTiming(true, 9600, 10000);
        ask(box, frame(0xD8, 0, Eight), &delay);
        QCOMPARE(delay, 22917 + 10000);
        box.setWireTiming(false);
        ask(box, frame(0xD8, 0, Eight), &delay);
        QCOMPARE(delay, 0);
    }

    void demoPatternTellsRowsAndModelsApart() {
        for (int code = 0; code < ChipCatalogue::ModelCount; ++code) {
            const QByteArray pattern = BoxCore::demoPattern(code);
            QCOMPARE(pattern.size(), ChipCatalogue::model(code).capacity);
            QSet<QByteArray> rows;
            for (int at = 0; at < pattern.size(); at += 16)
                rows.insert(pattern.mid(at, 16));
            QCOMPARE(rows.size(), pattern.size() / 16);
            QVERIFY(pattern.left(16).contains(ChipCatalogue::model(code).name));
        }
    }
};

QTEST_GUILESS_MAIN(TestBoxCore)
#include "tst_box_core.moc"
