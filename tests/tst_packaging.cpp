// Installation and packaging: --help and --version of the real program, the
// desktop entry, AppStream metadata and manual pages through their validators,
// and the Debian package unpacked into a temporary root and started from there.
#include <QImage>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    bool finished = false;
    int exitCode = -1;
    QString out;
    QString err;
};

Run run(const QString &program, const QStringList &arguments, int timeoutMs = 30000,
        const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run result;
    result.finished =
        process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit;
    if (!result.finished)
        process.kill();
    result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

// No display of any kind: the program must answer before it needs one.
QProcessEnvironment withoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

const QString VersionLine = QStringLiteral("eeprom-programmer " PROGRAM_VERSION);

QString firstLine(const QString &text) {
    return text.section(QLatin1Char('\n'), 0, 0);
}

}  // namespace

class TestPackaging : public QObject {
    Q_OBJECT

private slots:
    void informationOptions_data();
    void informationOptions();
    void desktopEntryOpensImages();
    void validators_data();
    void validators();
    void releaseNotesNameThisVersion();
    void debianPackage();
};

void TestPackaging::informationOptions_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expectedFirstLine");

    const QString usage =
        QStringLiteral("用法：eeprom-programmer [--port 路径]... [--job 作业文件] [文件]");
    QTest::newRow("--help") << QStringList{"--help"} << usage;
    QTest::newRow("-h after an unknown option") << QStringList{"--geometry=1x1", "-h"} << usage;
    QTest::newRow("--version") << QStringList{"--version"} << VersionLine;
    QTest::newRow("-v after --port") << QStringList{"--port", "/dev/ttyUSB0", "-v"} << VersionLine;
}

void TestPackaging::informationOptions() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, expectedFirstLine);

    const Run result = run(QStringLiteral(PROGRAMMER_PATH), arguments, 30000, withoutDisplay());
    QVERIFY2(result.finished, qPrintable(result.err));
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QString());
    QCOMPARE(firstLine(result.out), expectedFirstLine);
    QVERIFY(result.out.endsWith(QLatin1Char('\n')));
}

void TestPackaging::desktopEntryOpensImages() {
    QSettings entry(QStringLiteral(DATA_DIR "/" APP_ID ".desktop"), QSettings::IniFormat);
    entry.beginGroup(QStringLiteral("Desktop Entry"));
    QVERIFY(entry.value(QStringLiteral("Exec")).toString().endsWith(QLatin1String(" %f")));
    const QStringList named =
        entry.value(QStringLiteral("MimeType")).toString().split(';', Qt::SkipEmptyParts);
    // Types the system knows; among them whatever it calls a raw, an Intel
    // HEX or an S-record image, unless that is plain text, which every text
    // file is.
    const QMimeDatabase types;
    for (const QString &name : named)
        QVERIFY2(types.mimeTypeForName(name).isValid(), qPrintable(name));
    for (const char *file : {"chip.bin", "chip.hex", "chip.ihx", "chip.s19", "chip.srec"}) {
        const QMimeType type =
            types.mimeTypeForFile(QLatin1String(file), QMimeDatabase::MatchExtension);
        if (type.name() != QLatin1String("text/plain"))
            QVERIFY2(named.contains(type.name()), file);
    }
}

void TestPackaging::validators_data() {
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("arguments");

    const QString data = QStringLiteral(DATA_DIR "/");
    QTest::newRow("desktop entry")
        << "desktop-file-validate" << QStringList{data + APP_ID ".desktop"};
    QTest::newRow("AppStream metainfo")
        << "appstreamcli" << QStringList{"validate", "--no-net", data + APP_ID ".metainfo.xml"};
    // The same check as lintian's: troff warnings in a UTF-8 terminal.
    for (const QString &folder : {QStringLiteral("man/"), QStringLiteral("man/en/")}) {
        const QStringList pages = QDir(data + folder).entryList({"*.1"}, QDir::Files);
        QVERIFY(pages.size() >= 3);
        for (const QString &page : pages)
            QTest::newRow(qPrintable(folder + page))
                << "man" << QStringList{"--warnings",        "-E", "UTF-8", "-l", "-Tutf8", "-Z",
                                        data + folder + page};
    }
}

void TestPackaging::validators() {
    QFETCH(QString, tool);
    QFETCH(QStringList, arguments);

    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty())
        QSKIP(qPrintable(tool + " is not installed"));
    const Run result = run(path, arguments);
    QVERIFY(result.finished);
    QVERIFY2(result.exitCode == 0 && result.err.isEmpty(), qPrintable(result.out + result.err));
}

void TestPackaging::releaseNotesNameThisVersion() {
    QFile changelog(QStringLiteral(CHANGELOG_PATH));
    QVERIFY(changelog.open(QIODevice::ReadOnly));
    const QString newestEntry = firstLine(QString::fromUtf8(changelog.readAll()));
    QCOMPARE(newestEntry.section(QLatin1Char(' '), 0, 1),
             QStringLiteral("eeprom-programmer (" PROGRAM_VERSION ")"));

    QFile metainfo(QStringLiteral(DATA_DIR "/" APP_ID ".metainfo.xml"));
    QVERIFY(metainfo.open(QIODevice::ReadOnly));
    const QRegularExpressionMatch newestRelease =
        QRegularExpression(QStringLiteral("<release version=\"([^\"]+)\""))
            .match(QString::fromUtf8(metainfo.readAll()));
    QVERIFY(newestRelease.hasMatch());
    QCOMPARE(newestRelease.captured(1), QStringLiteral(PROGRAM_VERSION));
}

void TestPackaging::debianPackage() {
    const QString dpkgDeb = QStandardPaths::findExecutable(QStringLiteral("dpkg-deb"));
    if (dpkgDeb.isEmpty())
        QSKIP("dpkg-deb is not installed");
    QTemporaryDir work;
    QVERIFY(work.isValid());

    const Run packed =
        run(QStringLiteral(CPACK_PATH),
            {"-G", "DEB", "--config", CPACK_CONFIG_PATH, "-B", work.filePath("out")}, 240000);
    QVERIFY2(packed.finished && packed.exitCode == 0, qPrintable(packed.out + packed.err));
    const QStringList debs = QDir(work.filePath("out")).entryList({"*.deb"}, QDir::Files);
    QCOMPARE(debs.size(), 1);
    const QString deb = work.filePath("out/" + debs.first());

    // The control fields that packaging sets rather than CPack's defaults.
    const auto field = [&](const QString &name) {
        return run(dpkgDeb, {"-f", deb, name}).out.trimmed();
    };
    QCOMPARE(field("Package"), QStringLiteral("eeprom-programmer"));
    QCOMPARE(field("Version"), QStringLiteral(PROGRAM_VERSION));
    QCOMPARE(field("Section"), QStringLiteral("electronics"));
    QCOMPARE(field("Recommends"), QStringLiteral("fonts-noto-cjk, qt6-translations-l10n"));
    if (!QStandardPaths::findExecutable(QStringLiteral("dpkg-shlibdeps")).isEmpty())
        QVERIFY2(field("Depends").contains(QStringLiteral("libqt6serialport6")),
                 qPrintable(field("Depends")));
    // The journal's driver is a plugin that no library dependency brings.
    QVERIFY2(field("Depends").contains(QStringLiteral("libqt6sql6-sqlite")),
             qPrintable(field("Depends")));

    // Owned by root, readable by all, executable only where it should be.
    const Run listing = run(dpkgDeb, {"-c", deb});
    QVERIFY(listing.finished && listing.exitCode == 0);
    const QStringList entries = listing.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(!entries.isEmpty());
    for (const QString &entry : entries) {
        const QStringList columns = entry.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString &path = columns.last();
        const QString mode = path.endsWith(QLatin1Char('/')) || path.startsWith("./usr/bin/")
                                 ? QStringLiteral("rwxr-xr-x")
                                 : QStringLiteral("rw-r--r--");
        QVERIFY2(columns.at(0).mid(1) == mode && columns.at(1) == QStringLiteral("root/root"),
                 qPrintable(entry));
    }

    const QString root = work.filePath("root");
    QVERIFY(run(dpkgDeb, {"-x", deb, root}).exitCode == 0);
    QStringList files = {"usr/share/applications/" APP_ID ".desktop",
                         "usr/share/metainfo/" APP_ID ".metainfo.xml",
                         "usr/share/icons/hicolor/scalable/apps/" APP_ID ".svg",
                         "usr/share/doc/eeprom-programmer/copyright",
                         "usr/share/doc/eeprom-programmer/changelog.gz"};
    for (const QString &program : QStringLiteral(PACKAGED_PROGRAMS).split(QLatin1Char(',')))
        files << "usr/bin/" + program << "usr/share/man/man1/" + program + ".1.gz"
              << "usr/share/man/zh_CN/man1/" + program + ".1.gz";
    files << "usr/share/eeprom-programmer/translations/eeprom_en.qm";
    for (const QString &file : std::as_const(files))
        QVERIFY2(QFileInfo::exists(root + '/' + file), qPrintable(file));

    // An icon of every size, each as large as its folder says, showing the chip.
    for (const QString &size : QStringLiteral(ICON_SIZES).split(QLatin1Char(','))) {
        const QString path =
            QStringLiteral("%1/usr/share/icons/hicolor/%2x%2/apps/" APP_ID ".png").arg(root, size);
        const QImage icon(path);
        QVERIFY2(!icon.isNull(), qPrintable(path));
        QCOMPARE(icon.size(), QSize(size.toInt(), size.toInt()));
        QCOMPARE(qAlpha(icon.pixel(icon.width() / 2, icon.height() / 2)), 255);
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    }

    const Run version =
        run(root + "/usr/bin/eeprom-programmer", {"--version"}, 30000, withoutDisplay());
    QVERIFY2(version.finished && version.exitCode == 0, qPrintable(version.err));
    QCOMPARE(firstLine(version.out), VersionLine);
    const Run emulatorHelp = run(root + "/usr/bin/box-emulator", {"--help"});
    QVERIFY2(emulatorHelp.finished && emulatorHelp.exitCode == 0, qPrintable(emulatorHelp.err));
}

QTEST_GUILESS_MAIN(TestPackaging)
#include "tst_packaging.moc"
