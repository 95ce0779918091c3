// Production programming end to end: eeprom-cli against box-emulators on
// pseudo-terminals, with its journal in an SQLite file or on a real
// PostgreSQL server of the test's own. Numbers in their place, refusals
// before any box, sites that fail alone, a lost box that comes back, two
// programs on one job, and a program killed in the middle of a chip.
#include <signal.h>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "chips/checksums.h"
#include "production/serial_format.h"
#include "support/cli_process.h"
#include "support/postgres_cluster.h"
#include "support/test_files.h"

namespace {

using CliProcess::Run;

QByteArray numbered(QByteArray image, int at, const QByteArray &field) {
    image.replace(at, field.size(), field);
    return image;
}

QString crcOf(const QByteArray &image) {
    return QStringLiteral("%1").arg(Checksums::of(image).crc32, 8, 16, QLatin1Char('0')).toUpper();
}

QByteArray le4(qint64 number) {
    return SerialFormat::encode(number, SerialFormat::Kind::LittleEndian, 4);
}

// The journal's records of `job`, as its JSON export gives them.
QJsonArray records(const QString &journal, const QString &job) {
    const Run run =
        CliProcess::run({"journal", "export", "--json", "--journal", journal, "--job", job});
    return QJsonDocument::fromJson(run.out.toUtf8()).array();
}

QList<qint64> serialsOf(const QJsonArray &records) {
    QList<qint64> serials;
    for (const QJsonValue &record : records)
        serials << record[QLatin1String("serial")].toInteger();
    std::sort(serials.begin(), serials.end());
    return serials;
}

// The serial number on the line of site `site` of a produce run.
qint64 serialOfSite(const QString &out, int site) {
    const QRegularExpression line(QStringLiteral("站 %1  \\S+  序列号 (\\d+)").arg(site));
    const QRegularExpressionMatch match = line.match(out);
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

// Reads a running tool's output as it comes.
struct Watched {
    QProcess tool;
    QString out;
    QString err;
    bool saw(const QString &text, bool onStdout = false) {
        out += QString::fromUtf8(tool.readAllStandardOutput());
        err += QString::fromUtf8(tool.readAllStandardError());
        return (onStdout ? out : err).contains(text);
    }
};

}  // namespace

class ProductionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void numberedWrite();
    void refusedBeforeAnyBox_data();
    void refusedBeforeAnyBox();
    void sitesAreIsolated_data();
    void sitesAreIsolated();
    void lostBoxRejoins();
    void lastNumberEndsTheRun();
    void endsAfterTheCurrentChips_data();
    void endsAfterTheCurrentChips();
    void twoProgramsShareOneJob_data();
    void twoProgramsShareOneJob();
    void killedMidChip();

private:
    QString journal(const char *name) const { return files_.filePath(QLatin1String(name)); }

    QTemporaryDir files_;
    QString image_;
    const QByteArray imageBytes_ = TestFiles::pattern(256);
    std::unique_ptr<PostgresCluster> postgres_;
};

void ProductionTest::initTestCase() {
    QVERIFY(files_.isValid());
    image_ = files_.filePath("image.bin");
    QVERIFY(TestFiles::writeFile(image_, imageBytes_));
    QVERIFY(TestFiles::writeFile(files_.filePath("other.bin"), TestFiles::pattern(256, 3)));
}

void ProductionTest::numberedWrite() {
    PtyBox box;
    QVERIFY(box.started);
    const QStringList write = {
        "write", "-m", "24C02", "--port", box.path(), "--journal", journal("write.sqlite"), image_};
    const QStringList serial = {"--serial-at",     "0x10", "--serial-size", "6",
                                "--serial-format", "dec",  "--job",         "J"};
    Run run = CliProcess::run(write + serial + QStringList{"--serial-start", "41"});
    QCOMPARE(run.code, 0);
    QVERIFY2(run.err.contains(QStringLiteral("新作业 J：第一个序列号为 41")), qPrintable(run.err));
    // The job continues from the journal; a start given again changes nothing.
    run = CliProcess::run(write + QStringList{"--job", "J"});
    QCOMPARE(run.code, 0);
    QVERIFY2(run.err.contains(QStringLiteral("下一个序列号为 42")), qPrintable(run.err));
    run = CliProcess::run(write + serial + QStringList{"--serial-start", "1"});
    QCOMPARE(run.code, 0);
    QVERIFY2(run.err.contains(QStringLiteral("--serial-start 只用于新作业")), qPrintable(run.err));
    QVERIFY2(run.err.contains(QStringLiteral("序列号 43")), qPrintable(run.err));

    const QJsonArray written = records(journal("write.sqlite"), "J");
    QCOMPARE(serialsOf(written), (QList<qint64>{41, 42, 43}));
    const QByteArray expected = numbered(imageBytes_, 0x10, "000043");
    QCOMPARE(written.last()[QLatin1String("outcome")].toString(), QStringLiteral("done"));
    QCOMPARE(written.last()[QLatin1String("written")].toString(),
             QStringLiteral("0010: 30 30 30 30 34 33"));
    QCOMPARE(written.last()[QLatin1String("chip_crc32")].toString(), crcOf(expected));

    // Without --journal, the journal lives in the user's data folder.
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", files_.filePath("data"));
    tool.setProcessEnvironment(environment);
    CliProcess::start(tool, {"write", "-m", "24C02", "--port", box.path(), image_, "--job", "D",
                             "--serial-at", "0"});
    QCOMPARE(CliProcess::finish(tool).code, 0);
    QCOMPARE(serialsOf(records(files_.filePath("data/eeprom-programmer/journal.sqlite"), "D")),
             QList<qint64>{1});

    // A job at its last number says so, and the box hears nothing more.
    const QStringList last = {"--job",          "K", "--serial-at",  "0",
                              "--serial-start", "7", "--serial-end", "8"};
    QCOMPARE(CliProcess::run(write + last).code, 0);
    QCOMPARE(CliProcess::run(write + last).code, 0);
    const int frames = box.frames();
    run = CliProcess::run(write + last);
    QCOMPARE(run.code, 2);
    QVERIFY2(run.err.contains(QStringLiteral("作业 K 的序列号已经用完（最后一个为 8）")),
             qPrintable(run.err));
    QCOMPARE(box.frames(), frames);
    QCOMPARE(box.chip("24C02"), numbered(imageBytes_, 0, le4(8)));
}

void ProductionTest::refusedBeforeAnyBox_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("says");
    const QStringList write = {"write", "-m", "24C02", "image.bin"};
    const QStringList produce = {"produce", "-m", "24C02", "image.bin", "--no-wait"};
    QTest::newRow("overlapping fields")
        << write + QStringList{"--serial-at", "0", "--serial-at", "2", "--serial-size", "4"}
        << "与字段 0000H～0003H 重叠";
    QTest::newRow("field past the chip")
        << produce + QStringList{"--serial-at", "0xFE", "--serial-size", "4"}
        << "00FEH～0101H 超出了芯片 24C02 的容量（256 字节）";
    QTest::newRow("number too large")
        << write + QStringList{"--serial-at",     "0",   "--serial-size",  "2",
                               "--serial-format", "dec", "--serial-start", "100"}
        << "序列号 100 放不进 2 字节的 dec 格式字段（最大为 99）";
    QTest::newRow("unknown format")
        << produce + QStringList{"--serial-at", "0", "--serial-format", "bin"}
        << "未知的序列号格式：bin";
    QTest::newRow("sizes not one per field")
        << write + QStringList{"--serial-at",   "0", "--serial-at",   "8", "--serial-size", "1",
                               "--serial-size", "2", "--serial-size", "3"}
        << "--serial-size 要么只给一次";
    QTest::newRow("bad address") << write + QStringList{"--serial-at", "0xZZ"}
                                 << "--serial-at 需要一个不小于 0 的数";
    QTest::newRow("new job without a place")
        << write + QStringList{"--job", "fresh", "--serial-start", "5"} << "需要用 --serial-at";
    QTest::newRow("job of another model")
        << QStringList{"write", "-m", "24C04", "image.bin", "--job", "existing"}
        << "作业 existing 已经存在，但它的芯片型号不同（记录中为 24C02，现在为 24C04）";
    QTest::newRow("job of another image")
        << QStringList{"produce", "-m", "24C02", "other.bin", "--job", "existing"}
        << "映像文件 CRC-32不同";
    QTest::newRow("job with other numbers")
        << write + QStringList{"--job", "existing", "--serial-at", "0x20"} << "序列号设置不同";
    QTest::newRow("bad journal") << write +
                                        QStringList{"--job", "J", "--journal", "postgresql://x@/"}
                                 << "无法识别的生产记录位置";
    QTest::newRow("no rounds") << produce + QStringList{"--count", "0"} << "--count 需要一个正整数";
    QTest::newRow("numbers for a read")
        << QStringList{"read", "-m", "24C02", "out.bin", "--serial-at", "0"}
        << "--serial-at 只用于 write 和 produce";
    QTest::newRow("listing an unknown job")
        << QStringList{"journal", "show", "--job", "nope"} << "生产记录中没有作业 nope";
}

void ProductionTest::refusedBeforeAnyBox() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, says);
    QDir::setCurrent(files_.path());
    PtyBox box;
    QVERIFY(box.started);
    const QStringList where = {"--port", box.path(), "--journal", journal("refusals.sqlite")};
    if (!QFile::exists(journal("refusals.sqlite")))
        QCOMPARE(CliProcess::run(QStringList{"write", "-m", "24C02", "image.bin", "--job",
                                             "existing", "--serial-at", "0"} +
                                 where)
                     .code,
                 0);
    const int frames = box.frames();
    const Run run = CliProcess::run(where + arguments);
    QCOMPARE(run.code, 2);
    QVERIFY2(run.err.contains(says), qPrintable(run.err));
    QCOMPARE(box.frames(), frames);
}

void ProductionTest::sitesAreIsolated_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("says");
    QTest::addColumn<QString>("recorded");
    QTest::addColumn<int>("code");
    QTest::newRow("refused at block 5") << "wrongcode:cmd=D8:block=5"
                                        << "编程器拒绝"
                                        << "refused" << 4;
    QTest::newRow("silent in the verify") << "noreply:cmd=F8:block=5"
                                          << "编程器无应答"
                                          << "no-answer" << 4;
    QTest::newRow("pulled at block 5") << "pull:cmd=D8:block=5"
                                       << "编程器无应答"
                                       << "no-answer" << 4;
    QTest::newRow("block 5 not taken") << "nowrite:cmd=D8:block=5"
                                       << "校验不一致（0028H）"
                                       << "mismatch" << 1;
}

void ProductionTest::sitesAreIsolated() {
    QFETCH(QString, fault);
    QFETCH(QString, says);
    QFETCH(QString, recorded);
    QFETCH(int, code);
    PtyBox first, faulty({"--fault", fault}), third;
    QVERIFY(first.started && faulty.started && third.started);
    const QString file = journal("isolated.sqlite");
    QFile::remove(file);
    const Run run = CliProcess::run(
        {"produce", "-m",          "24C02",       image_,       "--port",         first.path(),
         "--port",  faulty.path(), "--port",      third.path(), "--journal",      file,
         "--job",   "iso",         "--serial-at", "0x20",       "--serial-start", "500",
         "--count", "1",           "--no-wait"});
    QCOMPARE(run.code, code);
    QVERIFY2(run.out.contains(QStringLiteral("站 2  ") + faulty.path()) &&
                 run.out.contains(QStringLiteral("  ") + says + QStringLiteral("  ")),
             qPrintable(run.out));
    QVERIFY2(run.out.contains(QStringLiteral("合计：2 片通过，1 片失败")), qPrintable(run.out));
    // The other two boxes hold the image with their own numbers, as recorded.
    const QJsonArray written = records(file, "iso");
    QCOMPARE(serialsOf(written), (QList<qint64>{500, 501, 502}));
    for (const auto &[site, box] : {std::pair<int, PtyBox *>{1, &first}, {3, &third}}) {
        const qint64 serial = serialOfSite(run.out, site);
        const QByteArray expected = numbered(imageBytes_, 0x20, le4(serial));
        QCOMPARE(box->chip("24C02"), expected);
        for (const QJsonValue &record : written)
            if (record[QLatin1String("serial")].toInteger() == serial)
                QCOMPARE(record[QLatin1String("chip_crc32")].toString(), crcOf(expected));
    }
    for (const QJsonValue &record : written)
        QCOMPARE(record[QLatin1String("outcome")].toString(),
                 record[QLatin1String("site")].toString() == faulty.path()
                     ? recorded
                     : QStringLiteral("done"));
}

void ProductionTest::lostBoxRejoins() {
    PtyBox steady, lost({"--fault", "pull:cmd=D8:block=5"});
    QVERIFY(steady.started && lost.started);
    Watched run;
    CliProcess::start(
        run.tool, {"produce", "-m", "24C02", image_, "--port", steady.path(), "--port", lost.path(),
                   "--journal", journal("rejoin.sqlite"), "--count", "3"});
    // Enter starts round n; the line of site 2 then says `second`.
    const auto round = [&run](int n, const QString &second) {
        QTRY_VERIFY_WITH_TIMEOUT(run.saw(QStringLiteral("按回车开始第 %1 轮").arg(n)), 30000);
        run.tool.write("\n");
        const QString site2 = QStringLiteral("第 %1 轮  站 2").arg(n);
        const auto line = [&run, &site2] {
            return run.out.mid(run.out.indexOf(site2)).section(QLatin1Char('\n'), 0, 0);
        };
        QTRY_VERIFY2_WITH_TIMEOUT(run.saw(site2, true) && line().endsWith(QStringLiteral("秒")),
                                  qPrintable(run.out + run.err), 30000);
        QVERIFY2(line().contains(second), qPrintable(line()));
    };
    round(1, QStringLiteral("编程器无应答"));
    if (QTest::currentTestFailed())
        return;
    // The box is gone: the site sits the round out without taking a number.
    round(2, QStringLiteral("序列号 -  编程器不在线"));
    QVERIFY(lost.start());
    if (QTest::currentTestFailed())
        return;
    round(3, QStringLiteral("通过"));
    QTRY_VERIFY_WITH_TIMEOUT(run.tool.state() == QProcess::NotRunning, 30000);
    run.saw(QString());
    QCOMPARE(run.tool.exitCode(), 4);
    QVERIFY2(run.out.contains(QStringLiteral("合计：4 片通过，1 片失败")), qPrintable(run.out));
}

void ProductionTest::lastNumberEndsTheRun() {
    PtyBox boxes[3];
    QStringList arguments = {
        "produce",       "-m",  "24C02",        image_, "--journal",      journal("end.sqlite"),
        "--job",         "end", "--serial-at",  "0",    "--serial-start", "10",
        "--serial-step", "5",   "--serial-end", "25",   "--no-wait"};
    for (const PtyBox &box : boxes)
        arguments << "--port" << box.path();
    // Four numbers for three boxes: a second round takes the last one, two
    // sites find none, and no third round starts.
    Run run = CliProcess::run(arguments);
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out.count(QStringLiteral("  通过  ")), 4);
    QCOMPARE(run.out.count(QStringLiteral("第 2 轮")), 3);
    QCOMPARE(run.out.count(QStringLiteral("序列号 -  序列号已用完")), 2);
    QVERIFY2(!run.out.contains(QStringLiteral("第 3 轮")), qPrintable(run.out));
    QVERIFY2(run.err.contains(QStringLiteral("作业 end 的序列号已经用完（最后一个为 25）")),
             qPrintable(run.err));
    QCOMPARE(serialsOf(records(journal("end.sqlite"), "end")), (QList<qint64>{10, 15, 20, 25}));
    // The next run is refused before any box.
    QCOMPARE(CliProcess::run(arguments).code, 2);
    // Numbers that end with a round end the run with it.
    arguments.replace(arguments.indexOf("end"), "even");
    run = CliProcess::run(arguments + QStringList{"--serial-end", "20"});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out.count(QStringLiteral("  通过  ")), 3);
    QVERIFY2(!run.out.contains(QStringLiteral("第 2 轮")), qPrintable(run.out));
}

void ProductionTest::endsAfterTheCurrentChips_data() {
    QTest::addColumn<bool>("typed");
    QTest::newRow("q typed") << true;
    QTest::newRow("Ctrl+C") << false;
}

void ProductionTest::endsAfterTheCurrentChips() {
    QFETCH(bool, typed);
    PtyBox first({"--fault", "delay:cmd=D8:block=10:ms=200"}), second;
    QVERIFY(first.started && second.started);
    const QString file = journal(typed ? "q.sqlite" : "ctrl-c.sqlite");
    QProcess tool;
    CliProcess::start(tool, {"produce", "-m", "24C02", image_, "--port", first.path(), "--port",
                             second.path(), "--journal", file, "--no-wait"});
    // While block 10 of the first chip is on its way (after the probe, the
    // model, the open and the select).
    QTRY_VERIFY_WITH_TIMEOUT(first.frames() >= 4 + 11, 20000);
    if (typed)
        tool.write("q\n");
    else
        ::kill(pid_t(tool.processId()), SIGINT);
    const Run run = CliProcess::finish(tool);
    QCOMPARE(run.code, 0);
    QVERIFY2(run.out.contains(QStringLiteral("片通过，0 片失败")), qPrintable(run.out));
    // Every chip begun was finished and recorded.
    const QJsonArray written = records(file, "image.bin");
    QVERIFY(written.size() >= 2);
    for (const QJsonValue &record : written)
        QCOMPARE(record[QLatin1String("outcome")].toString(), QStringLiteral("done"));
}

void ProductionTest::twoProgramsShareOneJob_data() {
    QTest::addColumn<bool>("postgres");
    QTest::newRow("SQLite file") << false;
    QTest::newRow("PostgreSQL server") << true;
}

void ProductionTest::twoProgramsShareOneJob() {
    QFETCH(bool, postgres);
    QString where = journal("shared.sqlite");
    if (postgres) {
        postgres_ = std::make_unique<PostgresCluster>();
        QVERIFY2(postgres_->start(), qPrintable(postgres_->errorText()));
        where = postgres_->url();
    }
    PtyBox boxes[4];
    std::unique_ptr<QProcess> programs[2];
    for (int p = 0; p < 2; ++p) {
        QVERIFY(boxes[2 * p].started && boxes[2 * p + 1].started);
        programs[p] = std::make_unique<QProcess>();
        CliProcess::start(*programs[p], {"produce",        "-m",
                                         "24C02",          image_,
                                         "--port",         boxes[2 * p].path(),
                                         "--port",         boxes[2 * p + 1].path(),
                                         "--journal",      where,
                                         "--job",          "shared",
                                         "--serial-at",    "0",
                                         "--serial-start", "1000",
                                         "--count",        "5",
                                         "--no-wait",      "-q"});
    }
    for (auto &program : programs) {
        const Run run = CliProcess::finish(*program);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out.count(QStringLiteral("  通过  ")), 10);
    }
    // Twenty chips, twenty numbers: none twice, none lost.
    QList<qint64> expected;
    for (qint64 n = 1000; n < 1020; ++n)
        expected << n;
    QCOMPARE(serialsOf(records(where, "shared")), expected);
    postgres_.reset();
}

void ProductionTest::killedMidChip() {
    // The box kills the program when the frame of block 5 comes.
    PtyBox box({"--fault", "kill:cmd=D8:block=5:times=1"});
    QVERIFY(box.started);
    const QString job = QStringLiteral("line \"A\", 2026");
    const QStringList produce = {
        "produce",        "-m",       "24C02",       image_,
        "--port",         box.path(), "--journal",   journal("killed.sqlite"),
        "--job",          job,        "--serial-at", "0",
        "--serial-start", "77",       "--count",     "1",
        "--no-wait"};
    QCOMPARE(CliProcess::run(produce).code, -1);
    const Run next = CliProcess::run(produce);
    QCOMPARE(next.code, 0);
    QVERIFY2(next.out.contains(QStringLiteral("序列号 78  通过")), qPrintable(next.out));

    const QJsonArray written = records(journal("killed.sqlite"), job);
    QCOMPARE(written.size(), 2);
    QCOMPARE(written[0][QLatin1String("serial")].toInteger(), 77);
    QCOMPARE(written[0][QLatin1String("outcome")].toString(), QStringLiteral("unknown"));
    QVERIFY(written[0][QLatin1String("ended")].isNull());
    QCOMPARE(written[1][QLatin1String("outcome")].toString(), QStringLiteral("done"));
    QCOMPARE(box.chip("24C02"), numbered(imageBytes_, 0, le4(78)));

    // The spreadsheet's view: a byte-order mark, one header row, quoted fields.
    QProcess csv;
    CliProcess::start(csv, {"journal", "export", "--journal", journal("killed.sqlite")});
    QVERIFY(csv.waitForFinished(30000));
    const QByteArray bytes = csv.readAllStandardOutput();
    QVERIFY2(bytes.startsWith("\xEF\xBB\xBF"), bytes.left(16).toHex().constData());
    const QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 4);  // header, two records, and the end of the last line
    QVERIFY2(lines[0].startsWith(QStringLiteral("记录号,作业,型号,")), qPrintable(lines[0]));
    QVERIFY2(lines[1].contains(QStringLiteral(",\"line \"\"A\"\", 2026\",24C02,")),
             qPrintable(lines[1]));
    QVERIFY2(lines[1].contains(QStringLiteral(",0000: 4D 00 00 00,")) &&
                 lines[1].contains(QStringLiteral(",未知,")),
             qPrintable(lines[1]));
}

QTEST_GUILESS_MAIN(ProductionTest)
#include "tst_production.moc"
