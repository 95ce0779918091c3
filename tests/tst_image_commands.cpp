// Intel HEX and S-record images through "打开文件" and "保存文件", "查空" of the
// chip in the box, and "与文件比较...", as the user runs them in the window.
#include <QListView>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "files/image_formats.h"
#include "hexview/hex_view.h"
#include "hexview/mark_colours.h"
#include "messages/format_texts.h"
#include "support/form_rig.h"
#include "support/test_files.h"
#include "windows/qt_dialogs.h"

namespace {

using Outcome = ChipOperations::Outcome;
using TestFiles::pattern;

const QString Hex = QStringLiteral("Intel HEX 文件(*.hex;*.ihx)");
const QString SRec = QStringLiteral("Motorola S 记录文件(*.s19;*.s28;*.s37;*.srec;*.mot)");
const QString All = QStringLiteral("所有文件(*.*)");
constexpr int M24C02 = 0, M24C04 = 1, M24C512 = 8, M93C46 = 9;

// What the window shows of the buffer: bytes, page, a cell of it, status.
QVariantList shown(const FormRig &rig) {
    const HexPageModel *model = rig->hexView()->model();
    return {rig->chip().DataBuffer(), rig->hexView()->CurrentPage, model->data(model->index(3, 2)),
            rig->statusText()};
}

// Positions on the page shown whose cells are painted marked.
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
    void savedImageLoadsBack_data();
    void savedImageLoadsBack();
    void entriesMatchAnyLetterCase_data();
    void entriesMatchAnyLetterCase();
    void loadFaultNamesTheLine_data();
    void loadFaultNamesTheLine();
    void blankCheck_data();
    void blankCheck();
    void blankCheckFailsAsTheReadDoes_data();
    void blankCheckFailsAsTheReadDoes();
    void blankCheckRefusedOffline();
    void compareWithAFile_data();
    void compareWithAFile();
    void marksLastUntilTheBufferChanges_data();
    void marksLastUntilTheBufferChanges();
    void differencesAndEditsAreToldApart();

private:
    QString path(const QString &name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

void ImageCommandsTest::dialogsOfferTheFormats() {
    FormRig rig(FormRig::patient());
    for (const char *item : {"fopen", "fsave", "fcompare"})
        rig.trigger(item);
    QCOMPARE(rig.dialogs.calls.size(), 3);
    QCOMPARE(rig.dialogs.calls[2].title, QStringLiteral("选择要与缓冲区比较的数据文件"));
    for (const ScriptedDialogs::Call &call : rig.dialogs.calls)
        QCOMPARE(Dialogs::withEntries(call.filter, call.moreEntries), FormatTexts::FileFilter());
    // The real dialog names each entry in Qt's form, patterns apart by blanks.
    const QStringList qtEntries = QtDialogs::qtFilter(FormatTexts::FileFilter()).split(";;");
    const QStringList entries = {QStringLiteral("二进制文件(*.BIN)"), Hex, SRec, All};
    QCOMPARE(qtEntries.size(), entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        QVERIFY2(!qtEntries[i].contains(';'), qPrintable(qtEntries[i]));
        QCOMPARE(QtDialogs::entryOf(FormatTexts::FileFilter(), qtEntries[i]), entries[i]);
    }
}

void ImageCommandsTest::entriesMatchAnyLetterCase_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow(".BIN") << 0 << QStringList{"CHIP2.BIN", "Mixed.Bin", "chip.bin"};
    QTest::newRow("HEX") << 1 << QStringList{"a.HEX", "b.ihx"};
    QTest::newRow("S-records") << 2 << QStringList{"C.S19", "d.srec"};
}

void ImageCommandsTest::entriesMatchAnyLetterCase() {
    QFETCH(int, entry);
    QFETCH(QStringList, shown);
    QTemporaryDir dir;
    for (const char *name :
         {"chip.bin", "CHIP2.BIN", "Mixed.Bin", "a.HEX", "b.ihx", "C.S19", "d.srec", "e.txt"})
        QVERIFY(TestFiles::writeFile(dir.filePath(QLatin1String(name)), QByteArray(1, '\0')));
    for (QFileDialog::AcceptMode mode : {QFileDialog::AcceptOpen, QFileDialog::AcceptSave}) {
        const auto dialog =
            QtDialogs::fileDialog(QStringLiteral("t"), FormatTexts::FileFilter(), mode);
        dialog->setDirectory(dir.path());
        dialog->selectNameFilter(dialog->nameFilters().at(entry));
        const auto *view = dialog->findChild<QListView *>(QStringLiteral("listView"));
        QVERIFY(view);
        const auto listed = [view] {
            QStringList names;
            for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
                names << view->model()->index(row, 0, view->rootIndex()).data().toString();
            names.sort(Qt::CaseSensitive);
            return names;
        };
        QTRY_COMPARE(listed(), shown);
    }
}

void ImageCommandsTest::savedImageLoadsBack_data() {
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("entry");  // empty: the preselected .BIN entry
    QTest::addColumn<QByteArray>("lead");
    QTest::addColumn<QString>("format");
    QTest::newRow("93C46, .hex") << M93C46 << "a.hex" << QString() << QByteArray(":10")
                                 << "Intel HEX";
    QTest::newRow("24C02, S-record entry, no extension")
        << M24C02 << "b" << SRec << QByteArray("S0") << "Motorola S 记录";
    QTest::newRow("24C02, HEX entry, .txt")
        << M24C02 << "c.txt" << Hex << QByteArray(":10") << "Intel HEX";
    QTest::newRow("24C512, .S37, all files")
        << M24C512 << "d.S37" << All << QByteArray("S0") << "Motorola S 记录";
}

void ImageCommandsTest::savedImageLoadsBack() {
    QFETCH(int, model);
    QFETCH(QString, name);
    QFETCH(QString, entry);
    QFETCH(QByteArray, lead);
    QFETCH(QString, format);
    FormRig rig(FormRig::patient());
    rig.chooseModel(model);
    rig->chip().replace(pattern(rig->chip().size(), model));
    QVERIFY(rig->chip().setByte(5, 0xA5));
    const QByteArray saved = rig->chip().DataBuffer();
    rig.dialogs.fileNames << path(name) << path(name);
    rig.dialogs.filterEntries << entry << entry;

    rig.trigger("fsave");
    QVERIFY(!rig->chip().unsavedEdits());
    QVERIFY(TestFiles::readFile(path(name)).startsWith(lead));
    rig->chip().replace(QByteArray(saved.size(), '\0'));
    rig.trigger("fopen");

    QVERIFY(rig.dialogs.messages().isEmpty());
    QCOMPARE(rig->chip().DataBuffer(), saved);
    QCOMPARE(rig->statusText(),
             QStringLiteral("正在编辑：%1    文件格式为：%2    数据大小为： %3字节")
                 .arg(path(name), format)
                 .arg(saved.size()));
}

void ImageCommandsTest::loadFaultNamesTheLine_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QByteArray>("text");  // null: no file
    QTest::addColumn<QString>("warning");  // after "文件 <path>"
    const QByteArray first = ":10000000000102030405060708090A0B0C0D0E0F78\n";
    const QByteArray header = "S0030000FC\n";
    QTest::newRow("hex: data past 24C04")
        << "past.hex" << QString()
        << first + ":10020000000102030405060708090A0B0C0D0E0F76\n:00000001FF\n"
        << " 第 2 行：数据地址超出您选择的芯片型号容量，缓冲区数据没有改变！！";
    QTest::newRow("s19: bad checksum")
        << "sum.s19" << QString()
        << header + "S113001011111111111111111111111111111111CD\nS9030000FC\n"
        << " 第 2 行：记录校验和错误，缓冲区数据没有改变！！";
    QTest::newRow("ihx: a line that is no record")
        << "line.ihx" << QString() << first + "not a record\n:00000001FF\n"
        << " 第 2 行：记录格式错误，缓冲区数据没有改变！！";
    QTest::newRow("s28: overlapping records")
        << "twice.s28" << QString()
        << header + "S21400001011111111111111111111111111111111CB\nS20500001822C0\n"
        << " 第 3 行：记录地址与前面的记录重复，缓冲区数据没有改变！！";
    QTest::newRow("raw image under the HEX entry")
        << "raw.bin" << Hex << QByteArray(256, '\x11')
        << " 第 1 行：记录格式错误，缓冲区数据没有改变！！";
    QTest::newRow("missing") << "missing.hex" << QString() << QByteArray()
                             << " 读取失败，缓冲区数据没有改变！！";
}

void ImageCommandsTest::loadFaultNamesTheLine() {
    QFETCH(QString, name);
    QFETCH(QString, entry);
    QFETCH(QByteArray, text);
    QFETCH(QString, warning);
    FormRig rig(FormRig::patient());
    rig.chooseModel(M24C04);
    rig->chip().replace(pattern(512, 2));
    rig->hexView()->scrPage()->setValue(1);
    const QVariantList before = shown(rig);
    QVERIFY(text.isNull() || TestFiles::writeFile(path(name), text));
    rig.dialogs.fileNames << path(name);
    rig.dialogs.filterEntries << entry;

    rig.trigger("fopen");

    QCOMPARE(shown(rig), before);
    QCOMPARE(rig.dialogs.messageTexts(), QStringList{"文件 " + path(name) + warning});
    QCOMPARE(rig.dialogs.messages()[0].title, QStringLiteral("警告信息"));
}

// --- "查空" ---------------------------------------------------------------

void ImageCommandsTest::blankCheck_data() {
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("position");  // of the one byte not FFH; -1: blank
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    const QString blank = QStringLiteral("恭喜您！芯片为空（全部为 FFH）！！");
    const QString notBlank =
        QStringLiteral("芯片不为空！数据位置为: %1H   芯片数据为：  %2H   !!!");
    QTest::newRow("24C02 blank") << M24C02 << -1 << 0 << blank;
    QTest::newRow("93C46 blank") << M93C46 << -1 << 0 << blank;
    QTest::newRow("24C02, last block") << M24C02 << 255 << 0x00 << notBlank.arg("00FF", "00");
    QTest::newRow("93C46, last block") << M93C46 << 122 << 0x5A << notBlank.arg("007A", "5A");
    QTest::newRow("24C512, last byte") << M24C512 << 65535 << 0xFE << notBlank.arg("FFFF", "FE");
    QTest::newRow("24C04, first byte") << M24C04 << 0 << 0x07 << notBlank.arg("0000", "07");
}

void ImageCommandsTest::blankCheck() {
    QFETCH(int, model);
    QFETCH(int, position);
    QFETCH(int, value);
    QFETCH(QString, text);
    FormRig rig(FormRig::patient());
    rig.chooseModel(model);
    if (position >= 0)
        rig.box.chip(model)[position] = char(value);
    rig->chip().replace(pattern(rig->chip().size(), 1));
    const QByteArray before = rig->chip().DataBuffer();
    QSignalSpy replaced(&rig->chip(), &ChipBuffer::replaced);
    rig->hide();  // a 24C512 paints thousands of blocks otherwise
    rig.clearFrames();

    rig.trigger("cblank");

    const int blocks = position < 0 ? before.size() / 8 : position / 8 + 1;
    QCOMPARE(rig.frames().size(), 2 + blocks);
    QCOMPARE(rig.framesWithCode(0xF8).size(), blocks);
    QCOMPARE(rig.dialogs.messageTexts(), QStringList{text});
    QCOMPARE(rig.dialogs.messages()[0].icon,
             position < 0 ? Dialogs::Icon::Information : Dialogs::Icon::Warning);
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
    QTest::newRow("select refused") << 0xFA << -1 << int(K::WrongCode) << int(Outcome::Refused);
    QTest::newRow("block 5 refused") << 0xF8 << 5 << int(K::WrongCode) << int(Outcome::Refused);
    QTest::newRow("box stops answering at block 9") << -1 << 9 << -1 << int(Outcome::NoAnswer);
}

void ImageCommandsTest::blankCheckFailsAsTheReadDoes() {
    QFETCH(int, command);
    QFETCH(int, block);
    QFETCH(int, kind);
    QFETCH(int, outcome);
    // The same fault for the read and for the blank check: the same boxes,
    // frames and state left behind, and the buffer untouched by the check.
    QVariantList seen[2];
    for (int blank : {0, 1}) {
        FormRig::Options options;
        options.timings.replyTimeout = 200;
        FormRig rig(options);
        rig.chooseModel(M24C04);
        rig->chip().replace(pattern(512, 6));
        if (kind < 0)
            rig.box.stopAnsweringAfter(2 + block);
        else
            rig.box.addFault({BoxFault::Kind(kind), command, block, 0, -1});
        rig.clearFrames();
        const Outcome o = blank ? rig->operations().blankCheck() : rig->operations().read();
        QStringList boxes;
        for (const ScriptedDialogs::Call &c : rig.dialogs.messages())
            boxes << c.title + '|' + c.text + '|' + QString::number(int(c.icon));
        seen[blank] = {int(o), boxes, QVariant::fromValue(rig.frames()), rig.isOnline(),
                       rig.operationsEnabled()};
        QCOMPARE(rig->chip().DataBuffer(), pattern(512, 6));
    }
    QCOMPARE(seen[1], seen[0]);
    QCOMPARE(seen[1][0].toInt(), outcome);
    QVERIFY(!seen[1][1].toStringList().isEmpty());
    QCOMPARE(seen[1][3].toBool(), outcome == int(Outcome::Refused));
}

void ImageCommandsTest::blankCheckRefusedOffline() {
    FormRig rig(FormRig::patient());
    rig->online().gooffline();
    QVERIFY(!rig.find<QMenu>("icoprate")->isEnabled());
    rig.clearFrames();
    rig.trigger("cblank");
    QCOMPARE(rig->operations().blankCheck(), Outcome::NotStarted);
    QVERIFY(rig.frames().isEmpty());
    QVERIFY(rig.dialogs.calls.isEmpty());
}

// --- "与文件比较..." ---------------------------------------------------------

void ImageCommandsTest::compareWithAFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("file");  // compared with the 24C02 buffer pattern(256, 4)
    QTest::addColumn<QList<qint32>>("differing");
    QTest::addColumn<QString>("text");  // %1: the path
    const QByteArray buffer = pattern(256, 4);
    const QString differ = QStringLiteral(
        "缓冲区数据与文件 %1 有 %2 个字节不同！\r\n第一个不同的数据位置为: %3H    电脑数据为：  "
        "%4H   文件数据为：  %5H   !!!\r\n不同的数据已在数据区中用颜色标出。");
    const QString same = QStringLiteral("恭喜您！缓冲区数据与文件 %1 完全相同！！");
    const QString part =
        QStringLiteral("\r\n文件数据长度为 %1 字节，芯片容量为 256 字节，只比较了前 %2 字节！");
    QTest::newRow("equal .BIN") << "same.BIN" << buffer << QList<qint32>{} << same;
    QTest::newRow("three differ, hex")
        << "three.hex" << changed(buffer, {0x12, 0x13, 0xF0}) << QList<qint32>{0x12, 0x13, 0xF0}
        << differ.arg("%1", "3", "0012", "82", "7D");
    QTest::newRow("shorter .BIN") << "short.bin" << changed(buffer, {50}).left(100)
                                  << QList<qint32>{50}
                                  << differ.arg("%1", "1", "0032", "62", "9D") +
                                         part.arg(100).arg(100);
    QTest::newRow("longer .BIN, a difference past the chip")
        << "long.bin" << changed(buffer + QByteArray(256, '\0'), {7, 300}) << QList<qint32>{7}
        << differ.arg("%1", "1", "0007", "35", "CA") + part.arg(512).arg(256);
    QTest::newRow("longer s19, equal where both hold")
        << "long.s19" << buffer + pattern(64, 1) << QList<qint32>{}
        << same + part.arg(320).arg(256);
}

void ImageCommandsTest::compareWithAFile() {
    QFETCH(QString, name);
    QFETCH(QByteArray, file);
    QFETCH(QList<qint32>, differing);
    QFETCH(QString, text);
    FormRig rig(FormRig::patient());
    rig->chip().replace(pattern(256, 4));
    QVERIFY(ImageFormats::save(path(name), file, ImageFormats::formatForName(name)));
    const QVariantList before = shown(rig);
    rig.dialogs.fileNames << path(name);
    QList<qint32> behindTheBox;
    rig.dialogs.onCall = [&](const ScriptedDialogs::Call &) { behindTheBox = markedCells(rig); };

    const auto result = rig->files().compare();

    QVERIFY(result && result->loaded());
    QCOMPARE(result->count, differing.size());
    QCOMPARE(shown(rig), before);
    QCOMPARE(behindTheBox, differing);
    QCOMPARE(markedCells(rig), differing);
    QCOMPARE(rig.dialogs.messageTexts(), QStringList{text.arg(path(name))});
    QCOMPARE(rig.dialogs.messages()[0].icon,
             differing.isEmpty() ? Dialogs::Icon::Information : Dialogs::Icon::Warning);
}

void ImageCommandsTest::marksLastUntilTheBufferChanges_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("file");  // chosen in a file dialog
    QTest::newRow("edit") << "edit" << QString();
    QTest::newRow("load") << "fopen"
                          << "other.bin";
    QTest::newRow("read") << "cread" << QString();
    QTest::newRow("new") << "fnew" << QString();
    QTest::newRow("failed compare") << "fcompare"
                                    << "bad.hex";
}

void ImageCommandsTest::marksLastUntilTheBufferChanges() {
    QFETCH(QString, change);
    QFETCH(QString, file);
    FormRig rig(FormRig::patient());
    rig->chip().replace(pattern(256, 3));
    QVERIFY(TestFiles::writeFile(path("other.bin"), changed(pattern(256, 3), {1, 2})));
    QVERIFY(TestFiles::writeFile(path("bad.hex"), "not a record\n"));
    rig.dialogs.fileNames << path("other.bin") << path(file);
    rig.trigger("fcompare");
    QCOMPARE(markedCells(rig), (QList<qint32>{1, 2}));

    if (change == QLatin1String("edit"))
        QVERIFY(rig->chip().setByte(200, 0x00));
    else
        rig.trigger(qPrintable(change));
    QVERIFY(rig->files().differences().isEmpty());
    // What stays marked is the edited byte alone, as a change of its own.
    QCOMPARE(markedCells(rig),
             change == QLatin1String("edit") ? QList<qint32>{200} : QList<qint32>{});
}

void ImageCommandsTest::differencesAndEditsAreToldApart() {
    FormRig rig(FormRig::patient());
    rig->chip().replace(pattern(256, 3));
    QVERIFY(rig->chip().setByte(5, 0x00));
    // The file holds the edit, and differs at byte 9 only.
    QVERIFY(TestFiles::writeFile(path("other.bin"), changed(rig->chip().DataBuffer(), {9})));
    rig.dialogs.fileNames << path("other.bin");
    rig.trigger("fcompare");
    QCOMPARE(markedCells(rig), (QList<qint32>{5, 9}));

    QTableView *grid = rig->hexView()->lstHex();
    const QImage shown = grid->viewport()->grab().toImage();
    const auto background = [&](qint32 at) {
        return shown.pixelColor(grid->visualRect(grid->model()->index(at / 16, at % 16)).topLeft() +
                                QPoint(1, 1));
    };
    const QColor edited = background(5), differing = background(9);
    QCOMPARE(edited, MarkColours::Changed);
    QCOMPARE(differing, MarkColours::Differing);
    const int apart = qAbs(edited.hue() - differing.hue());
    QVERIFY2(qMin(apart, 360 - apart) >= 90, qPrintable(QString::number(apart)));
}

QTEST_MAIN(ImageCommandsTest)
#include "tst_image_commands.moc"
