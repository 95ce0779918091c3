// programmer-bench's figure for the production window: a 24C64 round on
// four wire-timed boxes against one box alone, with the window shown and
// painting its tiles as the boxes report.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <memory>

#include "bench_table.h"
#include "production/job_file.h"
#include "production/production_desk.h"
#include "production/silent_dialogs.h"
#include "support/emulator_process.h"
#include "support/test_files.h"
#include "windows/production_window.h"

namespace {

constexpr int Model24C64 = 5;
constexpr int Boxes = 4;

double windowRound(const QString &jobFile, const QStringList &devices) {
    SilentDialogs dialogs;
    ProductionWindow window(dialogs, [devices] { return devices; });
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.desk().setSearchInterval(0);
    window.openJob(jobFile);
    window.show();
    QEventLoop loop;
    QObject::connect(&window, &ProductionWindow::roundDone, &loop, &QEventLoop::quit);
    // The first round settles the job and finds the boxes; the second is timed.
    window.start();
    loop.exec();
    QElapsedTimer clock;
    clock.start();
    window.start();
    loop.exec();
    return clock.nsecsElapsed() / 1e9;
}

}  // namespace

QList<Row> productionWindowRows(int runs) {
    std::vector<std::unique_ptr<EmulatorProcess>> boxes;
    const QStringList devices = startWireBoxes(boxes, Boxes);
    QTemporaryDir folder;
    JobFile job;
    job.name = QStringLiteral("window-bench");
    job.model = Model24C64;
    job.image = folder.filePath(QStringLiteral("image.bin"));
    TestFiles::writeFile(job.image, TestFiles::pattern(8192));
    job.serial.fields = {SerialField{0x10, 4, SerialFormat::Kind::LittleEndian}};
    job.journal = folder.filePath(QStringLiteral("journal.sqlite"));
    const QString jobFile = folder.filePath(QStringLiteral("job.json"));
    QString error;
    job.save(jobFile, error);

    std::vector<double> ratio;
    for (int run = 0; run < runs; ++run)
        ratio.push_back(windowRound(jobFile, devices) / windowRound(jobFile, devices.mid(0, 1)));
    const double r = median(ratio);
    return {Row{QStringLiteral("production window: four boxes / one box, tiles painted"),
                number(r, 3), QStringLiteral("≤ 1.10"), r <= 1.10}};
}
