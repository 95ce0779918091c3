// The real QSerialPort backend against box-emulator on a pseudo-terminal:
// finding the box, a read, the cable pulled while the program waits, why a
// device cannot be opened, and the low-latency request.
#include <fcntl.h>
#include <pty.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "box/box_core.h"
#include "chips/chip_buffer.h"
#include "link/port_numbering.h"
#include "link/port_search.h"
#include "link/programmer_link.h"
#include "link/qt_serial_port.h"
#include "messages/texts.h"
#include "operations/chip_operations.h"
#include "operations/operation_scope.h"
#include "support/emulator_process.h"
#include "support/form_rig.h"
#include "support/scripted_dialogs.h"
#include "windows/form1.h"
#include "windows/form2.h"

namespace {

// The program as the user starts it in online use, with the devices given on
// its command line and an empty device folder, so that the machine's own
// serial ports stay out of the test.
class PtyProgram {
public:
    explicit PtyProgram(const QStringList &devices) {
        startup.lianjibiaozhi = true;
        form = std::make_unique<Form1>(dialogs,
                                       new QtSerialPort(PortNumbering(devices, noDevices.path())));
        form->setStartupWindow(&startup);
        QElapsedTimer clock;
        clock.start();
        form->Form_Load();
        loadMs = clock.elapsed();
        // The test decides when the online check runs.
        form->Timer3->stop();
        form->show();
    }

    bool isOnline() const {
        return form->findChild<QLineEdit *>("Text1")->text() == Texts::Online();
    }
    void read() const { form->findChild<QAbstractButton *>("Command6")->click(); }

    QTemporaryDir noDevices;
    ScriptedDialogs dialogs;
    Form2 startup;
    std::unique_ptr<Form1> form;
    qint64 loadMs = 0;
};

// Starts box-emulator and returns the path the program is to use: a link in
// `dir`. A killed emulator's link goes with it, so the path cannot lead to
// a pseudo-terminal that someone else opened meanwhile.
QString startBox(EmulatorProcess &emulator, const QTemporaryDir &dir, const QString &name,
                 const QStringList &arguments = {}) {
    const QString link = dir.filePath(name);
    return emulator.start(QStringList{"--link", link} + arguments) ? link : QString();
}

// Collects the warnings Qt prints about using a device that is not open.
class NotOpenWarnings {
public:
    NotOpenWarnings() {
        seen().clear();
        previous_ = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &text) {
                if (text.contains(QLatin1String("not open")))
                    seen() << text;
                else if (previousHandler())
                    previousHandler()(type, context, text);
            });
        previousHandler() = previous_;
    }
    ~NotOpenWarnings() { qInstallMessageHandler(previous_); }
    static QStringList &seen() {
        static QStringList warnings;
        return warnings;
    }

private:
    static QtMessageHandler &previousHandler() {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
    QtMessageHandler previous_ = nullptr;
};

// A pseudo-terminal, its device there while the test holds the master.
struct Pty {
    Pty() {
        char name[256] = {};
        int slave = -1;
        openpty(&master, &slave, name, nullptr, nullptr);
        ::close(slave);
        device = QString::fromLocal8Bit(name);
    }
    ~Pty() { ::close(master); }
    int master = -1;
    QString device;
};

std::unique_ptr<QtSerialPort> portOn(const QString &device, const QTemporaryDir &noDevices) {
    auto port = std::make_unique<QtSerialPort>(PortNumbering({device}, noDevices.path()));
    port->setPortNumber(1);
    return port;
}

// Runs `check` in a child process as "nobody" when the test runs as root.
bool asUnprivilegedUser(const std::function<bool()> &check) {
    if (geteuid() != 0)
        return check();
    const pid_t child = fork();
    if (child == 0)
        _exit(setgid(65534) == 0 && setuid(65534) == 0 && check() ? 0 : 1);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

class SerialEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void findsTheBoxPastDevicesThatCannotBeOpenedAndReads();
    void lineSettingsOnTheDevice();
    void cablePulledDuringAWait_data();
    void cablePulledDuringAWait();
    void searchPassesOverABadDevice_data();
    void searchPassesOverABadDevice();
    void openingTellsWhyAndAsksForLowLatency_data();
    void openingTellsWhyAndAsksForLowLatency();
};

void SerialEndToEndTest::findsTheBoxPastDevicesThatCannotBeOpenedAndReads() {
    QTemporaryDir dir;
    EmulatorProcess emulator;
    const QString box = startBox(emulator, dir, "ttyBOX", {"--pattern"});
    QVERIFY2(!box.isEmpty(), qPrintable(emulator.errorText()));
    // A device that is not there and a file that is not a serial port.
    const QString plainFile = dir.filePath("notes.txt");
    QFile file(plainFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    PtyProgram program({dir.filePath("ttyUSB9"), plainFile, box});
    QVERIFY(program.isOnline());
    QCOMPARE(program.form->search().PortNumber, 3);
    // Neither costs time: far less than one reply time-out.
    QVERIFY2(program.loadMs < 900, qPrintable(QString::number(program.loadMs)));
    QCOMPARE(QFileInfo(plainFile).size(), 0);

    program.read();
    QCOMPARE(program.dialogs.messageTexts(), QStringList{Texts::ReadSucceeded()});
    QCOMPARE(program.form->chip().DataBuffer(), BoxCore::demoPattern(0).left(256));
    QVERIFY(program.isOnline());
}

void SerialEndToEndTest::lineSettingsOnTheDevice() {
    int master = -1, slave = -1;
    char name[256] = {};
    QCOMPARE(openpty(&master, &slave, name, nullptr, nullptr), 0);
    ::close(slave);
    QTemporaryDir noDevices;
    QtSerialPort port(PortNumbering({QString::fromLocal8Bit(name)}, noDevices.path()));
    port.setPortNumber(1);
    QVERIFY(port.applySettings());
    QVERIFY(port.open());

    // What the terminal itself holds: 57600 baud, 8 data bits, no parity,
    // one stop bit, no flow control of either kind.
    const int probe = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    QVERIFY(probe >= 0);
    termios settings{};
    QCOMPARE(tcgetattr(probe, &settings), 0);
    ::close(probe);
    port.close();
    ::close(master);
    QCOMPARE(cfgetospeed(&settings), speed_t(B57600));
    QCOMPARE(cfgetispeed(&settings), speed_t(B57600));
    QCOMPARE(settings.c_cflag & CSIZE, tcflag_t(CS8));
    QCOMPARE(settings.c_cflag & (PARENB | CSTOPB | CRTSCTS), tcflag_t(0));
    QCOMPARE(settings.c_iflag & (IXON | IXOFF | IXANY), tcflag_t(0));
}

void SerialEndToEndTest::cablePulledDuringAWait_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("replyBytes");  // of block 5, before the cable goes
    QTest::newRow("no reply yet") << "delay:cmd=F8:block=5:ms=3000" << 0;
    QTest::newRow("reply started") << "short:cmd=F8:block=5" << 9;
}

void SerialEndToEndTest::cablePulledDuringAWait() {
    QFETCH(QString, fault);
    QFETCH(int, replyBytes);
    QTemporaryDir dir;
    EmulatorProcess emulator;
    const QString box = startBox(emulator, dir, "ttyBOX", {"--fault", fault});
    QVERIFY2(!box.isEmpty(), qPrintable(emulator.errorText()));
    NotOpenWarnings warnings;
    PtyProgram program({box});
    QVERIFY(program.isOnline());
    ProgrammerLink &link = program.form->link();
    QSignalSpy lineErrors(&link, &ProgrammerLink::lineError);

    // Pull the cable while the read waits on block 5.
    QElapsedTimer clock;
    clock.start();
    qint64 killedAt = -1, failedAt = -1;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (program.form->operations().BlockIndex == 5 && link.busy() &&
            link.port().bytesWaiting() >= replyBytes) {
            watch.stop();
            killedAt = clock.elapsed();
            emulator.kill();
        }
    });
    watch.start(5);
    program.dialogs.onCall = [&](const ScriptedDialogs::Call &) { failedAt = clock.elapsed(); };
    program.read();

    // The read gives up at its reply time-out, not after the receive wait
    // of a started reply.
    QVERIFY(killedAt >= 0);
    QVERIFY2(failedAt - killedAt < 1500, qPrintable(QString::number(failedAt - killedAt)));
    QCOMPARE(program.dialogs.messageTexts(), QStringList{Texts::FailureHint()});
    QVERIFY(!link.port().isOpen());
    QVERIFY(!program.isOnline());

    // One notification, then silence: no error flood, no busy processor.
    const double before = EmulatorProcess::ownCpuSeconds();
    FormRig::pause(1000);
    const double spent = EmulatorProcess::ownCpuSeconds() - before;
    QVERIFY2(spent < 0.2, qPrintable(QString("%1 s of CPU in 1 s").arg(spent)));
    QCOMPARE(lineErrors.count(), 1);

    // The next online check finds no device there: offline, without a word.
    program.dialogs.clear();
    clock.restart();
    program.form->supervision().check();
    QVERIFY2(clock.elapsed() < 450, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!program.isOnline());
    QVERIFY(program.dialogs.calls.isEmpty());
    // A dead port is never read.
    QCOMPARE(NotOpenWarnings::seen(), QStringList());
}

void SerialEndToEndTest::searchPassesOverABadDevice_data() {
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<bool>("vanishes");
    QTest::newRow("answers garbage") << QStringList{"--fault", "garbage:cmd=FE:n=25"} << false;
    QTest::newRow("answers late") << QStringList{"--fault", "delay:cmd=FE:ms=700"} << false;
    QTest::newRow("vanishes mid-search") << QStringList{"--fault", "delay:cmd=FE:ms=3000"} << true;
}

void SerialEndToEndTest::searchPassesOverABadDevice() {
    QFETCH(QStringList, faults);
    QFETCH(bool, vanishes);
    QTemporaryDir dir;
    EmulatorProcess bad, good;
    const QString badBox = startBox(bad, dir, "ttyBAD", faults);
    const QString goodBox = startBox(good, dir, "ttyGOOD");
    QVERIFY2(!badBox.isEmpty() && !goodBox.isEmpty(),
             qPrintable(bad.errorText() + good.errorText()));
    QObject scope;
    if (vanishes)
        QTimer::singleShot(150, &scope, [&] { bad.kill(); });

    const double before = EmulatorProcess::ownCpuSeconds();
    PtyProgram program({badBox, goodBox});
    const double spent = EmulatorProcess::ownCpuSeconds() - before;
    QCOMPARE(bad.isRunning(), !vanishes);
    QVERIFY(program.isOnline());
    QCOMPARE(program.form->search().PortNumber, 2);
    QVERIFY2(program.loadMs < 2000, qPrintable(QString::number(program.loadMs)));
    QVERIFY2(spent < 0.25, qPrintable(QString("%1 s of CPU").arg(spent)));
    QVERIFY(program.dialogs.calls.isEmpty());

    // Nothing the bad device sent lingers on the good one.
    program.form->link().setCommand(0xFE);
    QVERIFY(program.form->link().sendandread());
    QCOMPARE(program.form->link().replyCode(), quint8(0xFD));
}

void SerialEndToEndTest::openingTellsWhyAndAsksForLowLatency_data() {
    QTest::addColumn<QString>("device");
    QTest::addColumn<SerialPort::OpenFailure>("failure");
    QTest::addColumn<bool>("lowLatency");  // what the driver answers
    using F = SerialPort::OpenFailure;
    QTest::newRow("not there") << "missing" << F::Missing << true;
    QTest::newRow("not a serial port") << "plain file" << F::Unusable << true;
    QTest::newRow("not the account's") << "denied" << F::Denied << true;
    QTest::newRow("held by another program") << "held" << F::Busy << true;
    QTest::newRow("free, low latency granted") << "free" << F::None << true;
    // As a pseudo-terminal's driver does.
    QTest::newRow("free, low latency refused") << "free" << F::None << false;
}

void SerialEndToEndTest::openingTellsWhyAndAsksForLowLatency() {
    QFETCH(QString, device);
    QFETCH(SerialPort::OpenFailure, failure);
    QFETCH(bool, lowLatency);
    QTemporaryDir dir;
    Pty pty;
    QString path = pty.device;
    std::unique_ptr<QtSerialPort> otherProgram;
    if (device == "missing" || device == "plain file")
        path = dir.filePath("ttyUSB9");
    if (device == "plain file")
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));
    if (device == "denied")
        QCOMPARE(chmod(QFile::encodeName(path).constData(), 0), 0);
    if (device == "held")
        QVERIFY((otherProgram = portOn(path, dir))->open());

    const auto tryOpen = [&] {
        const auto port = portOn(path, dir);
        QList<dev_t> askedOf;  // the devices the request was made on
        port->setLowLatencyRequest([&](int descriptor) {
            struct stat info {};
            askedOf << (fstat(descriptor, &info) == 0 ? info.st_rdev : dev_t(0));
            return lowLatency;
        });
        struct stat info {};
        stat(QFile::encodeName(path).constData(), &info);
        const bool opened = port->open();
        return opened == (failure == SerialPort::OpenFailure::None) &&
               port->openFailure() == failure && port->deviceName() == path &&
               askedOf == (opened ? QList<dev_t>{info.st_rdev} : QList<dev_t>{});
    };
    // Root may open any device: the account without the right is "nobody".
    QVERIFY(device == "denied" ? asUnprivilegedUser(tryOpen) : tryOpen());
    // The real request on a pseudo-terminal: refused, quietly.
    QVERIFY(!QtSerialPort::requestLowLatency(pty.master));
}

QTEST_MAIN(SerialEndToEndTest)
#include "tst_serial_e2e.moc"
