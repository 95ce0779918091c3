// Serial numbers: every format at its sizes and edges, the refusals of a
// profile before any box is touched, and the number in its place in an image.
#include <QtTest>

#include "production/serial_profile.h"

using Kind = SerialFormat::Kind;

class SerialNumbersTest : public QObject {
    Q_OBJECT

private slots:
    void formats_data();
    void formats();
    void refusals_data();
    void refusals();
    void numbersInTheImage();
};

void SerialNumbersTest::formats_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("largest");
    QTest::newRow("le 4") << "le" << 4 << qint64(0x12345678) << QByteArray("\x78\x56\x34\x12", 4)
                          << qint64(0xFFFFFFFF);
    QTest::newRow("le 1 full") << "LE" << 1 << qint64(255) << QByteArray("\xFF") << qint64(255);
    QTest::newRow("be 3") << "be" << 3 << qint64(0x0A0B0C) << QByteArray("\x0A\x0B\x0C")
                          << qint64(0xFFFFFF);
    // The journal's numbers are signed 64-bit: eight binary bytes stop there.
    QTest::newRow("be 8 largest") << "be" << 8 << qint64(0x7FFFFFFFFFFFFFFF)
                                  << QByteArray("\x7F\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 8)
                                  << qint64(0x7FFFFFFFFFFFFFFF);
    QTest::newRow("bcd 2") << "bcd" << 2 << qint64(1234) << QByteArray("\x12\x34") << qint64(9999);
    QTest::newRow("bcd 3 leading zeros")
        << "bcd" << 3 << qint64(7) << QByteArray("\x00\x00\x07", 3) << qint64(999999);
    QTest::newRow("bcd 8") << "bcd" << 8 << qint64(9999999999999999)
                           << QByteArray("\x99\x99\x99\x99\x99\x99\x99\x99", 8)
                           << qint64(9999999999999999);
    QTest::newRow("dec 6") << "dec" << 6 << qint64(4711) << QByteArray("004711") << qint64(999999);
    QTest::newRow("dec 1 zero") << "dec" << 1 << qint64(0) << QByteArray("0") << qint64(9);
    QTest::newRow("hex 4 upper") << "hex" << 4 << qint64(0xBEEF) << QByteArray("BEEF")
                                 << qint64(0xFFFF);
    QTest::newRow("hex 8") << "hex" << 8 << qint64(0xA) << QByteArray("0000000A")
                           << qint64(0xFFFFFFFF);
}

void SerialNumbersTest::formats() {
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(qint64, number);
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, largest);
    Kind kind = Kind::LittleEndian;
    QVERIFY(SerialFormat::parse(name, kind));
    QCOMPARE(SerialFormat::encode(number, kind, size), bytes);
    QCOMPARE(SerialFormat::largest(kind, size), largest);
}

void SerialNumbersTest::refusals_data() {
    QTest::addColumn<QList<SerialField>>("fields");
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("end");
    QTest::addColumn<QString>("says");  // empty: accepted
    const auto field = [](qint64 address, int size, Kind kind) {
        return SerialField{address, size, kind};
    };
    const qint64 none = SerialProfile::NoEnd;
    // A 24C02: 256 bytes.
    QTest::newRow("fits exactly") << QList<SerialField>{field(252, 4, Kind::BigEndian)} << qint64(0)
                                  << qint64(0xFFFFFFFF) << "";
    QTest::newRow("past the chip") << QList<SerialField>{field(253, 4, Kind::BigEndian)}
                                   << qint64(1) << none << "00FDH～0100H 超出了芯片 24C02";
    QTest::newRow("size 0") << QList<SerialField>{field(0, 0, Kind::Decimal)} << qint64(1) << none
                            << "1 到 8 字节，不是 0";
    QTest::newRow("size 9") << QList<SerialField>{field(0, 9, Kind::LittleEndian)} << qint64(1)
                            << none << "不是 9";
    QTest::newRow("start too large for dec 3")
        << QList<SerialField>{field(0, 3, Kind::Decimal)} << qint64(1000) << none
        << "序列号 1000 放不进 3 字节的 dec 格式字段（最大为 999）";
    QTest::newRow("end too large for bcd 1")
        << QList<SerialField>{field(0, 1, Kind::Bcd)} << qint64(1) << qint64(100) << "最大为 99";
    QTest::newRow("one of two fields too small")
        << QList<SerialField>{field(0, 4, Kind::LittleEndian), field(16, 2, Kind::Hex)}
        << qint64(0x10000) << none << "2 字节的 hex";
    QTest::newRow("overlapping") << QList<SerialField>{field(16, 4, Kind::LittleEndian),
                                                       field(19, 2, Kind::Decimal)}
                                 << qint64(1) << none << "0013H～0014H 与字段 0010H～0013H 重叠";
    QTest::newRow("touching") << QList<SerialField>{field(16, 4, Kind::LittleEndian),
                                                    field(20, 2, Kind::Decimal)}
                              << qint64(1) << none << "";
    QTest::newRow("end before start") << QList<SerialField>{field(0, 4, Kind::LittleEndian)}
                                      << qint64(10) << qint64(9) << "最后一个序列号 9 小于第一个";
}

void SerialNumbersTest::refusals() {
    QFETCH(QList<SerialField>, fields);
    QFETCH(qint64, start);
    QFETCH(qint64, end);
    QFETCH(QString, says);
    SerialProfile profile;
    profile.fields = fields;
    profile.start = start;
    profile.end = end;
    const QString problem = profile.problem(256, QStringLiteral("24C02"));
    if (says.isEmpty())
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    else
        QVERIFY2(problem.contains(says), qPrintable(problem));
}

void SerialNumbersTest::numbersInTheImage() {
    SerialProfile profile;
    QVERIFY(SerialProfile::parseFields(QStringLiteral("0x0002:2:be 0x0008:5:dec"), profile.fields));
    QCOMPARE(profile.fieldsText(), QStringLiteral("0x0002:2:be 0x0008:5:dec"));
    profile.start = 99998;
    profile.step = 1;
    QByteArray image(16, '\xFF');
    profile.apply(image, 300);
    QCOMPARE(image, QByteArray("\xFF\xFF\x01\x2C\xFF\xFF\xFF\xFF"
                               "00300\xFF\xFF\xFF",
                               16));
    QCOMPARE(profile.written(300), QStringLiteral("0002: 01 2C; 0008: 30 30 33 30 30"));
    // The last number is the largest both fields hold; the step may not pass it.
    QCOMPARE(profile.last(), qint64(0xFFFF));
    profile.step = 7;
    QCOMPARE(profile.after(0xFFF8), qint64(0xFFFF));
    QCOMPARE(profile.after(0xFFF9), SerialProfile::NoEnd);
}

QTEST_GUILESS_MAIN(SerialNumbersTest)
#include "tst_serial_numbers.moc"
