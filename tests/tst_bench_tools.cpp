// The bench tools beside the specified window: stopping an operation, what
// the window remembers between runs, files from the command line, a drop or
// the recent list, where the file dialogs start, and panel 1 after a read.
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "app/command_line.h"
#include "messages/texts.h"
#include "support/form_rig.h"
#include "support/test_files.h"
#include "windows/recent_files_menu.h"

namespace {

using TestFiles::pattern;

constexpr quint8 Select = 0xFA, BlockRead = 0xF8, BlockWrite = 0xD8, Check = 0xFE;
constexpr int M24C02 = 0, M24C04 = 1, M24C64 = 5;

const QString StartupStatus =
    QStringLiteral("您还没有打开文件，系统默认芯片为24C02，芯片容量为256字节，缓冲区为全 FF。 ");

// Runs `action` once, as the reply to frame number `frame` (from 1, since the
// last clearFrames) comes in: while the operation still waits for it.
void whenReplied(FormRig &rig, int frame, std::function<void()> action) {
    auto pending = std::make_shared<std::function<void()>>(std::move(action));
    QObject::connect(rig.port, &SerialPort::notification, &*rig, [&rig, frame, pending](int code) {
        if (code == SerialPort::ReceivedBytes && *pending && rig.frames().size() >= frame)
            std::exchange(*pending, nullptr)();
    });
}

// The drag of `path` entering the window and, when it is taken, its drop.
bool drop(FormRig &rig, const QString &path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&*rig, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&*rig, &dropped);
    QCoreApplication::sendPostedEvents();
    return true;
}

QString settingsIn(const QTemporaryDir &dir) {
    return dir.filePath(QStringLiteral("settings.conf"));
}

}  // namespace

class BenchToolsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { FormRig::warmUp(); }
    void stopAfterBlock_data();
    void stopAfterBlock();
    void stopInTheLastBlockSparesTheNextOperation();
    void panelOneSaysWhereTheBufferCameFrom();

    void settingsSurviveARestart();
    void nonsenseSettingsAreIgnored_data();
    void nonsenseSettingsAreIgnored();
    void fileFromAnywhereLoadsAsOpenDoes_data();
    void fileFromAnywhereLoadsAsOpenDoes();
    void filesAreRefusedDuringAnOperation();
    void dialogsStartWhereTheLastFileWas();
};

// --- Stop -----------------------------------------------------------------------

void BenchToolsTest::stopAfterBlock_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("stopFrame");  // the frame whose reply brings the stop
    QTest::addColumn<bool>("escape");
    QTest::addColumn<int>("writes");  // block frames of each kind expected
    QTest::addColumn<int>("reads");
    QTest::addColumn<QString>("report");
    // 24C02: 32 blocks; block 9 is frame 12 (open, select, blocks 0..9).
    const QString tenOf32 = QStringLiteral("已停止：完成 10/32 块。");
    QTest::newRow("read, Esc") << "Command6" << 12 << true << 0 << 10
                               << tenOf32 +
                                      "读芯片没有完成（只读出了前 80 字节），缓冲区数据没有改变。";
    QTest::newRow("write, 停止") << "Command7" << 12 << false << 10 << 0
                                 << tenOf32 +
                                        "写芯片没有完成：芯片中只有前 80 "
                                        "字节是新写入的数据，其余仍是原来的内容，请重新写芯片！！";
    QTest::newRow("verify, Esc") << "Command8" << 12 << true << 0 << 10
                                 << tenOf32 + "校验没有完成：只比对了前 80 字节，这部分数据一致。";
    QTest::newRow("erase, 停止")
        << "Command9" << 12 << false << 10 << 0
        << tenOf32 + "擦除没有完成：芯片中只有前 80 字节已擦除为 FFH，其余仍是原来的内容。";
    QTest::newRow("auto in its write, Esc")
        << "Command10" << 12 << true << 10 << 0
        << tenOf32 +
               "自动操作没有完成：芯片中只有前 80 "
               "字节是新写入的数据，其余仍是原来的内容，没有进行校验！！";
    QTest::newRow("auto in its verify, 停止")
        << "Command10" << 34 + 12 << false << 32 << 10
        << tenOf32 + "自动操作没有完成：芯片已全部写入，校验只比对了前 80 字节，这部分数据一致。";
    QTest::newRow("blank check, Esc")
        << "cblank" << 12 << true << 0 << 10
        << tenOf32 + "查空没有完成：前 80 字节为空（全部为 FFH），其余没有检查。";
}

void BenchToolsTest::stopAfterBlock() {
    QFETCH(QString, command);
    QFETCH(int, stopFrame);
    QFETCH(bool, escape);
    QFETCH(int, writes);
    QFETCH(int, reads);
    QFETCH(QString, report);

    FormRig rig;
    const QByteArray old = command == "cblank" ? QByteArray(256, '\xFF') : pattern(256, 7);
    const QByteArray buffer = command == "Command8" ? old : pattern(256, 3);
    rig.box.chip(M24C02) = old;
    rig->chip().replace(buffer);
    rig.clearFrames();
    QAbstractButton *stop = rig.button("cmdStop");
    QVERIFY(!stop->isEnabled());
    // Esc reaches the window from the grid, which has the keys of the editor.
    QTableView *grid = rig->hexView()->lstHex();
    rig->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&*rig));
    grid->setFocus();

    bool offered = false;
    whenReplied(rig, stopFrame, [&] {
        offered = stop->isEnabled() && !rig.operationsEnabled();
        if (escape)
            QTest::keyClick(grid, Qt::Key_Escape);
        else
            stop->click();
    });
    if (command.startsWith("Command"))
        rig.click(qPrintable(command));
    else
        rig.trigger(qPrintable(command));

    QVERIFY(offered);
    QCOMPARE(rig.framesWithCode(BlockWrite).size(), writes);
    QCOMPARE(rig.framesWithCode(BlockRead).size(), reads);
    const ScriptedDialogs::Call said = rig.dialogs.messages().last();
    QCOMPARE(said.text, report);
    QCOMPARE(said.title, QStringLiteral("提示信息"));
    QCOMPARE(said.icon, Dialogs::Icon::Information);
    // A stopped read keeps the buffer; a write or an erase leaves a part.
    QCOMPARE(rig->chip().DataBuffer(), buffer);
    const QByteArray written = command == "Command9" ? QByteArray(256, '\xFF') : buffer;
    QCOMPARE(rig.box.chip(M24C02), writes == 10   ? written.left(80) + old.mid(80)
                                   : writes == 32 ? buffer
                                                  : old);
    // The controls as the link stands: online, the operations offered again.
    QVERIFY(rig.isOnline() && rig.operationsEnabled());
    QVERIFY(rig.find<QProgressBar>("ProgressBar1")->isHidden());
    QVERIFY(!stop->isEnabled() && !rig.action("actStop")->isEnabled());
}

void BenchToolsTest::stopInTheLastBlockSparesTheNextOperation() {
    FormRig rig;
    rig.box.chip(M24C02) = pattern(256);
    rig.clearFrames();
    // Block 31 is the last: the read is done when the stop is looked at.
    whenReplied(rig, 34, [&] { rig.click("cmdStop"); });
    rig.click("Command6");
    QCOMPARE(rig.dialogs.messageTexts(), QStringList{Texts::ReadSucceeded()});
    rig.clearFrames();
    rig.click("Command6");
    QCOMPARE(rig.framesWithCode(BlockRead).size(), 32);
    QCOMPARE(rig->chip().DataBuffer(), pattern(256));
}

// --- Panel 1 --------------------------------------------------------------------

void BenchToolsTest::panelOneSaysWhereTheBufferCameFrom() {
    FormRig rig;
    rig.chooseModel(M24C04);
    const QString chosen = rig->statusText();

    // A failed read leaves the buffer, and what panel 1 says of it.
    BoxFault refused;
    refused.kind = BoxFault::Kind::WrongCode;
    refused.command = BlockRead;
    refused.block = 3;
    refused.remaining = 1;
    rig.box.addFault(refused);
    rig.click("Command6");
    QCOMPARE(rig->statusText(), chosen);

    rig.click("Command6");
    QCOMPARE(rig->statusText(), QStringLiteral("缓冲区数据读自芯片24C04，芯片容量为512字节。 "));

    // "全 FF" goes with the first edit of an all-FF buffer and comes back
    // with its undo.
    rig.chooseModel(M24C04);
    QVERIFY(rig->chip().setByte(5, 0x55));
    QCOMPARE(rig->statusText(),
             QStringLiteral(
                 "您还没有打开文件，您选择芯片为24C04，芯片容量为512字节，缓冲区数据已修改。 "));
    QVERIFY(rig->chip().setByte(5, 0xFF));
    QCOMPARE(rig->statusText(), chosen);
}

// --- Settings -------------------------------------------------------------------

void BenchToolsTest::settingsSurviveARestart() {
    QTemporaryDir dir;
    const QString image = dir.filePath(QStringLiteral("image.bin"));
    QVERIFY(TestFiles::writeFile(image, pattern(8192)));
    FormRig::Options options;
    options.settingsFile = settingsIn(dir);
    {
        FormRig first(options);
        first.chooseModel(M24C64);
        first.dialogs.fileNames << image;
        first.trigger("fopen");
        first->move(120, 90);
        first.trigger("fquit");
    }

    FormRig second(options);
    // The model of the last run, told to the box found, as a model change is.
    QCOMPARE(second.find<QComboBox>("Combo1")->currentIndex(), M24C64);
    QCOMPARE(second->chip().size(), 8192);
    QCOMPARE(second->statusText(), ModelSelection::statusText(M24C64));
    QCOMPARE(second.frames(),
             (QList<QByteArray>{FormRig::frame(Check), FormRig::frame(Select, {M24C64})}));
    QCOMPARE(second->pos(), QPoint(120, 90));
    QCOMPARE(second.action("frecent1")->text(), QStringLiteral("&1 ") + image);
    second.trigger("fopen");
    QCOMPARE(second.dialogs.calls.last().start, dir.path());

    // A recent file that has gone is said to be missing, and leaves the list.
    QVERIFY(QFile::remove(image));
    second.trigger("frecent1");
    QCOMPARE(second.dialogs.messageTexts().last(),
             QStringLiteral("文件 ") + image +
                 " 不存在（可能已被移动、改名或删除），已从最近打开的文件列表中去掉。");
    QCOMPARE(second->recentFiles().paths(), QStringList());
    QVERIFY(!second.find<QMenu>("frecent")->menuAction()->isEnabled());
}

void BenchToolsTest::nonsenseSettingsAreIgnored_data() {
    QTest::addColumn<QByteArray>("contents");  // empty: a folder in the file's place
    QTest::newRow("unreadable") << QByteArray();
    QTest::newRow("a model that does not exist")
        << QByteArray("[General]\nmodel=24C99\nrecentFiles=\n");
    QTest::newRow("a position off every screen")
        << QByteArray("[window]\nposition=@Point(-30000 -30000)\n");
    QTest::newRow("values of the wrong kind")
        << QByteArray("[General]\nmodel=@Point(1 2)\nfolder=@Invalid()\n[window]\nposition=left\n");
    QTest::newRow("not settings at all") << QByteArray("\x01\xFE\x00[[[=\n\xFF", 12);
}

void BenchToolsTest::nonsenseSettingsAreIgnored() {
    QFETCH(QByteArray, contents);
    QTemporaryDir dir;
    FormRig::Options options;
    options.settingsFile = settingsIn(dir);
    if (contents.isEmpty())
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("settings.conf")));
    else
        QVERIFY(TestFiles::writeFile(options.settingsFile, contents));

    FormRig rig(options);
    QCOMPARE(rig.find<QComboBox>("Combo1")->currentIndex(), M24C02);
    QCOMPARE(rig->statusText(), StartupStatus);
    QCOMPARE(rig.frames(), QList<QByteArray>{FormRig::frame(Check)});
    QVERIFY(QGuiApplication::screenAt(rig->pos() + QPoint(40, 10)));
    QVERIFY(!rig.find<QMenu>("frecent")->menuAction()->isEnabled());
    rig.trigger("fopen");
    QCOMPARE(rig.dialogs.calls.last().start, QString());
    // Settings that cannot be written are not missed either.
    rig.chooseModel(M24C04);
    QCOMPARE(rig->chip().size(), 512);
}

// --- Files from anywhere --------------------------------------------------------

void BenchToolsTest::fileFromAnywhereLoadsAsOpenDoes_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("size");     // -1: no such file
    QTest::addColumn<bool>("edited");  // unsaved edits, kept when asked
    for (const char *way : {"打开文件", "command line", "drop", "recent"}) {
        for (int size : {100, 300, -1})
            QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(way).arg(size)))
                << QString(way) << size << false;
        QTest::newRow(qPrintable(QStringLiteral("%1, edits kept").arg(way)))
            << QString(way) << 100 << true;
    }
}

void BenchToolsTest::fileFromAnywhereLoadsAsOpenDoes() {
    QFETCH(QString, way);
    QFETCH(int, size);
    QFETCH(bool, edited);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.bin"));
    if (size >= 0)
        QVERIFY(TestFiles::writeFile(path, pattern(size)));

    // What "打开文件" shows and leaves for the file chosen in its dialog.
    FormRig reference(FormRig::offline());
    FormRig rig(FormRig::offline());
    if (edited)
        QVERIFY(reference->chip().setByte(7, 0x77) && rig->chip().setByte(7, 0x77));
    reference.dialogs.fileNames << path;
    reference.trigger("fopen");
    const QStringList said = reference.dialogs.messageTexts();
    QCOMPARE(said.size(), size == 100 && !edited ? 0 : 1);

    if (way == "command line") {
        const QString current = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const QString given =
            fileArgument({"eeprom-programmer", "--port", "/dev/null", "data.bin"});
        QDir::setCurrent(current);
        rig->files().open(given);
    } else if (way == "drop") {
        QVERIFY(drop(rig, path));
    } else if (way == "recent") {
        rig->recentFiles().setPaths({path});
        rig.trigger("frecent1");
    } else {
        rig.dialogs.fileNames << path;
        rig.trigger("fopen");
    }
    if (way == "recent" && size < 0) {
        QCOMPARE(rig.dialogs.messageTexts().size(), 1);
        QVERIFY(rig.dialogs.messageTexts().first().contains("不存在"));
    } else {
        QCOMPARE(rig.dialogs.messageTexts(), said);
    }
    QCOMPARE(rig->statusText(), reference->statusText());
    QCOMPARE(rig->chip().DataBuffer(), reference->chip().DataBuffer());
}

void BenchToolsTest::filesAreRefusedDuringAnOperation() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.bin"));
    QVERIFY(TestFiles::writeFile(path, pattern(256, 9)));
    FormRig rig;
    rig.box.chip(M24C02) = pattern(256);
    rig->recentFiles().setPaths({path});
    rig.clearFrames();

    bool refused = false;
    whenReplied(rig, 8, [&] {
        refused = !drop(rig, path) && !rig.find<QMenu>("frecent")->menuAction()->isEnabled();
        rig->files().open(path);
        rig.trigger("frecent1");
    });
    rig.click("Command6");
    QVERIFY(refused);
    QCOMPARE(rig.dialogs.messageTexts(), QStringList{Texts::ReadSucceeded()});
    QCOMPARE(rig->chip().DataBuffer(), pattern(256));
    QVERIFY(rig.find<QMenu>("frecent")->menuAction()->isEnabled());
}

void BenchToolsTest::dialogsStartWhereTheLastFileWas() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("in") && QDir(dir.path()).mkdir("out"));
    const QString loaded = dir.filePath(QStringLiteral("in/chip.bin"));
    const QString saved = dir.filePath(QStringLiteral("out/copy.hex"));
    QVERIFY(TestFiles::writeFile(loaded, pattern(256)));
    FormRig rig(FormRig::offline());
    const auto startOf = [&rig](const char *item) {
        rig.trigger(item);
        return rig.dialogs.calls.last().start;
    };

    rig.dialogs.fileNames << loaded;
    rig.trigger("fopen");
    // Saving back is one Enter; the open dialogs start in the folder.
    QCOMPARE(startOf("fsave"), loaded);
    QCOMPARE(startOf("fopen"), dir.filePath("in"));
    QCOMPARE(startOf("fcompare"), dir.filePath("in"));

    rig.dialogs.fileNames << saved;
    rig.trigger("fsave");
    QVERIFY(QFile::exists(saved));
    QCOMPARE(startOf("fsave"), saved);
    QCOMPARE(startOf("fopen"), dir.filePath("out"));
}

QTEST_MAIN(BenchToolsTest)
#include "tst_bench_tools.moc"
