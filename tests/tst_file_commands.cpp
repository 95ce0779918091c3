// "打开文件" and "保存文件" as the user runs them: the dialogs, the size rule
// seen in the buffer, the view and the status bar, and that no failure loses
// either the buffer or a file on disk.
#include <QComboBox>
#include <QFile>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

#include "files/bin_file.h"
#include "support/form_rig.h"
#include "support/test_files.h"
#include "hexview/hex_view.h"

namespace {

using TestFiles::pattern;

const QString Filter = QStringLiteral("二进制文件(*.BIN)|*.BIN|所有文件(*.*)|*.*");

// Online, with time-outs no loaded machine misses: the box answers at once.
FormRig::Options online() {
    FormRig::Options o;
    o.timings.replyTimeout = 1000;
    o.timings.receiveTimeout = 2000;
    return o;
}

using TestFiles::readFile;
using TestFiles::writeFile;

// The window's picture of the buffer: page shown, a few cells, status.
struct Snapshot {
    QByteArray buffer;
    qint32 page;
    QString firstCell, status;
    qint32 chipCode, blockCount;
    bool operator==(const Snapshot &o) const {
        return buffer == o.buffer && page == o.page && firstCell == o.firstCell &&
               status == o.status && chipCode == o.chipCode && blockCount == o.blockCount;
    }
};

Snapshot snapshot(const FormRig &rig) {
    const QAbstractItemModel *model = rig->hexView()->lstHex()->model();
    return {rig->chip().DataBuffer(),
            rig->hexView()->CurrentPage,
            model->data(model->index(0, 0)).toString(),
            rig->statusText(),
            rig->chip().ChipCode(),
            rig->chip().BlockCount()};
}

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    // As the program does at start: a save under a file-size limit fails
    // instead of killing the process.
    void initTestCase() { BinFile::ignoreFileSizeSignal(); }
    void dialogsAndCancel();
    void loadFollowsTheSizeRule_data();
    void loadFollowsTheSizeRule();
    void sixtyFourKiBRoundTrip();
    void saveWritesExactlyTheBuffer();
    void failedLoadKeepsTheBuffer_data();
    void failedLoadKeepsTheBuffer();
    void failedSaveKeepsTheOldFile();
    void operationStartedDuringTheDialogStopsTheLoad();

private:
    QTemporaryDir dir_;
};

void FileCommandsTest::dialogsAndCancel() {
    FormRig rig(online());
    rig->chip().replace(QByteArray(1, '\x42') + rig->chip().DataBuffer().mid(1));
    const Snapshot before = snapshot(rig);

    rig.click("Command4");
    rig.click("Command2");
    rig.trigger("fopen");
    rig.trigger("fsave");

    QCOMPARE(rig.dialogs.calls.size(), 4);
    Dialogs::SaveOptions saveOptions;
    saveOptions.overwritePrompt = saveOptions.createPrompt = saveOptions.noChangeDir = true;
    for (int i = 0; i < 4; ++i) {
        const ScriptedDialogs::Call &call = rig.dialogs.calls.at(i);
        const bool open = i % 2 == 0;
        QCOMPARE(call.kind,
                 open ? ScriptedDialogs::Kind::OpenFile : ScriptedDialogs::Kind::SaveFile);
        QCOMPARE(call.title,
                 open ? QStringLiteral("打开数据文件") : QStringLiteral("保存数据文件"));
        QCOMPARE(call.filter, Filter);
        if (!open)
            QVERIFY(call.options == saveOptions);
    }
    QVERIFY(snapshot(rig) == before);
    QVERIFY(rig.dialogs.messages().isEmpty());
}

void FileCommandsTest::loadFollowsTheSizeRule_data() {
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("loaded");
    QTest::newRow("100 bytes, 24C02") << 0 << "short.bin" << 100 << true;
    QTest::newRow("256 bytes, 24C02") << 0 << "exact.BIN" << 256 << true;
    QTest::newRow("empty, 24C02") << 0 << "empty.bin" << 0 << true;
    QTest::newRow("any extension, 24C04") << 1 << "image.txt" << 300 << true;
    QTest::newRow("24C02 image, 93C56") << 10 << "./exact.BIN" << 256 << true;
    QTest::newRow("256 bytes, 93C46") << 9 << "long.bin" << 256 << false;
    QTest::newRow("one byte over, 24C04") << 1 << "over.bin" << 513 << false;
}

void FileCommandsTest::loadFollowsTheSizeRule() {
    QFETCH(int, model);
    QFETCH(QString, name);
    QFETCH(int, length);
    QFETCH(bool, loaded);
    FormRig rig(online());
    rig.chooseModel(model);
    const int capacity = rig->chip().ModelCapacity[model];
    rig->chip().replace(pattern(capacity, 99));
    rig->hexView()->scrPage()->setValue(rig->hexView()->scrPage()->maximum());
    const Snapshot before = snapshot(rig);
    const QString path = dir_.path() + QLatin1Char('/') + name;
    QVERIFY(writeFile(path, pattern(length)));
    rig.dialogs.fileNames << path;
    rig.clearFrames();

    rig.trigger("fopen");

    QVERIFY(rig.frames().isEmpty());
    QCOMPARE(rig.find<QComboBox>("Combo1")->currentIndex(), model);
    if (!loaded) {
        QVERIFY(snapshot(rig) == before);
        const QList<ScriptedDialogs::Call> boxes = rig.dialogs.messages();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text,
                 QStringLiteral("选择的文件大小大于您选择的芯片型号容量，请重新选择！！"));
        QCOMPARE(boxes[0].title, QStringLiteral("提示信息"));
        QCOMPARE(boxes[0].icon, Dialogs::Icon::Warning);
        QCOMPARE(boxes[0].buttons, Dialogs::Buttons::Ok);
        return;
    }
    QVERIFY(rig.dialogs.messages().isEmpty());
    const Snapshot after = snapshot(rig);
    QCOMPARE(after.buffer, pattern(length) + QByteArray(capacity - length, '\xFF'));
    QCOMPARE(after.page, 0);
    QCOMPARE(rig->hexView()->scrPage()->value(), 0);
    QCOMPARE(after.firstCell, length > 0 ? QStringLiteral("00") : QStringLiteral("FF"));
    QCOMPARE(after.chipCode, before.chipCode);
    QCOMPARE(after.blockCount, before.blockCount);
    QCOMPARE(after.status,
             QStringLiteral("正在编辑：%1    文件大小为： %2字节").arg(path).arg(length));
}

void FileCommandsTest::sixtyFourKiBRoundTrip() {
    FormRig rig(online());
    const QString path = dir_.filePath(QStringLiteral("full.BIN"));
    rig.chooseModel(8);
    rig->chip().replace(pattern(65536, 5));
    const QString status = rig->statusText();
    rig.dialogs.fileNames << path << path << path;

    rig.trigger("fsave");
    QCOMPARE(readFile(path), pattern(65536, 5));
    QCOMPARE(rig->statusText(), status);
    QVERIFY(rig.dialogs.messages().isEmpty());

    rig.chooseModel(8);
    rig.trigger("fopen");
    QCOMPARE(rig->chip().DataBuffer(), pattern(65536, 5));
    QVERIFY(rig.dialogs.messages().isEmpty());

    rig.chooseModel(7);
    rig.trigger("fopen");
    QCOMPARE(rig->chip().DataBuffer(), QByteArray(32768, '\xFF'));
    QCOMPARE(rig.dialogs.messages().size(), 1);
}

void FileCommandsTest::saveWritesExactlyTheBuffer() {
    FormRig rig(online());
    const QString path = dir_.filePath(QStringLiteral("longer.bin"));
    QVERIFY(writeFile(path, QByteArray(4096, 'x')));
    rig->chip().replace(pattern(256, 1));
    rig.dialogs.fileNames << path;
    rig.trigger("fsave");
    QCOMPARE(readFile(path), pattern(256, 1));
    QVERIFY(rig.dialogs.messages().isEmpty());

    // 93C46: all 128 bytes, although the view shows a full page.
    rig.chooseModel(9);
    rig->chip().replace(pattern(128, 2));
    rig.dialogs.fileNames << path;
    rig.click("Command2");
    QCOMPARE(readFile(path), pattern(128, 2));
}

void FileCommandsTest::failedLoadKeepsTheBuffer_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("missing file") << dir_.filePath(QStringLiteral("missing.bin"));
    QTest::newRow("a folder") << dir_.path();
    QTest::newRow("not a regular file") << QStringLiteral("/dev/null");
}

void FileCommandsTest::failedLoadKeepsTheBuffer() {
    QFETCH(QString, path);
    FormRig rig(online());
    rig.chooseModel(1);
    rig->chip().replace(pattern(512, 3));
    rig->hexView()->scrPage()->setValue(1);
    const Snapshot before = snapshot(rig);
    rig.dialogs.fileNames << path;

    rig.trigger("fopen");

    QVERIFY(snapshot(rig) == before);
    const QList<ScriptedDialogs::Call> boxes = rig.dialogs.messages();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].title, QStringLiteral("警告信息"));
    QCOMPARE(boxes[0].icon, Dialogs::Icon::Warning);
    QVERIFY2(boxes[0].text.contains(path) && boxes[0].text.contains(QStringLiteral("读取失败")),
             qPrintable(boxes[0].text));
}

void FileCommandsTest::failedSaveKeepsTheOldFile() {
    FormRig rig(online());
    rig.chooseModel(8);
    rig->chip().replace(pattern(65536, 4));
    const QString status = rig->statusText();
    QTemporaryDir own;
    const QString old = own.filePath(QStringLiteral("old.bin"));
    QVERIFY(writeFile(old, QByteArray(300, 'k')));

    // A folder chosen as the file name.
    rig.dialogs.fileNames << own.path();
    rig.trigger("fsave");

    // A full disk: a file-size limit of 1000 bytes.
    {
        const TestFiles::FileSizeLimit fullAfter(1000);
        QVERIFY(fullAfter.active());
        rig.dialogs.fileNames << old;
        rig.trigger("fsave");
    }

    QVERIFY(QFileInfo(own.path()).isDir());
    QCOMPARE(readFile(old), QByteArray(300, 'k'));
    QCOMPARE(QDir(own.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.bin"});
    const QList<ScriptedDialogs::Call> boxes = rig.dialogs.messages();
    QCOMPARE(boxes.size(), 2);
    const QStringList names = {own.path(), old};
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(boxes[i].title, QStringLiteral("警告信息"));
        QCOMPARE(boxes[i].icon, Dialogs::Icon::Warning);
        QVERIFY2(
            boxes[i].text.contains(names[i]) && boxes[i].text.contains(QStringLiteral("保存失败")),
            qPrintable(boxes[i].text));
    }
    // The buffer is still there to be saved elsewhere.
    QCOMPARE(rig->chip().DataBuffer(), pattern(65536, 4));
    QCOMPARE(rig->statusText(), status);
}

void FileCommandsTest::operationStartedDuringTheDialogStopsTheLoad() {
    FormRig rig(online());
    const QString path = dir_.filePath(QStringLiteral("during.bin"));
    QVERIFY(writeFile(path, pattern(256)));
    rig->chip().replace(pattern(256, 8));
    const Snapshot before = snapshot(rig);
    std::optional<OperationScope> running;
    rig.dialogs.onCall = [&](const ScriptedDialogs::Call &) {
        running.emplace(rig->chip(), rig->link());
    };
    rig.dialogs.fileNames << path;

    rig.trigger("fopen");
    QVERIFY(running.has_value());
    QVERIFY(snapshot(rig) == before);
    QVERIFY(rig.dialogs.messages().isEmpty());

    // With the operation over, the same file loads.
    running.reset();
    rig.dialogs.onCall = nullptr;
    rig.dialogs.fileNames << path;
    rig.trigger("fopen");
    QCOMPARE(rig->chip().DataBuffer(), pattern(256));
}

QTEST_MAIN(FileCommandsTest)
#include "tst_file_commands.moc"
