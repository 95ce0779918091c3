// 生产模式 through the real window, offscreen, against box-emulators on
// pseudo-terminals and a journal in an SQLite file.
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/command_line.h"
#include "messages/production_window_texts.h"
#include "production/job_file.h"
#include "production/journal.h"
#include "production/production_desk.h"
#include "support/cli_process.h"
#include "support/form_rig.h"
#include "support/test_files.h"
#include "windows/production_job_form.h"
#include "windows/production_window.h"
#include "windows/site_tile.h"

namespace {

using State = ProductionDesk::SiteView::State;
constexpr int RoundMs = 60000;

// The main window, its production window on `boxes`, and a job file.
struct Bench {
    explicit Bench(std::vector<std::unique_ptr<PtyBox>> &boxes, const QString &folder)
        : rig(FormRig::patient()), folder(folder) {
        for (const auto &box : boxes)
            ports << box->path();
        rig->setProductionPorts([this] { return ports; });
        image = folder + QStringLiteral("/image.bin");
        TestFiles::writeFile(image, TestFiles::pattern(256));
        job.name = QStringLiteral("W");
        job.model = 0;  // 24C02
        job.image = image;
        job.serial.fields = {SerialField{0x10, 4, SerialFormat::Kind::LittleEndian}};
        job.serial.start = 100;
        job.journal = folder + QStringLiteral("/journal.sqlite");
        jobFile = folder + QStringLiteral("/job.json");
        QString error;
        job.save(jobFile, error);
        rig->openProduction(jobFile);
        window = rig->productionWindow();
        // Boxes are looked for when a test says so, never by a clock.
        window->desk().setSearchInterval(0);
    }

    bool round() {
        QSignalSpy done(window, &ProductionWindow::roundDone);
        QTest::keyClick(window, Qt::Key_Space);
        return done.wait(RoundMs);
    }
    bool search() {
        QSignalSpy shown(window, &ProductionWindow::sitesShown);
        window->desk().lookForBoxes();
        return shown.wait(RoundMs);
    }
    QList<State> states() const {
        QList<State> states;
        for (const SiteTile *tile : window->tiles())
            states << tile->state();
        return states;
    }
    QList<JournalRecord> records() {
        int passed = 0, failed = 0, unknown = 0;
        return window->desk().records(100, passed, failed, unknown);
    }

    FormRig rig;
    QString folder;
    QStringList ports;
    QString image;
    JobFile job;
    QString jobFile;
    ProductionWindow *window = nullptr;
};

std::vector<std::unique_ptr<PtyBox>> boxes(const QStringList &faults) {
    std::vector<std::unique_ptr<PtyBox>> made;
    for (const QString &fault : faults)
        made.push_back(std::make_unique<PtyBox>(
            fault.isEmpty() ? QStringList() : QStringList{QStringLiteral("--fault"), fault}));
    return made;
}

}  // namespace

class ProductionWindowTest : public QObject {
    Q_OBJECT

private slots:
    void aRoundInEveryBox_data();
    void aRoundInEveryBox();
    void aPulledBoxLeavesAndComesBack();
    void aStoppedRound();
    void jobFiles();

private:
    QTemporaryDir files_;
};

void ProductionWindowTest::aRoundInEveryBox_data() {
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QList<State>>("states");
    QTest::addColumn<QString>("reason");
    const QList<State> allPass(4, State::Passed);
    QTest::newRow("four boxes pass") << QStringList(4, QString()) << allPass << QString();
    QTest::newRow("box 2 refuses at block 5")
        << QStringList{QString(), "wrongcode:cmd=D8:block=5", QString(), QString()}
        << QList<State>{State::Passed, State::Failed, State::Passed, State::Passed}
        << QStringLiteral("编程器拒绝");
    QTest::newRow("box 3 does not keep block 5")
        << QStringList{QString(), QString(), "nowrite:cmd=D8:block=5", QString()}
        << QList<State>{State::Passed, State::Passed, State::Failed, State::Passed}
        << QStringLiteral("校验不一致（0028H）");
}

void ProductionWindowTest::aRoundInEveryBox() {
    QFETCH(QStringList, faults);
    QFETCH(QList<State>, states);
    QFETCH(QString, reason);
    auto made = boxes(faults);
    QTemporaryDir folder;
    Bench bench(made, folder.path());
    QVERIFY(bench.window && bench.window->isVisible());
    // The main window's box is lent: its chip operations wait.
    QVERIFY(!bench.rig.operationsEnabled());

    QVERIFY(bench.round());
    QCOMPARE(bench.states(), states);
    QList<qint64> serials;
    for (const JournalRecord &record : bench.records())
        serials << record.serial;
    std::sort(serials.begin(), serials.end());
    QCOMPARE(serials, (QList<qint64>{100, 101, 102, 103}));
    for (SiteTile *tile : bench.window->tiles())
        if (tile->state() == State::Failed)
            QVERIFY2(tile->stateText().contains(reason), qPrintable(tile->stateText()));
    const int passed = int(states.count(State::Passed));
    QVERIFY2(bench.window->findChild<QLabel *>("totals")->text().contains(
                 QStringLiteral("%1 片通过，%2 片失败").arg(passed).arg(4 - passed)),
             qPrintable(bench.window->findChild<QLabel *>("totals")->text()));

    // A second round numbers on from the journal.
    QVERIFY(bench.round());
    QCOMPARE(bench.records().size(), 8);
    QCOMPARE(bench.records().first().serial, 107);

    // Closing gives the box back to the main window.
    QVERIFY(bench.window->close());
    QTRY_VERIFY_WITH_TIMEOUT(bench.rig.operationsEnabled(), 10000);
}

void ProductionWindowTest::aPulledBoxLeavesAndComesBack() {
    auto made = boxes({QString(), "pull:cmd=D8:block=5"});
    QTemporaryDir folder;
    Bench bench(made, folder.path());
    QVERIFY(bench.round());
    QCOMPARE(bench.states(), (QList<State>{State::Passed, State::Lost}));
    // Gone at the next look; back once it answers again.
    QVERIFY(bench.search());
    QCOMPARE(bench.states(), QList<State>{State::Passed});
    QVERIFY(made[1]->start());
    QVERIFY(bench.search());
    QCOMPARE(bench.states(), (QList<State>{State::Passed, State::Waiting}));
    QVERIFY(bench.round());
    QCOMPARE(bench.states(), (QList<State>{State::Passed, State::Passed}));
}

void ProductionWindowTest::aStoppedRound() {
    auto made = boxes({"delay:cmd=D8:block=10:ms=300", "delay:cmd=D8:block=10:ms=300"});
    QTemporaryDir folder;
    Bench bench(made, folder.path());
    // Stopped by the round itself, once a box is under way.
    bool stopped = false;
    QObject::connect(&bench.window->desk(), &ProductionDesk::siteChanged, bench.window, [&] {
        if (!stopped && bench.window->desk().busy() && !bench.window->desk().searching()) {
            stopped = true;
            QTest::keyClick(bench.window, Qt::Key_Escape);
        }
    });
    QVERIFY(bench.round());
    QVERIFY(stopped);
    QCOMPARE(bench.states(), (QList<State>{State::Failed, State::Failed}));
    for (const JournalRecord &record : bench.records())
        QCOMPARE(record.outcome, RecordOutcome::Stopped);
}

void ProductionWindowTest::jobFiles() {
    auto made = boxes({QString()});
    QTemporaryDir folder;
    Bench bench(made, folder.path());
    // What the window saves opens as it was, CRC-32 of the image included.
    const QString saved = folder.filePath("saved.json");
    QVERIFY(bench.window->saveJob(saved));
    JobFile reopened;
    QString error;
    QVERIFY2(reopened.load(saved, error), qPrintable(error));
    QCOMPARE(reopened.name, bench.job.name);
    QCOMPARE(reopened.serial.fields, bench.job.serial.fields);
    QCOMPARE(reopened.serial.start, 100);
    QVERIFY(reopened.crcGiven);
    QVERIFY(bench.window->openJob(saved));

    // The image changed since: said before anything runs; No runs nothing.
    TestFiles::writeFile(bench.image, TestFiles::pattern(256, 7));
    bench.rig.dialogs.answers = {Dialogs::Answer::No};
    bench.window->start();
    QVERIFY(bench.rig.dialogs.messageTexts().join('\n').contains(
        QStringLiteral("在保存作业后已被修改")));
    QVERIFY(bench.records().isEmpty());
    bench.rig.dialogs.answers = {Dialogs::Answer::Yes};
    QVERIFY(bench.round());
    QCOMPARE(bench.states(), QList<State>{State::Passed});

    // Files that are no job are refused, saying why.
    for (const QByteArray &bad :
         {QByteArray("not json"), QByteArray(R"({"model": "24C99", "image": "x.bin"})"),
          QByteArray(R"({"model": "24C02", "image": "x.bin", "serial": {"at": -1}})")}) {
        TestFiles::writeFile(folder.filePath("bad.json"), bad);
        QVERIFY(!reopened.load(folder.filePath("bad.json"), error));
        QVERIFY(error.startsWith(QStringLiteral("无法打开作业文件")));
    }
    QCOMPARE(jobArgument({"eeprom-programmer", "--job", saved}), saved);
}

QTEST_MAIN(ProductionWindowTest)
#include "tst_production_window.moc"
