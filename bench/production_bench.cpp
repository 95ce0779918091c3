// programmer-bench's production figures: a 24C64 round (write and verify,
// with a serial number) on four wire-timed boxes at once against one box
// alone, and the CPU the program spends on each box meanwhile.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "bench_table.h"
#include "chips/checksums.h"
#include "production/journal.h"
#include "production/production_run.h"
#include "support/emulator_process.h"
#include "support/test_files.h"

namespace {

constexpr int Model24C64 = 5;
constexpr int Boxes = 4;

[[noreturn]] void fail(const QString &why) {
    std::fprintf(stderr, "programmer-bench: %s\n", qPrintable(why));
    std::exit(1);
}

// Waits in the event loop for `signal` of `sender`.
template <class Signal>
void await(ProductionRun &run, Signal signal) {
    QEventLoop loop;
    QObject::connect(&run, signal, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Round {
    double seconds = 0;
    double cpuSeconds = 0;
};

// One round on the first `boxes` devices; every chip must pass.
Round timedRound(const SiteSetup &setup, const QStringList &devices) {
    ProductionRun run(setup, devices);
    run.findBoxes();
    await(run, &ProductionRun::boxesFound);
    int passed = 0;
    QObject::connect(&run, &ProductionRun::siteDone, [&passed](Site *, const ChipResult &result) {
        passed += result.passed() ? 1 : 0;
    });
    const double cpuBefore = EmulatorProcess::ownCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    run.startRound();
    await(run, &ProductionRun::roundDone);
    Round measured{clock.nsecsElapsed() / 1e9, EmulatorProcess::ownCpuSeconds() - cpuBefore};
    if (passed != devices.size())
        fail(QStringLiteral("%1 of %2 chips passed").arg(passed).arg(devices.size()));
    return measured;
}

}  // namespace

QStringList startWireBoxes(std::vector<std::unique_ptr<EmulatorProcess>> &boxes, int count) {
    QStringList devices;
    for (int k = 0; k < count; ++k) {
        boxes.push_back(std::make_unique<EmulatorProcess>());
        if (!boxes.back()->start(
                {QStringLiteral("--wire"), QStringLiteral("--write-cycle"), QStringLiteral("5")}))
            fail(boxes.back()->errorText());
        devices << boxes.back()->devicePath();
    }
    return devices;
}

QList<Row> productionRows(int runs) {
    std::vector<std::unique_ptr<EmulatorProcess>> boxes;
    const QStringList devices = startWireBoxes(boxes, Boxes);
    QTemporaryDir folder;
    SiteSetup setup;
    setup.model = Model24C64;
    setup.image = TestFiles::pattern(8192);
    setup.journal.driver = QStringLiteral("QSQLITE");
    setup.journal.database = folder.filePath(QStringLiteral("journal.sqlite"));
    ProductionJob wanted;
    wanted.name = QStringLiteral("bench");
    wanted.model = QStringLiteral("24C64");
    wanted.image = QStringLiteral("pattern");
    wanted.imageCrc = Checksums::of(setup.image).crc32;
    wanted.serial.fields << SerialField{0x10, 4, SerialFormat::Kind::LittleEndian};
    {
        Journal journal(setup.journal, QStringLiteral("bench"));
        bool made = false;
        if (!journal.open() || !journal.openJob(wanted, setup.job, made))
            fail(journal.errorText());
    }

    std::vector<double> ratio, cpu, alone, four;
    for (int run = 0; run < runs; ++run) {
        const Round one = timedRound(setup, devices.mid(0, 1));
        const Round all = timedRound(setup, devices);
        alone.push_back(one.seconds);
        four.push_back(all.seconds);
        ratio.push_back(all.seconds / one.seconds);
        cpu.push_back(all.cpuSeconds / all.seconds / Boxes * 100);
    }
    const double r = median(ratio), c = median(cpu);
    return {
        Row{QStringLiteral("production: 24C64 round (write, verify, serial), one box alone, s"),
            number(median(alone), 2), QString(), true},
        Row{QStringLiteral("production: the same round on four boxes at once, s"),
            number(median(four), 2), QString(), true},
        Row{QStringLiteral("production: four boxes / one box"), number(r, 3),
            QStringLiteral("≤ 1.10"), r <= 1.10},
        Row{QStringLiteral("production: CPU of the program per box, share of wall time"),
            number(c, 2) + QLatin1Char('%'), QStringLiteral("< 2%"), c < 2},
    };
}
