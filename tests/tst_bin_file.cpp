// Raw image files: the size rule, exact saves, and that no failure loses data.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "files/bin_file.h"
#include "support/test_files.h"

namespace {

using TestFiles::pattern;

using TestFiles::readFile;

// Permissions do not stop root: run the check as an unprivileged user.
bool asUnprivilegedUser(const std::function<bool()> &check) {
    if (geteuid() != 0)
        return check();
    const pid_t child = fork();
    if (child == 0) {
        const bool ok = setgid(65534) == 0 && setuid(65534) == 0 && check();
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A folder everybody may enter but only its owner may change.
QString openFolder(const QTemporaryDir &dir, const QString &name) {
    const QString path = dir.filePath(name);
    QDir().mkpath(path);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                          QFileDevice::ExeOther);
    return path;
}

}  // namespace

class BinFileTest : public QObject {
    Q_OBJECT

private slots:
    void shorterFilesAreFilledWithFF_data();
    void shorterFilesAreFilledWithFF();
    void largerFilesAreRefused();
    void sixtyFourKiBRoundTrip();
    void saveCutsALongerFile();
    void unreadablePathsFail();
    // The program ignores the file-size signal at start, as the user's
    // program does: a save under a limit then fails instead of killing it.
    void initTestCase() { BinFile::ignoreFileSizeSignal(); }
    void failedSaveKeepsTheOldFile();
    void savesInAFolderTheUserMayNotWrite();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();

private:
    QTemporaryDir dir_;
};

void BinFileTest::shorterFilesAreFilledWithFF_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("capacity");
    QTest::newRow("100 bytes into 24C02") << 100 << 256;
    QTest::newRow("exactly 24C02") << 256 << 256;
    QTest::newRow("empty file") << 0 << 256;
    QTest::newRow("24C02 image into 24C512") << 256 << 65536;
}

void BinFileTest::shorterFilesAreFilledWithFF() {
    QFETCH(int, length);
    QFETCH(int, capacity);
    const QString path = dir_.filePath(QStringLiteral("short.bin"));
    QVERIFY(TestFiles::writeFile(path, pattern(length)));

    const BinFile::LoadResult loaded = BinFile::load(path, capacity);
    QCOMPARE(loaded.status, BinFile::LoadStatus::Loaded);
    QCOMPARE(loaded.length, qint64(length));
    QCOMPARE(loaded.buffer.size(), capacity);
    QCOMPARE(loaded.buffer.left(length), pattern(length));
    QCOMPARE(loaded.buffer.mid(length), QByteArray(capacity - length, '\xFF'));
}

void BinFileTest::largerFilesAreRefused() {
    const QString path = dir_.filePath(QStringLiteral("long.bin"));
    QVERIFY(TestFiles::writeFile(path, pattern(256)));
    const BinFile::LoadResult loaded = BinFile::load(path, 128);
    QCOMPARE(loaded.status, BinFile::LoadStatus::TooLarge);
    QCOMPARE(loaded.length, qint64(256));
    QVERIFY(loaded.buffer.isEmpty());
}

void BinFileTest::sixtyFourKiBRoundTrip() {
    const QString path = dir_.filePath(QStringLiteral("full.BIN"));
    const QByteArray image = pattern(65536);
    QVERIFY(BinFile::save(path, image));
    QCOMPARE(readFile(path), image);
    QCOMPARE(BinFile::load(path, 65536).buffer, image);
    QCOMPARE(BinFile::load(path, 32768).status, BinFile::LoadStatus::TooLarge);
}

void BinFileTest::saveCutsALongerFile() {
    const QString path = dir_.filePath(QStringLiteral("cut.bin"));
    QVERIFY(TestFiles::writeFile(path, QByteArray(4096, 'x')));
    QVERIFY(BinFile::save(path, pattern(256)));
    QCOMPARE(readFile(path), pattern(256));
}

void BinFileTest::unreadablePathsFail() {
    QCOMPARE(BinFile::load(dir_.filePath(QStringLiteral("missing.bin")), 256).status,
             BinFile::LoadStatus::Unreadable);
    QCOMPARE(BinFile::load(dir_.path(), 256).status, BinFile::LoadStatus::Unreadable);

    const QString folder = openFolder(dir_, QStringLiteral("locked"));
    const QString locked = folder + QStringLiteral("/locked.bin");
    QVERIFY(TestFiles::writeFile(locked, pattern(16)));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::WriteOwner));
    QVERIFY(asUnprivilegedUser(
        [&] { return BinFile::load(locked, 256).status == BinFile::LoadStatus::Unreadable; }));
}

void BinFileTest::failedSaveKeepsTheOldFile() {
    // A folder chosen as the file name.
    QVERIFY(!BinFile::save(dir_.path(), pattern(256)));

    // A FIFO (or a device) is left as it is, not replaced by a file.
    const QString fifo = dir_.filePath(QStringLiteral("pipe.bin"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(!BinFile::save(fifo, pattern(256)));
    struct stat info {};
    QCOMPARE(stat(QFile::encodeName(fifo).constData(), &info), 0);
    QVERIFY(S_ISFIFO(info.st_mode));
}

void BinFileTest::savesInAFolderTheUserMayNotWrite() {
    // A folder the user may not write into, holding a file the user may: no
    // file can be made beside it, so it is written in place.
    const QString folder = openFolder(dir_, QStringLiteral("read-only"));
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                              QFileDevice::ExeOther));
    const QString path = folder + QStringLiteral("/old.bin");
    QVERIFY(TestFiles::writeFile(path, QByteArray(100, 'o')));
    QVERIFY(QFile::setPermissions(
        path, QFile::permissions(path) | QFileDevice::WriteOther | QFileDevice::ReadOther));
    QVERIFY(asUnprivilegedUser([&] { return BinFile::save(path, pattern(256)); }));
    QCOMPARE(readFile(path), pattern(256));
}

void BinFileTest::fullDiskKeepsTheOldFile_data() {
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("oldSize");
    QTest::addColumn<int>("newSize");
    QTest::newRow("64 KiB over 300 bytes, full after 1000") << 1000 << 300 << 65536;
    // Small enough to sit in the save's buffer: only the flush finds out.
    QTest::newRow("256 bytes over 4 KiB, full after 100") << 100 << 4096 << 256;
}

void BinFileTest::fullDiskKeepsTheOldFile() {
    QFETCH(int, limit);
    QFETCH(int, oldSize);
    QFETCH(int, newSize);
    const QString path = dir_.filePath(QStringLiteral("full-disk.bin"));
    QVERIFY(TestFiles::writeFile(path, pattern(oldSize, 9)));

    bool saved = true;
    {
        const TestFiles::FileSizeLimit fullAfter{rlim_t(limit)};
        QVERIFY(fullAfter.active());
        saved = BinFile::save(path, pattern(newSize));
    }

    QVERIFY(!saved);
    QCOMPARE(readFile(path), pattern(oldSize, 9));
    // No half-written temporary file is left beside it.
    QCOMPARE(QDir(dir_.path()).entryList({QStringLiteral("full-disk*")}, QDir::Files).size(), 1);
}

QTEST_GUILESS_MAIN(BinFileTest)
#include "tst_bin_file.moc"
