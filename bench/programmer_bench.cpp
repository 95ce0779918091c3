// programmer-bench: how close the program comes to the limits of its link.
// Drives the real main window (dialogs answering "Yes") against the virtual box
// and prints one table of medians.
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSysInfo>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

#include "bench_table.h"
#include "box/box_core.h"
#include "box/memory_port.h"
#include "chips/checksums.h"
#include "chips/chip_buffer.h"
#include "chips/model_selection.h"
#include "hexview/chip_strip.h"
#include "hexview/hex_view.h"
#include "link/port_numbering.h"
#include "link/port_search.h"
#include "link/programmer_link.h"
#include "link/qt_serial_port.h"
#include "messages/texts.h"
#include "startup_bench.h"
#include "support/emulator_process.h"
#include "support/scripted_dialogs.h"
#include "windows/form1.h"
#include "windows/form2.h"

namespace {

using Bench::fail;
using Bench::monotonicNanos;

constexpr int Model24C64 = 5;
constexpr int Model24C512 = 8;
constexpr double WireExchangeMs = (12 + 10) * 10 * 1000.0 / 57600.0;  // 3.819 ms
constexpr double WriteCycleMs = 5.0;

// Times this process was switched out: each is a sleep and a wake-up.
long contextSwitches() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_nvcsw + usage.ru_nivcsw;
}

// The main window as the user runs it in online use, its dialogs answering
// "Yes" and saying what they were told.
class Driven {
public:
    explicit Driven(SerialPort *port) {
        dialogs.defaultAnswer = Dialogs::Answer::Yes;
        form = std::make_unique<Form1>(dialogs, port);
        form->setStartupWindow(&startup);
        startup.lianjibiaozhi = true;
        form->Form_Load();
        form->show();
        if (form->search().PortFound == false)
            fail(QStringLiteral("the program found no box"));
    }

    // Runs one operation through its button and checks that it succeeded.
    double timed(const char *button, const QString &success) {
        dialogs.clear();
        QElapsedTimer clock;
        clock.start();
        form->findChild<QAbstractButton *>(QLatin1String(button))->click();
        const double seconds = clock.nsecsElapsed() / 1e9;
        const QStringList texts = dialogs.messageTexts();
        if (texts.isEmpty() || texts.last() != success)
            fail(QStringLiteral("%1 did not succeed: %2")
                     .arg(QLatin1String(button), texts.join(QLatin1String(" | "))));
        return seconds;
    }

    ScriptedDialogs dialogs;
    Form2 startup;
    std::unique_ptr<Form1> form;
};

// The virtual box on port 1 of an in-memory bank.
struct InMemoryBox {
    InMemoryBox() { bank.attachBox(1, &box); }
    MemoryPortBank bank;
    BoxCore box;
};

// The least a client can do per exchange on this machine: plain poll, read and
// write on the same pseudo-terminal, 12 bytes out, 10 back.
double referenceExchanges(const QString &device, int exchanges) {
    const int fd = ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY);
    if (fd < 0)
        fail(QStringLiteral("reference client cannot open %1").arg(device));
    termios tio{};
    tcgetattr(fd, &tio);
    cfmakeraw(&tio);
    tcsetattr(fd, TCSANOW, &tio);
    tcflush(fd, TCIOFLUSH);

    unsigned char frame[12] = {0xF8};
    unsigned char reply[16];
    const qint64 start = monotonicNanos();
    for (int n = 0; n < exchanges; ++n) {
        const unsigned address = (n * 8) & 0xFFFF;
        frame[1] = static_cast<unsigned char>(address >> 8);
        frame[2] = static_cast<unsigned char>(address & 0xFF);
        if (::write(fd, frame, sizeof frame) != sizeof frame)
            fail(QStringLiteral("reference client: write failed"));
        int got = 0;
        while (got < 10) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 1000) <= 0)
                fail(QStringLiteral("reference client: no reply"));
            const ssize_t r = ::read(fd, reply + got, sizeof reply - got);
            if (r <= 0)
                fail(QStringLiteral("reference client: read failed"));
            got += int(r);
        }
    }
    const double seconds = (monotonicNanos() - start) / 1e9;
    ::close(fd);
    return seconds;
}

// Seconds that one run of eeprom-cli takes, start to exit.
double commandLine(const QStringList &arguments) {
    QProcess tool;
    tool.setStandardOutputFile(QProcess::nullDevice());
    const qint64 start = monotonicNanos();
    tool.start(QStringLiteral(CLI_PATH), arguments);
    if (!tool.waitForFinished(120000) || tool.exitCode() != 0)
        fail(QStringLiteral("eeprom-cli %1 failed").arg(arguments.join(QLatin1Char(' '))));
    return (monotonicNanos() - start) / 1e9;
}

}  // namespace

int main(int argc, char *argv[]) {
    if (argc == 3 && QByteArray(argv[1]) == "--startup-child")
        return Bench::startupChild(argc, argv, QByteArray(argv[2]).toLongLong());

    QApplication app(argc, argv);
    const int runs =
        qMax(1, qEnvironmentVariableIsSet("BENCH_RUNS") ? qEnvironmentVariableIntValue("BENCH_RUNS")
                                                        : 3);
    // BENCH_ONLY=pty,memory,wire,production,view,startup picks sections (for profiling).
    const QStringList only =
        qEnvironmentVariable("BENCH_ONLY").split(QLatin1Char(','), Qt::SkipEmptyParts);
    const auto wanted = [&only](const char *section) {
        return only.isEmpty() || only.contains(QLatin1String(section));
    };
    QList<Row> rows;
    QTextStream out(stdout);

    // 1. Cost per exchange over a pseudo-terminal, against the reference client.
    if (wanted("pty")) {
        EmulatorProcess emulator;
        if (!emulator.start())
            fail(emulator.errorText());
        Driven program(new QtSerialPort(PortNumbering({emulator.devicePath()})));
        program.form->selection().select(Model24C512);
        const int exchanges = 8194;
        QTemporaryDir output;
        std::vector<double> programUs, referenceUs, cliUs;
        for (int run = 0; run < runs; ++run) {
            programUs.push_back(program.timed("Command6", Texts::ReadSucceeded()) * 1e6 /
                                exchanges);
            program.form->link().closePort();
            referenceUs.push_back(referenceExchanges(emulator.devicePath(), exchanges) * 1e6 /
                                  exchanges);
            // The command line's read, less what a detect costs it (start,
            // search, exit): its chip select and the read's own exchanges.
            const double read = commandLine({"read", "-q", "-m", "24C512", "--port",
                                             emulator.devicePath(), output.filePath("24C512.bin")});
            const double detect = commandLine({"detect", "--port", emulator.devicePath()});
            cliUs.push_back((read - detect) * 1e6 / (exchanges + 1));
            program.form->search().PortNumber = 1;
            program.form->search().testport();
        }
        const double p = median(programUs), r = median(referenceUs), c = median(cliUs);
        rows << Row{QStringLiteral("24C512 read over a pty: program, µs per exchange"),
                    number(p, 1), QString(), true};
        rows << Row{QStringLiteral("24C512 read over a pty: reference client, µs per exchange"),
                    number(r, 1), QString(), true};
        rows << Row{QStringLiteral("24C512 read over a pty: command line, µs per exchange"),
                    number(c, 1), QString(), true};
        rows << Row{QStringLiteral("program / reference"), number(p / r, 3),
                    QStringLiteral("≤ 1.10"), p / r <= 1.10};
        rows << Row{QStringLiteral("command line / reference"), number(c / r, 3), QString(), true};
        rows << Row{QStringLiteral("program's time as a share of the 3.82 ms wire exchange"),
                    number(p / (WireExchangeMs * 1000) * 100, 2) + QLatin1Char('%'), QString(),
                    true};
    }

    // 2. The same read through the in-memory port: the program's own cost.
    if (wanted("memory")) {
        InMemoryBox box;
        Driven program(new MemoryPort(box.bank));
        program.form->selection().select(Model24C512);
        std::vector<double> us;
        for (int run = 0; run < runs; ++run)
            us.push_back(program.timed("Command6", Texts::ReadSucceeded()) * 1e6 / 8194);
        const double m = median(us);
        rows << Row{QStringLiteral("24C512 read, in-memory port: µs per exchange"), number(m, 2),
                    QStringLiteral("≤ 10"), m <= 10};
        rows << Row{QStringLiteral("in-memory cost as a share of the wire exchange"),
                    number(m / (WireExchangeMs * 1000) * 100, 3) + QLatin1Char('%'),
                    QStringLiteral("≤ 0.3%"), m / (WireExchangeMs * 1000) <= 0.003};
    }

    // 3. and 4. Against the wire limit, and the CPU spent waiting.
    if (wanted("wire")) {
        EmulatorProcess emulator;
        if (!emulator.start({QStringLiteral("--wire"), QStringLiteral("--write-cycle"),
                             QString::number(WriteCycleMs)}))
            fail(emulator.errorText());
        Driven program(new QtSerialPort(PortNumbering({emulator.devicePath()})));
        program.form->selection().select(Model24C64);
        const int blocks = 1024;
        const double readMin = (blocks + 2) * WireExchangeMs / 1000;
        const double writeMin =
            (2 * WireExchangeMs + blocks * (WireExchangeMs + WriteCycleMs)) / 1000;
        std::vector<double> read, write, verify, cpu, reference, referenceCpu, switches,
            referenceSwitches;
        for (int run = 0; run < runs; ++run) {
            // The floor that the emulator and the kernel set: the reference
            // client's 1026 reads against the same wire-timed box.
            program.form->link().closePort();
            const double referenceCpuBefore = EmulatorProcess::ownCpuSeconds();
            const long referenceSwitchesBefore = contextSwitches();
            const double referenceSeconds = referenceExchanges(emulator.devicePath(), blocks + 2);
            referenceCpu.push_back((EmulatorProcess::ownCpuSeconds() - referenceCpuBefore) /
                                   referenceSeconds * 100);
            referenceSwitches.push_back(double(contextSwitches() - referenceSwitchesBefore) /
                                        (blocks + 2));
            reference.push_back(referenceSeconds / readMin);
            program.form->search().PortNumber = 1;
            program.form->search().testport();

            const double cpuBefore = EmulatorProcess::ownCpuSeconds();
            const long switchesBefore = contextSwitches();
            const double seconds = program.timed("Command6", Texts::ReadSucceeded());
            cpu.push_back((EmulatorProcess::ownCpuSeconds() - cpuBefore) / seconds * 100);
            switches.push_back(double(contextSwitches() - switchesBefore) / (blocks + 2));
            read.push_back(seconds / readMin);
            write.push_back(program.timed("Command7", Texts::WriteSucceeded()) / writeMin);
            verify.push_back(program.timed("Command8", Texts::VerifySucceeded()) / readMin);
        }
        for (const auto &[name, values] :
             {std::pair<QString, std::vector<double>>{QStringLiteral("read"), read},
              {QStringLiteral("write"), write},
              {QStringLiteral("verify"), verify}}) {
            const double m = median(values);
            rows << Row{QStringLiteral("24C64 %1 at 57600 baud / theoretical minimum").arg(name),
                        number(m, 4), QStringLiteral("≤ 1.02"), m <= 1.02};
        }
        rows << Row{QStringLiteral("24C64 read by the reference client / theoretical minimum"),
                    number(median(reference), 4), QString(), true};
        rows << Row{
            QStringLiteral("CPU of the reference client during its read, share of wall time"),
            number(median(referenceCpu), 2) + QLatin1Char('%'), QString(), true};
        rows << Row{QStringLiteral("context switches per exchange during the 24C64 read: "
                                   "program / reference client"),
                    number(median(switches), 2) + QStringLiteral(" / ") +
                        number(median(referenceSwitches), 2),
                    QString(), true};
        const double c = median(cpu);
        rows << Row{QStringLiteral("CPU during the 24C64 read, share of wall time"),
                    number(c, 2) + QLatin1Char('%'), QStringLiteral("≤ 2%"), c <= 2};
    }

    // Production: every box at once.
    if (wanted("production"))
        rows << productionRows(runs) << productionWindowRows(runs);

    // 5. Hex view: one page redraw, and all 256 pages of a 24C512; a digit
    // typed into the grid until its cell is painted; the buffer's checksums.
    if (wanted("view")) {
        InMemoryBox box;
        Driven program(new MemoryPort(box.bank));
        program.form->selection().select(Model24C512);
        HexView *view = program.form->hexView();
        std::vector<double> page, scroll, typed, sums, strip;
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer clock;
            clock.start();
            const int redraws = 200;
            for (int i = 0; i < redraws; ++i) {
                view->DrawPage();
                view->repaint();
            }
            page.push_back(clock.nsecsElapsed() / 1e6 / redraws);
            clock.restart();
            for (int p = 0; p <= view->scrPage()->maximum(); ++p) {
                view->scrPage()->setValue(p);
                view->repaint();
            }
            scroll.push_back(clock.nsecsElapsed() / 1e6);
            view->scrPage()->setValue(0);

            // Each digit goes in as the user's key press; the window then
            // paints what it changed (the cell, its character, the marks,
            // the checksums) as it does on its next update.
            QTableView *grid = view->lstHex();
            grid->setFocus();
            grid->selectionModel()->setCurrentIndex(grid->model()->index(0, 0),
                                                    QItemSelectionModel::ClearAndSelect);
            QCoreApplication::sendPostedEvents();
            const int digits = 400;
            clock.restart();
            for (int i = 0; i < digits; ++i) {
                const auto key = Qt::Key(Qt::Key_0 + (i + run) % 10);
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString::number(i % 10));
                QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
                QApplication::sendEvent(grid, &press);
                QApplication::sendEvent(grid, &release);
                QCoreApplication::sendPostedEvents();
            }
            typed.push_back(clock.nsecsElapsed() / 1e6 / digits);

            const QByteArray &buffer = program.form->chip().DataBuffer();
            const int times = 200;
            volatile quint32 kept = 0;  // the sums are used, so they are made
            clock.restart();
            for (int i = 0; i < times; ++i)
                kept = kept + Checksums::of(buffer).crc32;
            sums.push_back(clock.nsecsElapsed() / 1e6 / times);

            // The whole-chip strip worked out afresh and painted, over a
            // buffer of every kind of run: data, 00H, FFH, changed bytes.
            QByteArray mixed = buffer;
            mixed.replace(0x4000, 0x4000, QByteArray(0x4000, '\0'));
            mixed.replace(0x8000, 0x8000, QByteArray(0x8000, '\xFF'));
            program.form->chip().replace(mixed);
            for (qint32 at = 0x9000; at < 0x10000; at += 0x1000)
                program.form->chip().setByte(at, 0x5A);
            ChipStrip *bar = view->strip();
            clock.restart();
            for (int i = 0; i < times; ++i) {
                bar->refresh();
                bar->repaint();
            }
            strip.push_back(clock.nsecsElapsed() / 1e6 / times);
        }
        const double m = median(page);
        rows << Row{QStringLiteral("hex view: one page redrawn and painted, with the ASCII column, "
                                   "ms"),
                    number(m, 3), QStringLiteral("≤ 1"), m <= 1};
        rows << Row{QStringLiteral("hex view: scroll through 256 pages of a 24C512, ms"),
                    number(median(scroll), 1), QString(), true};
        const double t = median(typed);
        rows << Row{QStringLiteral("hex view: a typed digit to its repainted cell, ms"),
                    number(t, 3), QStringLiteral("≤ 2"), t <= 2};
        const double c = median(sums);
        rows << Row{QStringLiteral("checksums (8-bit, 16-bit sum, CRC-32) of 64 KiB, ms"),
                    number(c, 3), QStringLiteral("≤ 1"), c <= 1};
        const double s = median(strip);
        rows << Row{QStringLiteral("whole-chip strip of a 24C512 worked out and painted, ms"),
                    number(s, 3), QStringLiteral("≤ 1"), s <= 1};
    }

    // 6. Start-up, offline use, from process start to the main window shown:
    // with no settings, and with the settings of a run before (a 24C512, a
    // folder, a position, eight recent files). Turn about, so that the
    // machine's moods fall on both alike.
    if (wanted("startup")) {
        QTemporaryDir empty, kept;
        Bench::writeSettings(kept.path());
        std::vector<double> without, with;
        for (int run = 0; run < runs; ++run) {
            without.push_back(Bench::startupMs(empty.path()));
            with.push_back(Bench::startupMs(kept.path()));
        }
        const double m = median(without);
        const double k = median(with);
        rows << Row{QStringLiteral("start-up to the main window, offline use, ms"), number(m, 0),
                    QStringLiteral("≤ 500"), m <= 500};
        rows << Row{QStringLiteral("start-up with the settings of a run before, ms"), number(k, 0),
                    QStringLiteral("≤ 500"), k <= 500};
        rows << Row{QStringLiteral("start-up with settings / without"), number(k / m, 3),
                    QStringLiteral("≤ 1.10"), k / m <= 1.10};
    }

    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    QString cpu;
    if (cpuinfo.open(QIODevice::ReadOnly))
        for (const QByteArray &line : cpuinfo.readAll().split('\n'))
            if (line.startsWith("model name")) {
                cpu = QString::fromLatin1(line.mid(line.indexOf(':') + 2));
                break;
            }
    out << "Machine: " << cpu << ", " << sysconf(_SC_NPROCESSORS_ONLN) << " cores, "
        << QSysInfo::prettyProductName() << ", kernel " << QSysInfo::kernelVersion() << ", Qt "
        << qVersion() << ", platform " << QGuiApplication::platformName() << "\n";
    out << "Medians of " << runs << " runs.\n\n";
    out << "| Figure | Measured | Target | |\n|---|---|---|---|\n";
    bool allMet = true;
    for (const Row &row : rows) {
        out << "| " << row.figure << " | " << row.value << " | " << row.target << " | "
            << (row.target.isEmpty() ? QString()
                : row.met            ? QStringLiteral("met")
                                     : QStringLiteral("MISSED"))
            << " |\n";
        allMet = allMet && row.met;
    }
    return allMet ? 0 : 2;
}
