// Intel HEX and S-record images: round trips, what another tool reads back,
// faults named by their line, and where addresses put the data.
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "files/image_formats.h"
#include "messages/format_texts.h"
#include "support/test_files.h"

using ImageFormats::Format;
using ImageFormats::LoadStatus;
using TestFiles::pattern;
using TestFiles::readFile;

namespace {

// FFH but for the given runs of bytes.
QByteArray image(int capacity, const QList<QPair<int, QByteArray>> &runs) {
    QByteArray bytes(capacity, '\xFF');
    for (const auto &run : runs)
        bytes.replace(run.first, run.second.size(), run.second);
    return bytes;
}

}  // namespace

class ImageFormatsTest : public QObject {
    Q_OBJECT

private slots:
    void formatByName_data();
    void formatByName();
    void filterEntries();
    void roundTrip_data();
    void roundTrip();
    void otherToolReadsSavedFiles_data() { roundTrip_data(); }
    void otherToolReadsSavedFiles();
    void faultsNameTheirLine_data();
    void faultsNameTheirLine();
    void addressesAndGaps_data();
    void addressesAndGaps();

private:
    QTemporaryDir dir_;
};

void ImageFormatsTest::formatByName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<Format>("format");
    QTest::newRow("HEX") << "/a/CHIP.HEX" << Format::IntelHex;
    QTest::newRow("s19") << "chip.S19" << Format::SRecord;
    QTest::newRow("mot") << "chip.mot" << Format::SRecord;
    QTest::newRow("hex then bin") << "chip.hex.bin" << Format::Binary;
    QTest::newRow("no suffix") << "hex" << Format::Binary;
    QTest::newRow("other") << "chip.txt" << Format::Binary;
}

void ImageFormatsTest::formatByName() {
    QFETCH(QString, name);
    QFETCH(Format, format);
    QCOMPARE(ImageFormats::formatForName(name), format);
}

void ImageFormatsTest::filterEntries() {
    const QString binEntry = QStringLiteral("二进制文件(*.BIN)|*.BIN|");
    QVERIFY(FormatTexts::FileFilter().startsWith(binEntry));
    QVERIFY(FormatTexts::FileFilter().endsWith(QStringLiteral("|所有文件(*.*)|*.*")));

    const QStringList parts = FormatTexts::FileFilter().split(QLatin1Char('|'));
    const QList<Format> expected = {Format::Binary, Format::IntelHex, Format::SRecord,
                                    Format::Binary};
    QCOMPARE(parts.size(), 2 * expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const QString &description = parts.at(2 * i);
        const QString &patterns = parts.at(2 * i + 1);
        QCOMPARE(ImageFormats::formatForFilter(description), expected.at(i));
        QCOMPARE(ImageFormats::formatForFilter(patterns), expected.at(i));
        // As Qt's dialog names an entry whose description lacks the patterns.
        const QString qtEntry = description.left(description.indexOf(QLatin1Char('('))) +
                                QStringLiteral(" (") + QString(patterns).replace(';', ' ') + ')';
        QCOMPARE(ImageFormats::formatForFilter(qtEntry), expected.at(i));
    }
}

void ImageFormatsTest::roundTrip_data() {
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("loadCapacity");
    QTest::addColumn<QByteArray>("dataLead");  // each data record: 16 bytes
    QTest::addColumn<QByteArray>("endRecord");
    QTest::addColumn<int>("otherRecords");
    struct Kind {
        const char *suffix;
        const char *dataLead;
        const char *endRecord;
        int otherRecords;  // header, end
    };
    const Kind kinds[] = {{"hex", ":10", ":00000001FF", 1},
                          {"s19", "S113", "S9030000FC", 2},
                          {"s28", "S214", "S804000000FB", 2},
                          {"s37", "S315", "S70500000000FA", 2}};
    const QPair<const char *, int> chips[] = {{"93C46", 128}, {"24C02", 256}, {"24C512", 65536}};
    for (const auto &chip : chips) {
        for (const Kind &kind : kinds) {
            QTest::addRow("%s %s", chip.first, kind.suffix)
                << kind.suffix << chip.second << chip.second << QByteArray(kind.dataLead)
                << QByteArray(kind.endRecord) << kind.otherRecords;
        }
    }
    QTest::newRow("24C02 hex into 24C512")
        << "ihx" << 256 << 65536 << QByteArray(":10") << QByteArray(":00000001FF") << 1;
    QTest::newRow("24C02 srec into 24C512")
        << "srec" << 256 << 65536 << QByteArray("S113") << QByteArray("S9030000FC") << 2;
    // Past 64 KiB: one type 04 record, and S1 widened to S2.
    QTest::newRow("128 KiB hex") << "hex" << 131072 << 131072 << QByteArray(":10")
                                 << QByteArray(":00000001FF") << 2;
    QTest::newRow("128 KiB s19") << "s19" << 131072 << 131072 << QByteArray("S214")
                                 << QByteArray("S804000000FB") << 2;
}

void ImageFormatsTest::roundTrip() {
    QFETCH(QString, suffix);
    QFETCH(int, capacity);
    QFETCH(int, loadCapacity);
    QFETCH(QByteArray, dataLead);
    QFETCH(QByteArray, endRecord);
    QFETCH(int, otherRecords);
    const QByteArray data = pattern(capacity, capacity / 128);
    const QString path = dir_.filePath(QStringLiteral("round.") + suffix);
    const Format format = ImageFormats::formatForName(path);
    QVERIFY(ImageFormats::save(path, data, format));

    const QList<QByteArray> lines = readFile(path).trimmed().split('\n');
    const int dataRecords = capacity / 16;
    QCOMPARE(lines.size(), dataRecords + otherRecords);
    QCOMPARE(std::count_if(lines.begin(), lines.end(),
                           [&](const QByteArray &line) { return line.startsWith(dataLead); }),
             dataRecords);
    QCOMPARE(lines.last().trimmed(), endRecord);

    const ImageFormats::LoadResult loaded = ImageFormats::load(path, loadCapacity, format);
    QCOMPARE(loaded.status, LoadStatus::Loaded);
    QCOMPARE(loaded.buffer, data + QByteArray(loadCapacity - capacity, '\xFF'));
    QCOMPARE(loaded.dataBytes, qint64(capacity));
    QCOMPARE(loaded.end, qint64(capacity));
}

void ImageFormatsTest::otherToolReadsSavedFiles() {
    QFETCH(QString, suffix);
    QFETCH(int, capacity);
    const QString objcopy = QStandardPaths::findExecutable(QStringLiteral("objcopy"));
    if (objcopy.isEmpty())
        QSKIP("objcopy (binutils) is not installed");
    const QByteArray data = pattern(capacity, 3);
    const QString path = dir_.filePath(QStringLiteral("tool.") + suffix);
    const QString converted = dir_.filePath(QStringLiteral("tool.bin"));
    const Format format = ImageFormats::formatForName(path);
    QVERIFY(ImageFormats::save(path, data, format));

    QProcess process;
    process.start(objcopy,
                  {QStringLiteral("-I"),
                   format == Format::IntelHex ? QStringLiteral("ihex") : QStringLiteral("srec"),
                   QStringLiteral("-O"), QStringLiteral("binary"), QStringLiteral("--gap-fill"),
                   QStringLiteral("0xFF"), QStringLiteral("--pad-to"), QString::number(capacity),
                   path, converted});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(readFile(converted), data);
}

void ImageFormatsTest::faultsNameTheirLine_data() {
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QByteArray>("text");  // null: no file at all
    QTest::addColumn<int>("capacity");
    QTest::addColumn<LoadStatus>("status");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("warning");  // after "文件 <path>"

    const QString pastCapacity =
        QStringLiteral("行：数据地址超出您选择的芯片型号容量，缓冲区数据没有改变！！");
    const QString checksum = QStringLiteral("行：记录校验和错误，缓冲区数据没有改变！！");
    const QString malformed = QStringLiteral("行：记录格式错误，缓冲区数据没有改变！！");
    const QString overlap = QStringLiteral("行：记录地址与前面的记录重复，缓冲区数据没有改变！！");

    QTest::newRow("hex: data past 24C02")
        << "hex"
        << QByteArray(
               ":10000000000102030405060708090A0B0C0D0E0F78\n"
               ":1000F800000102030405060708090A0B0C0D0E0F80\n"
               ":00000001FF\n")
        << 256 << LoadStatus::BeyondCapacity << 2 << " 第 2 " + pastCapacity;
    QTest::newRow("hex: type 04 moves data past 64 KiB")
        << "hex"
        << QByteArray(
               ":10000000000102030405060708090A0B0C0D0E0F78\n"
               ":020000040001F9\n"
               ":1000100011111111111111111111111111111111D0\n"
               ":00000001FF\n")
        << 65536 << LoadStatus::BeyondCapacity << 3 << " 第 3 " + pastCapacity;
    QTest::newRow("hex: bad checksum")
        << "hex"
        << QByteArray(
               ":10000000000102030405060708090A0B0C0D0E0F78\n"
               ":1000100011111111111111111111111111111111D1\n"
               ":00000001FF\n")
        << 256 << LoadStatus::BadChecksum << 2 << " 第 2 " + checksum;
    QTest::newRow("s19: bad checksum, CR LF")
        << "s19"
        << QByteArray(
               "S0030000FC\r\nS1130000000102030405060708090A0B0C0D0E0F74\r\n"
               "S113001011111111111111111111111111111111CD\r\nS9030000FC\r\n")
        << 256 << LoadStatus::BadChecksum << 3 << " 第 3 " + checksum;
    QTest::newRow("hex: a line that is no record")
        << "hex"
        << QByteArray(
               ":10000000000102030405060708090A0B0C0D0E0F78\n"
               "10001000 not a record\n"
               ":00000001FF\n")
        << 256 << LoadStatus::Malformed << 2 << " 第 2 " + malformed;
    QTest::newRow("hex: record one byte short")
        << "hex"
        << QByteArray(
               ":10000000000102030405060708090A0B0C0D0E0F78\n"
               ":10001000111111111111111111111111111111D0\n"
               ":00000001FF\n")
        << 256 << LoadStatus::Malformed << 2 << " 第 2 " + malformed;
    QTest::newRow("s19: a line that is no record")
        << "s19"
        << QByteArray(
               "S0030000FC\n\nX113001011111111111111111111111111111111CC\n"
               "S1130000000102030405060708090A0B0C0D0E0F74\nS9030000FC\n")
        << 256 << LoadStatus::Malformed << 3 << " 第 3 " + malformed;
    QTest::newRow("s19: not a hex digit")
        << "s19"
        << QByteArray(
               "S0030000FC\nS1130000000102030405060708090A0B0C0D0E0F74\n"
               "S9030000FC\nS11300101111111111111111G111111111111111CC\n")
        << 256 << LoadStatus::Malformed << 4 << " 第 4 " + malformed;
    QTest::newRow("hex: no data") << "hex" << QByteArray(":00000001FF\n") << 256
                                  << LoadStatus::Malformed << 1 << " 第 1 " + malformed;
    QTest::newRow("s19: no data") << "s19" << QByteArray("S0030000FC\nS9030000FC\n") << 256
                                  << LoadStatus::Malformed << 3 << " 第 3 " + malformed;
    QTest::newRow("hex: overlap on the last record")
        << "hex"
        << QByteArray(
               ":10000000000102030405060708090A0B0C0D0E0F78\n"
               ":1000100011111111111111111111111111111111D0\n"
               ":020008002222B2\n"
               ":00000001FF\n")
        << 256 << LoadStatus::Overlap << 3 << " 第 3 " + overlap;
    QTest::newRow("s28: same address twice")
        << "s28"
        << QByteArray(
               "S0030000FC\nS21400001011111111111111111111111111111111CB\n"
               "S20500001822C0\nS804000000FB\n")
        << 256 << LoadStatus::Overlap << 3 << " 第 3 " + overlap;
    QTest::newRow("hex: missing file") << "hex" << QByteArray() << 256 << LoadStatus::Unreadable
                                       << 0 << QStringLiteral(" 读取失败，缓冲区数据没有改变！！");
    QTest::newRow("BIN: longer than 24C02")
        << "BIN" << QByteArray(257, 'A') << 256 << LoadStatus::BeyondCapacity << 0
        << QStringLiteral("：数据地址超出您选择的芯片型号容量，缓冲区数据没有改变！！");
}

void ImageFormatsTest::faultsNameTheirLine() {
    QFETCH(QString, suffix);
    QFETCH(QByteArray, text);
    QFETCH(int, capacity);
    QFETCH(LoadStatus, status);
    QFETCH(int, line);
    QFETCH(QString, warning);
    const QString path = dir_.filePath(QStringLiteral("fault.") + suffix);
    QFile::remove(path);
    if (!text.isNull())
        QVERIFY(TestFiles::writeFile(path, text));

    const ImageFormats::LoadResult loaded =
        ImageFormats::load(path, capacity, ImageFormats::formatForName(path));
    QCOMPARE(loaded.status, status);
    QCOMPARE(loaded.line, line);
    QVERIFY(loaded.buffer.isEmpty());
    QCOMPARE(ImageFormats::failureText(path, loaded.status, loaded.line),
             QStringLiteral("文件 ") + path + warning);
}

void ImageFormatsTest::addressesAndGaps_data() {
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<qint64>("dataBytes");
    QTest::addColumn<qint64>("end");

    QTest::newRow("hex: type 02 segment, then type 04")
        << "hex"
        << QByteArray(
               ":020000020800F4\n:02001000A55AEF\n:020000040000FA\n"
               ":10FFF000EEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEE21\n:00000001FF\n")
        << image(65536, {{0x8010, QByteArray("\xA5\x5A")}, {0xFFF0, QByteArray(16, '\xEE')}})
        << qint64(18) << qint64(65536);
    QTest::newRow("hex: gaps in 24C02")
        << "hex"
        << QByteArray(
               ":1000100011111111111111111111111111111111D0\n:0200400040413D\n"
               ":00000001FF\n")
        << image(256, {{0x10, QByteArray(16, '\x11')}, {0x40, QByteArray("\x40\x41")}})
        << qint64(18) << qint64(0x42);
    QTest::newRow("s28: 24-bit address")
        << "s28" << QByteArray("S0030000FC\nS20700FF00010203F3\nS804000000FB\n")
        << image(65536, {{0xFF00, QByteArray("\x01\x02\x03")}}) << qint64(3) << qint64(0xFF03);
    QTest::newRow("s37: 32-bit address, no header")
        << "s37" << QByteArray("S3090000FFFC04050607E5\nS70500000000FA\n")
        << image(65536, {{0xFFFC, QByteArray("\x04\x05\x06\x07")}}) << qint64(4) << qint64(65536);
    QTest::newRow("s19: 16 bytes into 93C46, CR LF")
        << "s19" << QByteArray("S1130000000102030405060708090A0B0C0D0E0F74\r\nS9030000FC\r\n")
        << image(128, {{0, QByteArray::fromHex("000102030405060708090A0B0C0D0E0F")}}) << qint64(16)
        << qint64(16);
}

void ImageFormatsTest::addressesAndGaps() {
    QFETCH(QString, suffix);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    QFETCH(qint64, dataBytes);
    QFETCH(qint64, end);
    const QString path = dir_.filePath(QStringLiteral("addresses.") + suffix);
    QVERIFY(TestFiles::writeFile(path, text));

    const ImageFormats::LoadResult loaded =
        ImageFormats::load(path, expected.size(), ImageFormats::formatForName(path));
    QCOMPARE(loaded.status, LoadStatus::Loaded);
    QCOMPARE(loaded.buffer, expected);
    QCOMPARE(loaded.dataBytes, dataBytes);
    QCOMPARE(loaded.end, end);
}

QTEST_GUILESS_MAIN(ImageFormatsTest)
#include "tst_image_formats.moc"
