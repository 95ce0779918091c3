// eeprom-cli, the real executable, against box-emulator on a pseudo-terminal:
// every command, every exit code, a fault in the middle of each operation and
// Ctrl+C.
#include <signal.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "box/box_core.h"
#include "files/image_formats.h"
#include "link/port_numbering.h"
#include "link/qt_serial_port.h"
#include "support/cli_process.h"
#include "support/test_files.h"

namespace {

using CliProcess::finish;
using CliProcess::Run;
using CliProcess::start;
using Box = PtyBox;

Run cli(const QStringList &arguments) {
    return CliProcess::run(arguments);
}

const QString NotBlank = QStringLiteral("芯片不空");

}  // namespace

class CliTest : public QObject {
    Q_OBJECT

private slots:
    void usage_data();
    void usage();
    void listings();
    void detect();
    void roundTrips_data();
    void roundTrips();
    void verifyNamesTheFirstDifference();
    void blankCheck_data();
    void blankCheck();
    void faultInTheMiddle_data();
    void faultInTheMiddle();
    void badFileNeverReachesTheBox_data();
    void badFileNeverReachesTheBox();
    void onePortOneUser();
    void interruptStopsAfterTheBlock_data();
    void interruptStopsAfterTheBlock();

private:
    QTemporaryDir files_;
};

void CliTest::usage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("says");  // on stdout for 0, on stderr otherwise
    QTest::newRow("help") << QStringList{"--help"} << 0 << "退出码";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "eeprom-cli 3.0";
    QTest::newRow("no command") << QStringList{} << 2 << "请给出命令";
    QTest::newRow("unknown command") << QStringList{"burn"} << 2 << "未知的命令：burn";
    QTest::newRow("no model") << QStringList{"erase"} << 2 << "-m";
    QTest::newRow("unknown model") << QStringList{"erase", "-m", "24C03"} << 2 << "24C03";
    QTest::newRow("no file") << QStringList{"read", "-m", "24C02"} << 2 << "文件";
    QTest::newRow("extra") << QStringList{"erase", "-m", "24C02", "x"} << 2 << "多余";
    QTest::newRow("format") << QStringList{"read", "-m", "24C02", "--format", "elf", "f"} << 2
                            << "elf";
    QTest::newRow("option") << QStringList{"--frobnicate"} << 2 << "frobnicate";
}

void CliTest::usage() {
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, says);
    const Run run = cli(arguments);
    QCOMPARE(run.code, code);
    QVERIFY2((code == 0 ? run.out : run.err).contains(says), qPrintable(run.out + run.err));
}

void CliTest::listings() {
    const QStringList models = cli({"models"}).out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(models.size(), 14);
    QCOMPARE(models.first(), QStringLiteral("24C02\t256 字节"));
    QVERIFY(models.contains(QStringLiteral("24C512\t65536 字节")));
    QCOMPARE(models.last(), QStringLiteral("93C86\t2048 字节"));

    // The devices named first, then the machine's own, numbered from 1.
    const QStringList ports =
        cli({"ports", "--port", "/tmp/a", "--port", "/tmp/b"}).out.split('\n', Qt::SkipEmptyParts);
    QVERIFY(ports.size() >= 2);
    QCOMPARE(ports.mid(0, 2), (QStringList{"1\t/tmp/a", "2\t/tmp/b"}));
}

void CliTest::detect() {
    Box box;
    QVERIFY(box.started);
    const QString missing = files_.filePath("ttyNONE");
    Run run = cli({"detect", "--port", missing, "--port", box.path()});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out.trimmed(), QStringLiteral("编程器在端口 2：") + box.path());

    run = cli({"detect", "--port", missing});
    QCOMPARE(run.code, 3);
    QVERIFY(run.err.contains(QStringLiteral("没有找到编程器")));
}

void CliTest::roundTrips_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("format");
    QTest::newRow("bin") << "image.bin" << QStringList{};
    QTest::newRow("hex") << "image.hex" << QStringList{};
    QTest::newRow("srec") << "image.s19" << QStringList{};
    QTest::newRow("hex by option") << "image.dat" << QStringList{"--format", "hex"};
}

void CliTest::roundTrips() {
    QFETCH(QString, name);
    QFETCH(QStringList, format);
    const QString file = files_.filePath(name);
    QFile::remove(file);
    const QByteArray image = TestFiles::pattern(8192, 5);
    const ImageFormats::Format kind =
        format.isEmpty() ? ImageFormats::formatForName(name) : ImageFormats::Format::IntelHex;

    // Read: the chip into the file.
    {
        Box box({}, BoxCore::demoPattern(5));
        QVERIFY(box.started);
        const Run run =
            cli(QStringList{"read", "-m", "24C64", "--port", box.path(), file} + format);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, QString());
        const ImageFormats::LoadResult saved = ImageFormats::load(file, 8192, kind);
        QCOMPARE(saved.status, ImageFormats::LoadStatus::Loaded);
        QCOMPARE(saved.buffer, BoxCore::demoPattern(5));
    }
    // Write, verified, and verify alone: the file into a blank chip.
    QVERIFY(ImageFormats::save(file, image, kind));
    Box box;
    QVERIFY(box.started);
    Run run = cli(QStringList{"write", "-m", "24C64", "--port", box.path(), "-q", file} + format);
    QCOMPARE(run.code, 0);
    QCOMPARE(run.err, QString());  // quiet
    run = cli(QStringList{"verify", "-m", "24C64", "--port", box.path(), file} + format);
    QCOMPARE(run.code, 0);
    QVERIFY(run.err.contains(QStringLiteral("恭喜您！数据校验成功！！")));
    // Erase, and the chip is blank.
    run = cli({"erase", "-m", "24C64", "--port", box.path()});
    QCOMPARE(run.code, 0);
    QCOMPARE(box.chip("24C64"), QByteArray(8192, '\xFF'));
}

void CliTest::verifyNamesTheFirstDifference() {
    Box box;
    QVERIFY(box.started);
    const QString file = files_.filePath("diff.bin");
    QByteArray image(256, '\xFF');
    image[0x42] = '\x12';
    image[0x80] = '\x34';
    QVERIFY(TestFiles::writeFile(file, image));
    const Run run = cli({"verify", "-m", "24C02", "--port", box.path(), file});
    QCOMPARE(run.code, 1);
    QVERIFY2(run.err.contains(QStringLiteral(
                 "校验芯片失败！数据位置为: 0042H    电脑数据为：  12H   芯片数据为：  FFH")),
             qPrintable(run.err));
}

void CliTest::blankCheck_data() {
    QTest::addColumn<int>("position");  // of a byte that is not FFH, or -1
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("says");
    QTest::newRow("blank") << -1 << 0 << QStringLiteral("恭喜您！芯片为空（全部为 FFH）！！");
    QTest::newRow("last block") << 8191 << 1
                                << QStringLiteral(
                                       "芯片不为空！数据位置为: 1FFFH   芯片数据为：  00H");
}

void CliTest::blankCheck() {
    QFETCH(int, position);
    QFETCH(int, code);
    QFETCH(QString, says);
    QByteArray chip(8192, '\xFF');
    if (position >= 0)
        chip[position] = '\0';
    Box box({}, chip);
    QVERIFY(box.started);
    const Run run = cli({"blank", "-m", "24C64", "--port", box.path()});
    QCOMPARE(run.code, code);
    QVERIFY2(run.err.contains(says), qPrintable(run.err));
}

void CliTest::faultInTheMiddle_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("says");
    QTest::addColumn<QString>("never");
    const QString hint = QStringLiteral("操作未成功，可能有以下原因：");
    const QString five = QStringLiteral("完成 5/32 块（40 字节）");
    const QString partial = QStringLiteral("芯片中现在是不完整的映像：只有前 40 字节确定已写入");
    const QStringList read = {"read", "-m", "24C02", "out.bin"};
    const QStringList write = {"write", "-m", "24C02", "in.bin"};
    const QStringList erase = {"erase", "-m", "24C02"};
    const QStringList blank = {"blank", "-m", "24C64"};
    QTest::newRow("read refused at block 5")
        << read << "wrongcode:cmd=F8:block=5" << 4 << QStringList{"读芯片失败", five} << "";
    QTest::newRow("read, box gone at block 5")
        << read << "noreply:cmd=F8:block=5" << 4 << QStringList{hint, five, "没有写出文件"} << "";
    QTest::newRow("read, box silent after 7 frames")
        << read << "stopafter:n=7" << 4 << QStringList{hint, "完成 3/32 块"} << "";
    QTest::newRow("read, box pulled at block 5")
        << read << "pull:cmd=F8:block=5" << 4 << QStringList{hint, five} << "";
    QTest::newRow("write refused at block 5") << write << "wrongcode:cmd=D8:block=5" << 4
                                              << QStringList{"写芯片失败", five, partial} << "";
    QTest::newRow("write, box gone at block 5")
        << write << "noreply:cmd=D8:block=5" << 4 << QStringList{hint, five, partial} << "";
    QTest::newRow("write, box pulled at block 5")
        << write << "pull:cmd=D8:block=5" << 4 << QStringList{hint, five, partial} << "";
    // The whole image is in; only its verify was cut short.
    QTest::newRow("write, box gone in its verify")
        << write << "noreply:cmd=F8:block=5" << 4 << QStringList{hint, five} << "不完整";
    QTest::newRow("write refused at its open")
        << write << "wrongcode:cmd=DC" << 4 << QStringList{hint, "完成 0/32 块", "芯片没有改动"}
        << "不完整";
    QTest::newRow("verify, box gone at block 5")
        << QStringList{"verify", "-m", "24C02", "in.bin"} << "noreply:cmd=F8:block=5" << 4
        << QStringList{hint, five} << "";
    QTest::newRow("erase refused at block 5")
        << erase << "wrongcode:cmd=D8:block=5" << 4
        << QStringList{hint, five, "芯片只擦除了一部分：只有前 40 字节确定已擦除"} << "";
    QTest::newRow("erase, box pulled at block 5")
        << erase << "pull:cmd=D8:block=5" << 4 << QStringList{hint, five, "只擦除了一部分"} << "";
    QTest::newRow("blank check refused at block 5")
        << blank << "wrongcode:cmd=F8:block=5" << 4 << QStringList{"读芯片失败", "完成 5/1024 块"}
        << "";
    QTest::newRow("blank check, box gone at block 5")
        << blank << "noreply:cmd=F8:block=5" << 4 << QStringList{hint, "完成 5/1024 块"} << "";
}

void CliTest::faultInTheMiddle() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, fault);
    QFETCH(int, code);
    QFETCH(QStringList, says);
    QFETCH(QString, never);
    QDir::setCurrent(files_.path());
    QFile::remove("out.bin");
    QVERIFY(TestFiles::writeFile("in.bin", TestFiles::pattern(256)));
    // The 24C02 holds the file, the 24C64 is blank.
    Box box({"--fault", fault}, {}, TestFiles::pattern(256));
    QVERIFY(box.started);
    const Run run = cli(arguments + QStringList{"--port", box.path()});
    QCOMPARE(run.code, code);
    for (const QString &text : says)
        QVERIFY2(run.err.contains(text), qPrintable(run.err));
    QVERIFY2(never.isEmpty() || !run.err.contains(never), qPrintable(run.err));
    // A failed read leaves no file behind, not even a part of one.
    QVERIFY(!QFile::exists("out.bin"));
}

void CliTest::badFileNeverReachesTheBox_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("says");
    QTest::newRow("too large") << "big.bin" << QByteArray(257, 'x') << "大于芯片 24C02 的容量";
    QTest::newRow("bad record") << "bad.hex"
                                << QByteArray(
                                       ":10000000000102030405060708090A0B0C0D0E0F00\n:00000001FF\n")
                                << "第 1 行";
    QTest::newRow("missing") << "none.bin" << QByteArray() << "none.bin";
}

void CliTest::badFileNeverReachesTheBox() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, says);
    const QString file = files_.filePath(name);
    QFile::remove(file);
    if (!content.isEmpty())
        QVERIFY(TestFiles::writeFile(file, content));
    Box box;
    QVERIFY(box.started);
    for (const char *command : {"write", "verify"}) {
        const Run run = cli({command, "-m", "24C02", "--port", box.path(), file});
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.contains(says), qPrintable(run.err));
        // The command line has no buffer: it says what became of the chip.
        QVERIFY2(!run.err.contains(QStringLiteral("缓冲区")), qPrintable(run.err));
        QVERIFY2(run.err.contains(QStringLiteral("芯片没有改动")), qPrintable(run.err));
    }
    // Not a frame went out: the file is checked before the box is looked for.
    QCOMPARE(box.frames(), 0);
}

void CliTest::onePortOneUser() {
    // Every block a tenth of a second late: the read holds the port for seconds.
    Box box({"--fault", "delay:cmd=F8:ms=100"});
    QVERIFY(box.started);
    QtSerialPort window(PortNumbering({box.path()}, QString()));
    window.setPortNumber(1);

    // The window program holds the port: the command line says so.
    QVERIFY(window.open());
    const Run refused = cli({"detect", "--port", box.path()});
    QCOMPARE(refused.code, 3);
    QVERIFY2(refused.err.contains(QStringLiteral("串口 ") + box.path() +
                                  QStringLiteral(" 正被其他程序使用")),
             qPrintable(refused.err));
    window.close();

    // The command line holds it while it reads: the window's port is refused.
    QProcess tool;
    start(tool, {"read", "-m", "24C02", "--port", box.path(), files_.filePath("held.bin")});
    QTRY_VERIFY_WITH_TIMEOUT(box.frames() >= 4 + 11, 20000);
    QVERIFY(!window.open());
    QCOMPARE(window.openFailure(), SerialPort::OpenFailure::Busy);
    QCOMPARE(finish(tool).code, 0);
    QVERIFY(window.open());
}

void CliTest::interruptStopsAfterTheBlock_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("says");
    QTest::newRow("read") << "read"
                          << "delay:cmd=F8:block=100:ms=400"
                          << "没有写出文件";
    QTest::newRow("write") << "write"
                           << "delay:cmd=D8:block=100:ms=400"
                           << "前 808 字节";
}

void CliTest::interruptStopsAfterTheBlock() {
    QFETCH(QString, command);
    QFETCH(QString, fault);
    QFETCH(QString, says);
    const QString file = files_.filePath("ctrl-c.bin");
    QFile::remove(file);
    if (command == "write")
        QVERIFY(TestFiles::writeFile(file, TestFiles::pattern(8192)));
    Box box({"--fault", fault});
    QVERIFY(box.started);
    QProcess tool;
    start(tool, {command, "-m", "24C64", "--port", box.path(), file});
    // Ctrl+C while block 100 is on its way (after the search's test frame,
    // the open and the chip selects).
    QTRY_VERIFY_WITH_TIMEOUT(box.frames() >= 4 + 101, 20000);
    ::kill(pid_t(tool.processId()), SIGINT);
    const Run run = finish(tool);
    QCOMPARE(run.code, 130);
    QVERIFY2(run.err.contains(QStringLiteral("已中断：完成 101/1024 块")), qPrintable(run.err));
    QVERIFY2(run.err.contains(says), qPrintable(run.err));
    // Nothing went out after block 100.
    QCOMPARE(box.frames(), 4 + 101);
    if (command == "read")
        QVERIFY(!QFile::exists(file));
}

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
