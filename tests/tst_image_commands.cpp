// Intel HEX and S-record images through "打开文件" and "保存文件", "查空" of the
// chip in the box, and "与文件比较...", as the user runs them in the window.
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

#include "files/image_compare.h"
#include "files/image_formats.h"
#include "messages/format_texts.h"
#include "messages/texts.h"
#include "support/form_rig.h"
#include "support/test_files.h"
#include "windows/hex_view.h"
#include "windows/qt_dialogs.h"

namespace {

using Outcome = ChipOperations::Outcome;
using TestFiles::pattern;
using TestFiles::readFile;
using TestFiles::writeFile;

const QString HexEntry = QStringLiteral("Intel HEX 文件(*.hex;*.ihx)");
const QString SRecordEntry = QStringLiteral("Motorola S 记录文件(*.s19;*.s28;*.s37;*.srec;*.mot)");
const QString AllEntry = QStringLiteral("所有文件(*.*)");
constexpr int M24C02 = 0, M24C04 = 1, M24C512 = 8, M93C46 = 9;

FormRig::Options replyWithin(int ms) {
    FormRig::Options o;
    o.timings.replyTimeout = ms;
    o.timings.receiveTimeout = 2 * ms;
    return o;
}

// The window's picture of the buffer.
struct Snapshot {
    QByteArray buffer;
    qint32 page;
    QString cell, status;
    bool operator==(const Snapshot &o) const {
        return buffer == o.buffer && page == o.page && cell == o.cell && status == o.status;
    }
};

Snapshot snapshot(const FormRig &rig) {
    const HexPageModel *model = rig->hexView()->model();
    return {rig->chip().DataBuffer(), rig->hexView()->CurrentPage,
            model->data(model->index(3, 2)).toString(), rig->statusText()};
}

// Positions on the page shown whose cells the view paints marked.
QList<qint32> markedCells(const FormRig &rig) {
    const HexPageModel *model = rig->hexView()->model();
    QList<qint32> marked;
    for (int column = 0; column < HexPageModel::Columns; ++column)
        for (int row = 0; row < HexPageModel::Rows; ++row)
            if (model->data(model->index(row, column), HexPageModel::MarkRole).toInt() > 0)
                marked << model->position(row, column);
    std::sort(marked.begin(), marked.end());
    return marked;
}

QByteArray changed(QByteArray bytes, const QList<int> &positions) {
    for (int at : positions)
        bytes[at] = char(~bytes.at(at));
    return bytes;
}

}  // namespace

class ImageCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { FormRig::warmUp(); }
    void dialogsOfferTheFormats();
    void openFollowsFilterOrExtension_data();
    void openFollowsFilterOrExtension();
    void loadFaultNamesTheLine_data();
    void loadFaultNamesTheLine();
    void savedImageLoadsBack_data();
    void savedImageLoadsBack();
    void blankCheck_data();
    void blankCheck();
    void blankCheckFailsAsTheReadDoes_data();
    void blankCheckFailsAsTheReadDoes();
    void blankCheckRefusedOffline();
    void compareWithAFile_data();
    void compareWithAFile();
    void marksLastUntilTheBufferChanges_data();
    void marksLastUntilTheBufferChanges();

private:
    QString path(const QString &name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

void ImageCommandsTest::dialogsOfferTheFormats() {
    FormRig rig(FormRig::patient());
    rig.trigger("fopen");
    rig.trigger("fsave");
    rig.trigger("fcompare");
    QCOMPARE(rig.dialogs.calls.size(), 3);
    const QStringList titles = {Texts::OpenTitle, Texts::SaveTitle,
                                QStringLiteral("选择要与缓冲区比较的数据文件")};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(rig.dialogs.calls[i].title, titles[i]);
        QCOMPARE(
            Dialogs::withEntries(rig.dialogs.calls[i].filter, rig.dialogs.calls[i].moreEntries),
            FormatTexts::FileFilter);
    }
    // The real dialog tells the entry chosen by the name Qt gives it.
    const QStringList qtEntries = QtDialogs::qtFilter(FormatTexts::FileFilter).split(";;");
    const QStringList described = {QStringLiteral("二进制文件(*.BIN)"), HexEntry, SRecordEntry,
                                   AllEntry};
    QCOMPARE(qtEntries.size(), described.size());
    for (int i = 0; i < described.size(); ++i) {
        QVERIFY2(!qtEntries[i].contains(';'), qPrintable(qtEntries[i]));  // Qt splits at blanks
        QCOMPARE(QtDialogs::entryOf(FormatTexts::FileFilter, qtEntries[i]), described[i]);
    }
}

void ImageCommandsTest::openFollowsFilterOrExtension_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("entry");  // empty: the preselected .BIN entry
    QTest::addColumn<int>("written");    // ImageFormats::Format of the file
    QTest::addColumn<QString>("formatName");
    QTest::newRow("hex by extension")
        << "a.HEX" << QString() << int(ImageFormats::Format::IntelHex) << "Intel HEX";
    QTest::newRow("s19 by extension, all files")
        << "a.s19" << AllEntry << int(ImageFormats::Format::SRecord) << "Motorola S 记录";
    QTest::newRow("hex by filter, no extension")
        << "image" << HexEntry << int(ImageFormats::Format::IntelHex) << "Intel HEX";
    QTest::newRow("S-records by filter, .txt")
        << "image.txt" << SRecordEntry << int(ImageFormats::Format::SRecord) << "Motorola S 记录";
}

void ImageCommandsTest::openFollowsFilterOrExtension() {
    QFETCH(QString, name);
    QFETCH(QString, entry);
    QFETCH(int, written);
    QFETCH(QString, formatName);
    FormRig rig(FormRig::patient());
    rig.chooseModel(M24C04);
    // Half the chip in the file: the rest becomes FFH.
    const QByteArray half = pattern(256, 9);
    QVERIFY(ImageFormats::save(path(name), half, ImageFormats::Format(written)));
    rig.dialogs.fileNames << path(name);
    rig.dialogs.filterEntries << entry;
    rig->hexView()->scrPage()->setValue(1);
    rig.clearFrames();

    rig.click("Command4");

    QVERIFY(rig.dialogs.messages().isEmpty());
    QCOMPARE(rig->chip().DataBuffer(), half + QByteArray(256, '\xFF'));
    QCOMPARE(rig->chip().ChipCode(), M24C04);
    QCOMPARE(rig->hexView()->CurrentPage, 0);
    QCOMPARE(rig->statusText(),
             QStringLiteral("正在编辑：%1    文件格式为：%2    数据大小为： 256字节")
                 .arg(path(name), formatName));
    QVERIFY(rig.frames().isEmpty());
}

void ImageCommandsTest::loadFaultNamesTheLine_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("place");  // after "文件 <path>"
    QTest::newRow("hex: data past 24C04")
        << "past.hex" << QString()
        << QByteArray(
               ":10000000000102030405060708090A0B0C0D0E0F78\n"
               ":10020000000102030405060708090A0B0C0D0E0F76\n:00000001FF\n")
        << " 第 2 行：数据地址超出您选择的芯片型号容量，缓冲区数据没有改变！！";
    QTest::newRow("s19: bad checksum")
        << "sum.s19" << QString()
        << QByteArray(
               "S0030000FC\nS1130000000102030405060708090A0B0C0D0E0F74\n"
               "S113001011111111111111111111111111111111CD\nS9030000FC\n")
        << " 第 3 行：记录校验和错误，缓冲区数据没有改变！！";
    QTest::newRow("hex: a line that is no record")
        << "line.ihx" << QString()
        << QByteArray(":10000000000102030405060708090A0B0C0D0E0F78\nnot a record\n:00000001FF\n")
        << " 第 2 行：记录格式错误，缓冲区数据没有改变！！";
    QTest::newRow("s28: overlapping records")
        << "twice.s28" << QString()
        << QByteArray(
               "S0030000FC\nS21400001011111111111111111111111111111111CB\n"
               "S20500001822C0\nS804000000FB\n")
        << " 第 3 行：记录地址与前面的记录重复，缓冲区数据没有改变！！";
    QTest::newRow("raw image under the HEX entry")
        << "raw.bin" << HexEntry << QByteArray(256, '\x11')
        << " 第 1 行：记录格式错误，缓冲区数据没有改变！！";
    QTest::newRow("missing hex") << "missing.hex" << QString() << QByteArray()
                                 << " 读取失败，缓冲区数据没有改变！！";
}

void ImageCommandsTest::loadFaultNamesTheLine() {
    QFETCH(QString, name);
    QFETCH(QString, entry);
    QFETCH(QByteArray, text);
    QFETCH(QString, place);
    FormRig rig(FormRig::patient());
    rig.chooseModel(M24C04);
    rig->chip().replace(pattern(512, 2));
    rig->hexView()->scrPage()->setValue(1);
    const Snapshot before = snapshot(rig);
    if (!text.isNull())
        QVERIFY(writeFile(path(name), text));
    rig.dialogs.fileNames << path(name);
    rig.dialogs.filterEntries << entry;

    rig.trigger("fopen");

    QVERIFY(snapshot(rig) == before);
    const QList<ScriptedDialogs::Call> boxes = rig.dialogs.messages();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].text, QStringLiteral("文件 ") + path(name) + place);
    QCOMPARE(boxes[0].title, QStringLiteral("警告信息"));
    QCOMPARE(boxes[0].icon, Dialogs::Icon::Warning);
}

void ImageCommandsTest::savedImageLoadsBack_data() {
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QByteArray>("lead");  // of the file's first record
    const struct {
        int model;
        const char *chip;
    } chips[] = {{M93C46, "93C46"}, {M24C02, "24C02"}, {M24C512, "24C512"}};
    for (const auto &c : chips) {
        QTest::addRow("%s hex", c.chip) << c.model << "saved.hex" << QString() << QByteArray(":10");
        QTest::addRow("%s S-records by filter", c.chip)
            << c.model << "saved" << SRecordEntry << QByteArray("S0");
        QTest::addRow("%s s37", c.chip) << c.model << "saved.s37" << AllEntry << QByteArray("S0");
    }
}

void ImageCommandsTest::savedImageLoadsBack() {
    QFETCH(int, model);
    QFETCH(QString, name);
    QFETCH(QString, entry);
    QFETCH(QByteArray, lead);
    FormRig rig(FormRig::patient());
    rig.chooseModel(model);
    const QByteArray image = pattern(rig->chip().size(), model);
    rig->chip().replace(image);
    QVERIFY(rig->chip().setByte(5, 0xA5));  // an edit, which the save keeps
    const QByteArray saved = rig->chip().DataBuffer();
    rig.dialogs.fileNames << path(name) << path(name);
    rig.dialogs.filterEntries << entry << entry;

    rig.trigger("fsave");
    QVERIFY(!rig->chip().unsavedEdits());
    QVERIFY(readFile(path(name)).startsWith(lead));
    rig->chip().replace(QByteArray(saved.size(), '\0'));
    rig.trigger("fopen");

    QVERIFY(rig.dialogs.messages().isEmpty());
    QCOMPARE(rig->chip().DataBuffer(), saved);
}

// --- "查空" ---------------------------------------------------------------

void ImageCommandsTest::blankCheck_data() {
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("position");  // of the one byte not FFH; -1: blank
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    const QString blank = QStringLiteral("恭喜您！芯片为空（全部为 FFH）！！");
    QTest::newRow("24C02 blank") << M24C02 << -1 << 0 << blank;
    QTest::newRow("93C46 blank") << M93C46 << -1 << 0 << blank;
    QTest::newRow("24C02, last block")
        << M24C02 << 255 << 0x00
        << QStringLiteral("芯片不为空！数据位置为: 00FFH   芯片数据为：  00H   !!!");
    QTest::newRow("93C46, last block")
        << M93C46 << 122 << 0x5A
        << QStringLiteral("芯片不为空！数据位置为: 007AH   芯片数据为：  5AH   !!!");
    QTest::newRow("24C512, last byte")
        << M24C512 << 65535 << 0xFE
        << QStringLiteral("芯片不为空！数据位置为: FFFFH   芯片数据为：  FEH   !!!");
    QTest::newRow("24C04, first byte")
        << M24C04 << 0 << 0x07
        << QStringLiteral("芯片不为空！数据位置为: 0000H   芯片数据为：  07H   !!!");
}

void ImageCommandsTest::blankCheck() {
    QFETCH(int, model);
    QFETCH(int, position);
    QFETCH(int, value);
    QFETCH(QString, text);
    FormRig rig(FormRig::patient());
    rig.chooseModel(model);
    const int capacity = rig->chip().size();
    if (position >= 0)
        rig.box.chip(model)[position] = char(value);
    rig->chip().replace(pattern(capacity, 1));
    const QByteArray before = rig->chip().DataBuffer();
    QSignalSpy replaced(&rig->chip(), &ChipBuffer::replaced);
    rig->hide();  // a 24C512 paints thousands of blocks otherwise
    rig.clearFrames();

    rig.trigger("cblank");

    const int blocks = position < 0 ? capacity / 8 : position / 8 + 1;
    QCOMPARE(rig.frames().size(), 2 + blocks);
    QCOMPARE(rig.frames().first(), FormRig::frame(0xFC));
    const QList<ScriptedDialogs::Call> boxes = rig.dialogs.messages();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].text, text);
    QCOMPARE(boxes[0].icon, position < 0 ? Dialogs::Icon::Information : Dialogs::Icon::Warning);
    QCOMPARE(rig->operations().NotBlankPosition, position);
    QCOMPARE(rig->operations().NotBlankValue, quint8(position < 0 ? 0xFF : value));
    QCOMPARE(rig->chip().DataBuffer(), before);
    QCOMPARE(replaced.count(), 0);
    QVERIFY(rig.operationsEnabled());
    QVERIFY(rig.find("ProgressBar1")->isHidden());
}

void ImageCommandsTest::blankCheckFailsAsTheReadDoes_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("kind");  // BoxFault::Kind; -1: stops answering after 2 + block
    QTest::addColumn<int>("outcome");
    using K = BoxFault::Kind;
    QTest::newRow("open, no reply") << 0xFC << -1 << int(K::NoReply) << int(Outcome::NoAnswer);
    QTest::newRow("chip select refused")
        << 0xFA << -1 << int(K::WrongCode) << int(Outcome::Refused);
    QTest::newRow("block 5 refused") << 0xF8 << 5 << int(K::WrongCode) << int(Outcome::Refused);
    QTest::newRow("box stops answering at block 9") << -1 << 9 << -1 << int(Outcome::NoAnswer);
}

void ImageCommandsTest::blankCheckFailsAsTheReadDoes() {
    QFETCH(int, command);
    QFETCH(int, block);
    QFETCH(int, kind);
    QFETCH(int, outcome);
    // The same fault once for the read and once for the blank check.
    struct Seen {
        int outcome;
        QStringList boxes;
        QList<QByteArray> frames;
        bool online, operations;
    } seen[2];
    for (int blank : {0, 1}) {
        FormRig rig(replyWithin(200));
        rig.chooseModel(M24C04);
        const QByteArray buffer = pattern(512, 6);
        rig->chip().replace(buffer);
        if (kind < 0) {
            rig.box.stopAnsweringAfter(2 + block);
        } else {
            BoxFault f;
            f.kind = BoxFault::Kind(kind);
            f.command = command;
            f.block = block;
            rig.box.addFault(f);
        }
        rig.clearFrames();
        const Outcome o = blank ? rig->operations().blankCheck() : rig->operations().read();
        seen[blank] = {int(o), {}, rig.frames(), rig.isOnline(), rig.operationsEnabled()};
        for (const ScriptedDialogs::Call &c : rig.dialogs.messages())
            seen[blank].boxes << c.title + '|' + c.text + '|' + QString::number(int(c.icon));
        QCOMPARE(rig->chip().DataBuffer(), buffer);
    }
    QCOMPARE(seen[1].outcome, outcome);
    QCOMPARE(seen[1].outcome, seen[0].outcome);
    QCOMPARE(seen[1].boxes, seen[0].boxes);
    QVERIFY(!seen[1].boxes.isEmpty());
    QCOMPARE(seen[1].frames, seen[0].frames);
    QCOMPARE(seen[1].online, seen[0].online);
    QCOMPARE(seen[1].online, outcome == int(Outcome::Refused));
    QCOMPARE(seen[1].operations, seen[0].operations);
}

void ImageCommandsTest::blankCheckRefusedOffline() {
    FormRig rig(FormRig::offline());
    QVERIFY(!rig.find<QMenu>("icoprate")->isEnabled());
    rig.trigger("cblank");
    QCOMPARE(rig->operations().blankCheck(), Outcome::NotStarted);
    QVERIFY(rig.frames().isEmpty());
    QVERIFY(rig.dialogs.calls.isEmpty());
    QVERIFY(rig.find("ProgressBar1")->isHidden());
}

// --- "与文件比较..." ---------------------------------------------------------

void ImageCommandsTest::compareWithAFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("file");  // an image of the 24C02 buffer pattern(256, 4)
    QTest::addColumn<QList<qint32>>("differing");
    QTest::addColumn<QString>("lengthNote");
    const QByteArray buffer = pattern(256, 4);
    QTest::newRow("equal .BIN") << "same.BIN" << buffer << QList<qint32>{} << QString();
    QTest::newRow("three differ, hex") << "three.hex" << changed(buffer, {0x12, 0x13, 0xF0})
                                       << QList<qint32>{0x12, 0x13, 0xF0} << QString();
    QTest::newRow("shorter .BIN")
        << "short.bin" << changed(buffer, {50}).left(100) << QList<qint32>{50}
        << "文件数据长度为 100 字节，芯片容量为 256 字节，只比较了前 100 字节！";
    QTest::newRow("longer .BIN, a difference past the chip")
        << "long.bin" << changed(buffer + QByteArray(256, '\0'), {7, 300}) << QList<qint32>{7}
        << "文件数据长度为 512 字节，芯片容量为 256 字节，只比较了前 256 字节！";
    QTest::newRow("longer s19, equal where both hold")
        << "long.s19" << buffer + pattern(64, 1) << QList<qint32>{}
        << "文件数据长度为 320 字节，芯片容量为 256 字节，只比较了前 256 字节！";
}

void ImageCommandsTest::compareWithAFile() {
    QFETCH(QString, name);
    QFETCH(QByteArray, file);
    QFETCH(QList<qint32>, differing);
    QFETCH(QString, lengthNote);
    FormRig rig(FormRig::patient());
    const QByteArray buffer = pattern(256, 4);
    rig->chip().replace(buffer);
    QVERIFY(ImageFormats::save(path(name), file, ImageFormats::formatForName(name)));
    const Snapshot before = snapshot(rig);
    rig.dialogs.fileNames << path(name);

    std::optional<ImageCompare::Result> result;
    rig.dialogs.onCall = [&](const ScriptedDialogs::Call &call) {
        if (call.kind == ScriptedDialogs::Kind::Message)
            QCOMPARE(markedCells(rig), differing);  // shown behind the report
    };
    result = rig->files().compare();
    rig.dialogs.onCall = nullptr;

    QVERIFY(result && result->loaded());
    QCOMPARE(result->count, differing.size());
    QVERIFY(snapshot(rig) == before);
    QCOMPARE(markedCells(rig), differing);
    const QList<ScriptedDialogs::Call> boxes = rig.dialogs.messages();
    QCOMPARE(boxes.size(), 1);
    const auto hex = [](int value, int digits) {
        return QString::number(value, 16).rightJustified(digits, '0').toUpper();
    };
    QString text;
    if (differing.isEmpty()) {
        text = QStringLiteral("恭喜您！缓冲区数据与文件 %1 完全相同！！").arg(path(name));
    } else {
        const qint32 first = differing.first();
        text =
            QStringLiteral(
                "缓冲区数据与文件 %1 有 %2 个字节不同！\r\n第一个不同的数据位置为: %3H    "
                "电脑数据为：  %4H   文件数据为：  %5H   !!!\r\n不同的数据已在数据区中用颜色标出。")
                .arg(path(name))
                .arg(differing.size())
                .arg(hex(first, 4), hex(quint8(buffer[first]), 2), hex(quint8(file[first]), 2));
    }
    if (!lengthNote.isEmpty())
        text += QStringLiteral("\r\n") + lengthNote;
    QCOMPARE(boxes[0].text, text);
    QCOMPARE(boxes[0].icon,
             differing.isEmpty() ? Dialogs::Icon::Information : Dialogs::Icon::Warning);
}

void ImageCommandsTest::marksLastUntilTheBufferChanges_data() {
    QTest::addColumn<QString>("change");
    QTest::newRow("byte edited elsewhere") << "edit";
    QTest::newRow("file loaded") << "load";
    QTest::newRow("chip read") << "read";
    QTest::newRow("new buffer") << "new";
    QTest::newRow("failed comparison") << "fault";
}

void ImageCommandsTest::marksLastUntilTheBufferChanges() {
    QFETCH(QString, change);
    FormRig rig(FormRig::patient());
    rig->chip().replace(pattern(256, 3));
    QVERIFY(writeFile(path("other.bin"), changed(pattern(256, 3), {1, 2})));
    QVERIFY(writeFile(path("bad.hex"), "not a record\n"));
    rig.dialogs.fileNames << path("other.bin");
    rig.trigger("fcompare");
    QCOMPARE(markedCells(rig), (QList<qint32>{1, 2}));
    rig.dialogs.clear();

    QCOMPARE(rig->files().differences().count(), 2);

    if (change == QLatin1String("edit")) {
        QVERIFY(rig->chip().setByte(200, 0x00));
    } else if (change == QLatin1String("load")) {
        rig.dialogs.fileNames << path("other.bin");
        rig.trigger("fopen");
    } else if (change == QLatin1String("read")) {
        rig.click("Command6");
    } else if (change == QLatin1String("new")) {
        rig.trigger("fnew");
    } else {
        rig.dialogs.fileNames << path("bad.hex");
        rig.trigger("fcompare");
        QCOMPARE(rig.dialogs.messages().size(), 1);
    }
    QVERIFY(rig->files().differences().isEmpty());
    QCOMPARE(markedCells(rig), QList<qint32>{});
}

QTEST_MAIN(ImageCommandsTest)
#include "tst_image_commands.moc"
