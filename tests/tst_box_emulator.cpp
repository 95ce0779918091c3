#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QtTest>

#include "box/box_core.h"
#include "box/emulator_options.h"
#include "support/box_frames.h"
#include "support/emulator_process.h"
#include "support/test_files.h"

namespace {

using BoxFrames::frame;
using BoxFrames::reply;

const QByteArray Eight = QByteArray::fromHex("1122334455667788");

// The test's end of the line, with plain POSIX calls so the emulator is
// judged independently of the program's serial backend.
class PtyClient {
public:
    explicit PtyClient(const QString &path) {
        fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios settings;
        if (fd_ >= 0 && tcgetattr(fd_, &settings) == 0) {
            cfmakeraw(&settings);
            tcsetattr(fd_, TCSANOW, &settings);
        }
    }
    ~PtyClient() { close(); }
    bool isOpen() const { return fd_ >= 0; }
    void close() {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }
    bool send(const QByteArray &bytes) {
        return ::write(fd_, bytes.constData(), size_t(bytes.size())) == bytes.size();
    }
    // Bytes until `count` came or `timeoutMs` passed.
    QByteArray receive(int count = BoxCore::ReplySize, int timeoutMs = 2000) {
        QByteArray bytes;
        QElapsedTimer clock;
        clock.start();
        while (bytes.size() < count && clock.elapsed() < timeoutMs) {
            pollfd watch{fd_, POLLIN, 0};
            if (poll(&watch, 1, int(timeoutMs - clock.elapsed())) <= 0)
                continue;
            if (!(watch.revents & POLLIN))
                break;  // hung up
            char buffer[64];
            const ssize_t got =
                ::read(fd_, buffer, size_t(qMin<qsizetype>(64, count - bytes.size())));
            if (got <= 0)
                break;
            bytes.append(buffer, int(got));
        }
        return bytes;
    }
    QByteArray exchange(const QByteArray &bytes, int timeoutMs = 2000) {
        return send(bytes) ? receive(BoxCore::ReplySize, timeoutMs) : QByteArray("send failed");
    }
    short pollEvents(int timeoutMs) {
        pollfd watch{fd_, POLLIN, 0};
        return poll(&watch, 1, timeoutMs) > 0 ? watch.revents : 0;
    }

private:
    int fd_ = -1;
};

using TestFiles::readFile;

}  // namespace

class TestBoxEmulator : public QObject {
    Q_OBJECT

private slots:
    void parsesItsCommandLine() {
        EmulatorOptions options;
        QString error;
        QVERIFY2(parseEmulatorArguments({"--wire", "--write-cycle", "7", "--image", "93c46=a.bin",
                                         "--fault", "wrongcode:cmd=F8h:block=5:times=2",
                                         "--fault=delay:ms=600", "--fault", "stopafter:n=20"},
                                        options, error),
                 qPrintable(error));
        QVERIFY(options.wire);
        QCOMPARE(options.writeCycleMs, 7);
        QCOMPARE(options.images.size(), 1);
        QCOMPARE(options.images[0].model, 9);
        QCOMPARE(options.faults.size(), 2);
        QCOMPARE(options.faults[0].command, 0xF8);
        QCOMPARE(options.faults[0].block, 5);
        QCOMPARE(options.faults[0].remaining, 2);
        QCOMPARE(options.faults[1].kind, BoxFault::Kind::Delay);
        QCOMPARE(options.faults[1].value, 600);
        QCOMPARE(options.stopAfter, 20);

        for (const QStringList &bad : QList<QStringList>{{"--image", "24C03=x"},
                                                         {"--image", "24C02"},
                                                         {"--fault", "delay"},
                                                         {"--fault", "short:ms=3"},
                                                         {"--fault", "garbage:n=x"},
                                                         {"--fault", "stopafter:cmd=FE"},
                                                         {"--log"},
                                                         {"--bogus"}}) {
            EmulatorOptions rejected;
            error.clear();
            QVERIFY2(!parseEmulatorArguments(bad, rejected, error), qPrintable(bad.join(' ')));
            QVERIFY(!error.isEmpty());
        }
    }

    void answersFramesWholeAndInPieces() {
        EmulatorProcess emulator;
        QVERIFY2(
            emulator.start({"--fault", "wrongcode:cmd=FE:times=1", "--fault", "stopafter:n=4"}),
            qPrintable(emulator.errorText()));
        PtyClient client(emulator.devicePath());
        QVERIFY(client.isOpen());
        QCOMPARE(client.exchange(frame(0xFE)), reply(0xEE));
        QCOMPARE(client.exchange(frame(0xFE)), reply(0xFD));
        QVERIFY(client.send(frame(0xFC).left(5)));
        QCOMPARE(client.receive(1, 100), QByteArray());
        QVERIFY(client.send(frame(0xFC).mid(5)));
        QCOMPARE(client.receive(), reply(0xFB));
        QCOMPARE(client.exchange(frame(0xF8, 0)), reply(0xF6, QByteArray(8, char(0xFF))));
        QCOMPARE(client.exchange(frame(0xFE), 200), QByteArray());  // stopped after 4
        QVERIFY(emulator.terminate());
    }

    void imagesAreLoadedAndWrittenBack() {
        QTemporaryDir dir;
        const QString loaded = dir.filePath("93c46.bin"), created = dir.filePath("new.bin");
        QFile file(loaded);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("\x01\x02\x03") == 3);
        file.close();
        EmulatorProcess emulator;
        QVERIFY2(emulator.start(
                     {"--pattern", "--image", "93C46=" + loaded, "--image", "24C04=" + created}),
                 qPrintable(emulator.errorText()));
        PtyClient client(emulator.devicePath());
        QCOMPARE(client.exchange(frame(0xF8, 0)),
                 reply(0xF6, BoxCore::demoPattern(0).left(8)));  // 24C02 keeps the pattern
        QByteArray select = frame(0xFA);
        select[1] = 9;
        QCOMPARE(client.exchange(select), reply(0xF9));
        QCOMPARE(client.exchange(frame(0xF8, 0)),
                 reply(0xF6, QByteArray("\x01\x02\x03") + QByteArray(5, char(0xFF))));
        QCOMPARE(client.exchange(frame(0xD8, 4, Eight)), reply(0xF6));  // word 4 = byte 8
        QVERIFY(emulator.terminate());

        QByteArray expected = QByteArray("\x01\x02\x03") + QByteArray(125, char(0xFF));
        expected.replace(8, 8, Eight);
        QCOMPARE(readFile(loaded), expected);
        QCOMPARE(readFile(created), QByteArray(512, char(0xFF)));
    }

    void linksAndLogs() {
        QTemporaryDir dir;
        const QString link = dir.filePath("ttyBOX"), log = dir.filePath("frames.log");
        QVERIFY(QFile::link("/nonexistent", link));  // a stale link is replaced
        EmulatorProcess emulator;
        QVERIFY2(emulator.start({"--link", link, "--log", log}), qPrintable(emulator.errorText()));
        QCOMPARE(QFile::symLinkTarget(link), emulator.devicePath());
        PtyClient client(link);
        QCOMPARE(client.exchange(frame(0xFE)), reply(0xFD));
        QCOMPARE(client.exchange(frame(0xD8, 0x0108, Eight)), reply(0xF6));
        client.send(frame(0x42));
        QVERIFY(emulator.terminate());
        QCOMPARE(readFile(log), QByteArray("FE 00 00 00 00 00 00 00 00 00 00 00\n"
                                           "D8 01 08 11 22 33 44 55 66 77 88 FF\n"
                                           "42 00 00 00 00 00 00 00 00 00 00 00\n"));
        QVERIFY(!QFileInfo(link).isSymLink());
    }

    void wireTimingShowsOnTheLine() {
        EmulatorProcess emulator;
        QVERIFY2(emulator.start({"--wire"}), qPrintable(emulator.errorText()));
        PtyClient client(emulator.devicePath());
        auto timed = [&client](const QByteArray &bytes) {
            QElapsedTimer clock;
            clock.start();
            const bool complete = client.exchange(bytes).size() == BoxCore::ReplySize;
            return complete ? clock.nsecsElapsed() / 1e6 : -1.0;
        };
        QList<double> tests, writes;
        for (int i = 0; i < 7; ++i) {
            tests << timed(frame(0xFE));
            writes << timed(frame(0xD8, 0, Eight));
        }
        std::sort(tests.begin(), tests.end());
        std::sort(writes.begin(), writes.end());
        const QByteArray seen =
            QString("FE %1 ms, D8 %2 ms (min, median)")
                .arg(QString::number(tests[0]) + "/" + QString::number(tests[3]),
                     QString::number(writes[0]) + "/" + QString::number(writes[3]))
                .toLatin1();
        // Never before the line could have carried the bytes (22 bytes at
        // 57600 baud: 3.82 ms, plus the 5 ms write cycle).
        QVERIFY2(tests[0] >= 3.81 && tests[3] <= 15, seen.constData());
        QVERIFY2(writes[0] >= 8.81 && writes[3] <= 20, seen.constData());
    }

    void idleWithoutClientCostsNoCpuAndKillHangsUp_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("answering at once") << QStringList();
        // Keeps to the wire's time by polling briefly around each reply.
        QTest::newRow("wire timing") << QStringList{"--wire"};
    }

    void idleWithoutClientCostsNoCpuAndKillHangsUp() {
        QFETCH(QStringList, arguments);
        EmulatorProcess emulator;
        QVERIFY2(emulator.start(arguments), qPrintable(emulator.errorText()));
        {
            PtyClient client(emulator.devicePath());
            QCOMPARE(client.exchange(frame(0xFE)), reply(0xFD));
        }
        const double before = emulator.cpuSeconds();
        QVERIFY(before >= 0);
        QThread::msleep(1000);
        const double spent = emulator.cpuSeconds() - before;
        QVERIFY2(spent < 0.3, qPrintable(QString("%1 s of CPU while idle").arg(spent)));

        PtyClient client(emulator.devicePath());
        QCOMPARE(client.exchange(frame(0xFE)), reply(0xFD));
        emulator.kill();
        QVERIFY(client.pollEvents(2000) & POLLHUP);
    }
};

QTEST_GUILESS_MAIN(TestBoxEmulator)
#include "tst_box_emulator.moc"
