// Read, write, verify, erase and auto against the virtual box: the frames the
// box receives, the boxes the user sees, the progress display while the
// blocks go by, and what each failure leaves behind.
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <utility>

#include "hexview/hex_view.h"
#include "link/programmer_link.h"
#include "messages/texts.h"
#include "support/form_rig.h"
#include "support/test_files.h"

namespace {

using TestFiles::pattern;

// The texts exactly as the user reads them.
const QString WriteConfirm =
    QStringLiteral("写芯片操作将会将当前芯片的全部内容擦除，您确认要写芯片吗？");
const QString EraseConfirm =
    QStringLiteral("擦除操作会将当前芯片的全部内容擦除，您确认要擦除芯片数据吗？");
const QString AutoConfirm =
    QStringLiteral("自动操作将会将当前芯片的全部内容擦除后写入新数据，您确认要写芯片吗？");
const QString ReadDone = QStringLiteral("恭喜您！芯片读操作成功！！");
const QString WriteDone = QStringLiteral("恭喜您！写芯片操作成功！！");
const QString VerifyDone = QStringLiteral("恭喜您！数据校验成功！！");
const QString AutoDone = QStringLiteral("恭喜您！数据 写和校验 成功！！");
const QString EraseDone = QStringLiteral("恭喜您！擦除芯片成功！！");
const QString ReadBlockFailed = QStringLiteral(
    "读芯片失败,"
    "请检查编程器USB编程电缆是否连接好，芯片型号选择是否正确，注意02－16和32－64不能混用，"
    "否则错误！！！！");
const QString WriteBlockFailed = QStringLiteral(
    "写芯片失败,"
    "请检查编程器USB编程电缆是否连接好，芯片型号选择是否正确，注意02－16和32－64不能混用，"
    "93C46-93C86之间也不要互相代换，否则错误！！！！");
const QString WarningTitle = QStringLiteral("警告信息");
const QString SuccessTitle = QStringLiteral("操作成功");

QString report(const char *position, const char *pc, const char *chip) {
    return QStringLiteral(
               "校验芯片失败！数据位置为: %1H    电脑数据为：  %2H   芯片数据为：  %3H   !!!")
        .arg(QLatin1String(position), QLatin1String(pc), QLatin1String(chip));
}

constexpr quint8 ReadOpen = 0xFC, WriteOpen = 0xDC, Select = 0xFA, BlockRead = 0xF8,
                 BlockWrite = 0xD8, Check = 0xFE;
constexpr int M24C02 = 0, M24C04 = 1, M24C512 = 8, M93C46 = 9, M93C86 = 13;

enum Op { Read, Write, Verify, Erase, Auto };
const char *const Buttons[] = {"Command6", "Command7", "Command8", "Command9", "Command10"};
const char *const MenuItems[] = {"cread", "cwriteee", "ccheck", "ccrease", "cauto"};
const char *const OpNames[] = {"read", "write", "verify", "erase", "auto"};

BoxFault fault(BoxFault::Kind kind, int command, int block = -1) {
    BoxFault f;
    f.kind = kind;
    f.command = command;
    f.block = block;
    f.remaining = 1;
    return f;
}

int blockUnit(int model) {
    return model >= M93C46 ? 4 : 8;
}

// A reply time-out generous enough that a loaded machine cannot turn one
// slow block of thousands into a failure; shorter where missing replies are
// waited for on purpose.
FormRig::Options steady(int replyTimeout = 1000) {
    FormRig::Options options;
    options.timings.replyTimeout = replyTimeout;
    return options;
}

void selectModel(FormRig &rig, int model) {
    rig.chooseModel(model);
    rig.clearFrames();
}

struct Progress {
    int shown = 0;  // how many of ProgressBar1, Command3 and Label4 are shown
    QString caption;
    int bar = -1;
    int operationControls = 0;  // how many of Command6..10 and icoprate are enabled
    int bufferCommands = 0;     // how many of Combo1, open and save are enabled
    bool exitEnabled = false;
};

// The widgets a snapshot looks at, found once: a 24C512 takes thousands.
struct Panel {
    explicit Panel(const FormRig &rig)
        : bar(rig.find<QProgressBar>("ProgressBar1")),
          caption(rig.find<QPushButton>("Command3")),
          heading(rig.find("Label4")),
          menu(rig.find<QMenu>("icoprate")),
          bufferCommands{rig.find("Combo1"), rig.button("Command4"), rig.button("Command2")},
          exit(rig.button("Command12")) {
        for (const char *name : Buttons)
            operations << rig.button(name);
    }

    Progress now() const {
        Progress p;
        for (QWidget *w : {static_cast<QWidget *>(bar), static_cast<QWidget *>(caption), heading})
            p.shown += w->isHidden() ? 0 : 1;
        p.caption = caption->text();
        p.bar = bar->value();
        for (QAbstractButton *b : operations)
            p.operationControls += b->isEnabled() ? 1 : 0;
        p.operationControls += menu->isEnabled() ? 1 : 0;
        p.bufferCommands = int(std::count_if(bufferCommands.begin(), bufferCommands.end(),
                                             [](QWidget *w) { return w->isEnabled(); }));
        p.exitEnabled = exit->isEnabled();
        return p;
    }

    QProgressBar *bar;
    QPushButton *caption;
    QWidget *heading;
    QMenu *menu;
    QList<QWidget *> bufferCommands;
    QWidget *exit;
    QList<QAbstractButton *> operations;
};

Progress progressOf(const FormRig &rig) {
    return Panel(rig).now();
}

// Watches an operation from outside: the progress display as each reply
// arrives and as each box is shown, and a hook to act while it waits.
class Watch : public QObject {
public:
    explicit Watch(FormRig &rig) : rig_(rig), panel_(rig) {
        rig.dialogs.onCall = [this](const ScriptedDialogs::Call &) { atMessage << panel_.now(); };
        connect(rig.port, &SerialPort::notification, this, [this](int code) {
            if (code != SerialPort::ReceivedBytes)
                return;
            const int frames = int(rig_.frames().size());
            atReply.insert(frames, panel_.now());
            // The exchange still waits here: this is a user's action that
            // falls inside the operation.
            if (action_ && frames >= actionAt_)
                std::exchange(action_, nullptr)();
        });
    }
    ~Watch() override { rig_.dialogs.onCall = nullptr; }

    // Runs `action` once, when the reply to frame number `frame` (from 1,
    // counted from the last clearFrames) has arrived.
    void whenReplied(int frame, std::function<void()> action) {
        actionAt_ = frame;
        action_ = std::move(action);
    }
    bool acted() const { return !action_; }

    QMap<int, Progress> atReply;  // by number of frames received
    QList<Progress> atMessage;

private:
    FormRig &rig_;
    Panel panel_;
    int actionAt_ = 0;
    std::function<void()> action_;
};

void start(FormRig &rig, Op op, bool fromMenu = false) {
    if (fromMenu)
        rig.trigger(MenuItems[op]);
    else
        rig.click(Buttons[op]);
}

QByteArray blockFrame(quint8 code, int model, int block, const QByteArray &data = {}) {
    const int address = block * blockUnit(model);
    QByteArray f = FormRig::frame(code, {quint8(address >> 8), quint8(address & 0xFF)});
    if (!data.isEmpty())
        f.replace(3, 9, data + QByteArray(1, '\xFF'));
    return f;
}

bool endedIdle(const FormRig &rig) {
    const Progress now = progressOf(rig);
    return now.shown == 0 && now.bufferCommands == 3 && rig.operationsEnabled() &&
           rig.find<QMenu>("icoprate")->isEnabled() && rig.isOnline();
}

}  // namespace

class ChipOperationsTest : public QObject {
    Q_OBJECT

private slots:
    void wholeChip_data();
    void wholeChip();
    void blockFramesOfEveryModel_data();
    void blockFramesOfEveryModel();
    void failures_data();
    void failures();
    void verifyNamesTheFirstDifference_data();
    void verifyNamesTheFirstDifference();
    void autoRunsWriteThenVerify_data();
    void autoRunsWriteThenVerify();
    void declinedConfirmationSendsNothing_data();
    void declinedConfirmationSendsNothing();
    void nothingReplacesTheBufferDuringAnOperation_data();
    void nothingReplacesTheBufferDuringAnOperation();
    void everyCommandOfferedDuringAnOperation_data();
    void everyCommandOfferedDuringAnOperation();
    void clicksDuringTheOnlineCheckAreIgnored();
    void strayBytesNeverHoldAClick();
    void lostLinkKeepsTheOperationsOff_data();
    void lostLinkKeepsTheOperationsOff();
    void exitDuringAnOperationSendsNothingMore_data();
    void exitDuringAnOperationSendsNothingMore();
    void progressIsPaintedWhileRunningAndUnderABox();
    void failureBoxFindsTheProgressPainted();
};

// --- Whole chip, every block answered ---------------------------------------

void ChipOperationsTest::wholeChip_data() {
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("secondCaption");  // after block 1
    QTest::addColumn<int>("secondBar");

    const struct {
        int model;
        const char *name;
        const char *caption;
        int bar;
    } models[] = {
        {M24C02, "24C02", " 3.23%", 3},
        {M93C46, "93C46", " 6.67%", 6},
        {M93C86, "93C86", " .39%", 0},
        {M24C512, "24C512", " .01%", 0},
    };
    for (Op op : {Read, Write, Verify, Erase})
        for (const auto &m : models)
            QTest::addRow("%s %s", OpNames[op], m.name)
                << int(op) << m.model << QString::fromLatin1(m.caption) << m.bar;
}

void ChipOperationsTest::wholeChip() {
    QFETCH(int, op);
    QFETCH(int, model);
    QFETCH(QString, secondCaption);
    QFETCH(int, secondBar);

    FormRig rig(steady());
    selectModel(rig, model);
    ChipBuffer &state = rig->chip();
    const int capacity = int(state.DataBuffer().size());
    const int blocks = capacity / 8;
    QCOMPARE(state.BlockCount(), blocks - 1);

    QByteArray &chip = rig.box.chip(model);
    chip = BoxCore::demoPattern(model);
    const QByteArray chipBefore = chip;
    state.replace(op == Verify ? chip : pattern(capacity, 3));
    const QByteArray bufferBefore = state.DataBuffer();
    HexView *view = rig->hexView();
    view->scrPage()->setValue(view->scrPage()->maximum());
    // Offscreen, repainting the window after each block costs ten times the
    // exchanges of a 24C512; nothing checked here needs it on screen.
    rig->hide();

    Watch watch(rig);
    start(rig, Op(op));

    // The frames, byte for byte.
    const bool writes = op == Write || op == Erase;
    QList<QByteArray> expected{FormRig::frame(writes ? WriteOpen : ReadOpen),
                               FormRig::frame(Select, {quint8(model)})};
    for (int n = 0; n < blocks; ++n) {
        if (op == Write)
            expected << blockFrame(BlockWrite, model, n, bufferBefore.mid(n * 8, 8));
        else if (op == Erase)
            expected << blockFrame(BlockWrite, model, n, QByteArray(8, '\xFF'));
        else
            expected << blockFrame(BlockRead, model, n);
    }
    QCOMPARE(rig.frames().size(), expected.size());
    QCOMPARE(rig.frames(), expected);

    // One success box, after the confirmation where there is one.
    const QString done[] = {ReadDone, WriteDone, VerifyDone, EraseDone};
    const auto calls = rig.dialogs.messages();
    QCOMPARE(calls.size(), writes ? 2 : 1);
    if (writes) {
        QCOMPARE(calls.first().text, op == Write ? WriteConfirm : EraseConfirm);
        QCOMPARE(calls.first().title, WarningTitle);
        QCOMPARE(calls.first().icon, Dialogs::Icon::Question);
        QCOMPARE(calls.first().buttons, Dialogs::Buttons::YesNo);
    }
    QCOMPARE(calls.last().text, done[op]);
    QCOMPARE(calls.last().title, SuccessTitle);
    QCOMPARE(calls.last().icon, Dialogs::Icon::Information);

    // The progress display: "0.00%" until the first block is done, then the
    // share of the blocks before the one just done; hidden before the success
    // box, which still finds the last caption.
    const int firstBlockReply = 3;
    QCOMPARE(watch.atReply.value(firstBlockReply).shown, 3);
    QCOMPARE(watch.atReply.value(firstBlockReply).caption, QStringLiteral("0.00%"));
    QCOMPARE(watch.atReply.value(firstBlockReply).bar, 0);
    QCOMPARE(watch.atReply.value(firstBlockReply + 1).caption, QStringLiteral(" 0%"));
    QCOMPARE(watch.atReply.value(firstBlockReply + 2).caption, secondCaption);
    QCOMPARE(watch.atReply.value(firstBlockReply + 2).bar, secondBar);
    // Meanwhile the operations are locked, and so is everything that would
    // replace the buffer or open a window above the operation; the exit is not.
    QCOMPARE(watch.atReply.value(firstBlockReply).operationControls, 0);
    QCOMPARE(watch.atReply.value(firstBlockReply).bufferCommands, 0);
    QVERIFY(watch.atReply.value(firstBlockReply).exitEnabled);
    const Progress atSuccess = watch.atMessage.last();
    QCOMPARE(atSuccess.shown, 0);
    QCOMPARE(atSuccess.caption, QStringLiteral(" 100%"));
    QCOMPARE(atSuccess.bar, 100);
    QVERIFY(endedIdle(rig));

    // What each operation leaves behind.
    switch (op) {
        case Read:
            QCOMPARE(state.DataBuffer(), chipBefore);
            QCOMPARE(view->CurrentPage, 0);
            QCOMPARE(view->model()->page(), 0);
            QCOMPARE(
                view->model()->data(view->model()->index(0, 2)).toString(),
                QString::number(quint8(chipBefore.at(2)), 16).rightJustified(2, '0').toUpper());
            break;
        case Write:
            QCOMPARE(chip, bufferBefore);
            QCOMPARE(state.DataBuffer(), bufferBefore);
            break;
        case Verify:
            QCOMPARE(rig->operations().VerifyBuffer, chipBefore);
            QVERIFY(rig->operations().VerifyPassed);
            QCOMPARE(state.DataBuffer(), bufferBefore);
            break;
        case Erase:
            QCOMPARE(chip, QByteArray(capacity, '\xFF'));
            QCOMPARE(state.DataBuffer(), bufferBefore);
            QCOMPARE(view->CurrentPage, view->scrPage()->maximum());
            break;
    }
    QCOMPARE(state.ChipCode(), model);
}

// --- The first and last block frames of every model, byte by byte ----------

void ChipOperationsTest::blockFramesOfEveryModel_data() {
    QTest::addColumn<int>("model");
    QTest::addColumn<QByteArray>("firstRead");
    QTest::addColumn<QByteArray>("lastRead");
    QTest::addColumn<QByteArray>("firstWrite");
    QTest::addColumn<QByteArray>("lastWrite");
    // The buffer holds each byte's own position (low byte); 24-series blocks
    // are addressed in bytes, 93-series blocks in 16-bit words.
    const struct {
        const char *name, *lastRead, *lastWrite;
    } rows[] = {
        {"24C02", "F8 00 F8 00 00 00 00 00 00 00 00 00", "D8 00 F8 F8 F9 FA FB FC FD FE FF FF"},
        {"24C04", "F8 01 F8 00 00 00 00 00 00 00 00 00", "D8 01 F8 F8 F9 FA FB FC FD FE FF FF"},
        {"24C08", "F8 03 F8 00 00 00 00 00 00 00 00 00", "D8 03 F8 F8 F9 FA FB FC FD FE FF FF"},
        {"24C16", "F8 07 F8 00 00 00 00 00 00 00 00 00", "D8 07 F8 F8 F9 FA FB FC FD FE FF FF"},
        {"24C32", "F8 0F F8 00 00 00 00 00 00 00 00 00", "D8 0F F8 F8 F9 FA FB FC FD FE FF FF"},
        {"24C64", "F8 1F F8 00 00 00 00 00 00 00 00 00", "D8 1F F8 F8 F9 FA FB FC FD FE FF FF"},
        {"24C128", "F8 3F F8 00 00 00 00 00 00 00 00 00", "D8 3F F8 F8 F9 FA FB FC FD FE FF FF"},
        {"24C256", "F8 7F F8 00 00 00 00 00 00 00 00 00", "D8 7F F8 F8 F9 FA FB FC FD FE FF FF"},
        {"24C512", "F8 FF F8 00 00 00 00 00 00 00 00 00", "D8 FF F8 F8 F9 FA FB FC FD FE FF FF"},
        {"93C46", "F8 00 3C 00 00 00 00 00 00 00 00 00", "D8 00 3C 78 79 7A 7B 7C 7D 7E 7F FF"},
        {"93C56", "F8 00 7C 00 00 00 00 00 00 00 00 00", "D8 00 7C F8 F9 FA FB FC FD FE FF FF"},
        {"93C66", "F8 00 FC 00 00 00 00 00 00 00 00 00", "D8 00 FC F8 F9 FA FB FC FD FE FF FF"},
        {"93C76", "F8 01 FC 00 00 00 00 00 00 00 00 00", "D8 01 FC F8 F9 FA FB FC FD FE FF FF"},
        {"93C86", "F8 03 FC 00 00 00 00 00 00 00 00 00", "D8 03 FC F8 F9 FA FB FC FD FE FF FF"},
    };
    int model = 0;
    for (const auto &r : rows)
        QTest::newRow(r.name) << model++
                              << QByteArray::fromHex("F8 00 00 00 00 00 00 00 00 00 00 00")
                              << QByteArray::fromHex(r.lastRead)
                              << QByteArray::fromHex("D8 00 00 00 01 02 03 04 05 06 07 FF")
                              << QByteArray::fromHex(r.lastWrite);
}

void ChipOperationsTest::blockFramesOfEveryModel() {
    QFETCH(int, model);
    QFETCH(QByteArray, firstRead);
    QFETCH(QByteArray, lastRead);
    QFETCH(QByteArray, firstWrite);
    QFETCH(QByteArray, lastWrite);
    FormRig rig(steady());
    selectModel(rig, model);
    QByteArray buffer(rig->chip().size(), '\0');
    for (int i = 0; i < buffer.size(); ++i)
        buffer[i] = char(i & 0xFF);
    rig->chip().replace(buffer);
    rig->hide();  // see wholeChip

    start(rig, Write);
    start(rig, Read);
    const auto writes = rig.framesWithCode(BlockWrite);
    const auto reads = rig.framesWithCode(BlockRead);
    QCOMPARE(writes.size(), buffer.size() / 8);
    QCOMPARE(reads.size(), buffer.size() / 8);
    QCOMPARE(writes.first(), firstWrite);
    QCOMPARE(writes.last(), lastWrite);
    QCOMPARE(reads.first(), firstRead);
    QCOMPARE(reads.last(), lastRead);
}

// --- Failures at each stage -------------------------------------------------

void ChipOperationsTest::failures_data() {
    // 24C04, so that the view has a second page to stay on; k = 5.
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("kind");
    // hint: FailureHint warning; plain: FailureHint with no icon and the
    // program's title; readBlock, writeBlock, verifyBlock: the block texts.
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("linkLost");

    using K = BoxFault::Kind;
    for (Op op : {Read, Write, Verify, Erase}) {
        const bool writes = op == Write || op == Erase;
        const int open = writes ? WriteOpen : ReadOpen;
        const int blockCommand = writes ? BlockWrite : BlockRead;
        for (K kind : {K::NoReply, K::WrongCode}) {
            const bool silent = kind == K::NoReply;
            const char *kindName = silent ? "no reply" : "wrong code";
            const QStringList hint{QStringLiteral("hint")};
            QStringList atBlock = hint;
            if (op == Read && !silent)
                atBlock = QStringList{QStringLiteral("readBlock"), QStringLiteral("hint")};
            if (op == Write && !silent)
                atBlock = QStringList{QStringLiteral("writeBlock")};
            if (op == Verify)
                atBlock =
                    QStringList{silent ? QStringLiteral("plain") : QStringLiteral("verifyBlock")};
            const bool lost = op == Read && silent;
            QTest::addRow("%s, open, %s", OpNames[op], kindName)
                << int(op) << open << -1 << int(kind) << hint << lost;
            QTest::addRow("%s, chip select, %s", OpNames[op], kindName)
                << int(op) << int(Select) << -1 << int(kind) << hint << lost;
            QTest::addRow("%s, block 5, %s", OpNames[op], kindName)
                << int(op) << blockCommand << 5 << int(kind) << atBlock << lost;
        }
    }
}

void ChipOperationsTest::failures() {
    QFETCH(int, op);
    QFETCH(int, command);
    QFETCH(int, block);
    QFETCH(int, kind);
    QFETCH(QStringList, shown);
    QFETCH(bool, linkLost);

    FormRig rig(steady(200));
    selectModel(rig, M24C04);
    ChipBuffer &state = rig->chip();
    QByteArray &chip = rig.box.chip(M24C04);
    chip = BoxCore::demoPattern(M24C04);
    const QByteArray chipBefore = chip;
    // The verify's buffer matches the chip, so that its retry below passes.
    state.replace(op == Verify ? chip : pattern(512, 11));
    const QByteArray bufferBefore = state.DataBuffer();
    HexView *view = rig->hexView();
    view->scrPage()->setValue(1);
    const QString cellBefore = view->model()->data(view->model()->index(3, 4)).toString();

    rig.box.addFault(fault(BoxFault::Kind(kind), command, block));
    rig->hide();  // see wholeChip
    Watch watch(rig);
    const bool writes = op == Write || op == Erase;
    start(rig, Op(op), true);

    // Nothing is sent after the frame that failed.
    const int sent = block >= 0 ? 2 + block + 1 : (command == Select ? 2 : 1);
    QCOMPARE(rig.frames().size(), sent);
    QCOMPARE(quint8(rig.frames().last().at(0)), quint8(command));

    QMap<QString, ScriptedDialogs::Call> texts;
    const auto call = [](const QString &text, const QString &title, Dialogs::Icon icon) {
        ScriptedDialogs::Call c;
        c.text = text;
        c.title = title;
        c.icon = icon;
        return c;
    };
    const QString &hint = Texts::FailureHint();
    texts["hint"] = call(hint, WarningTitle, Dialogs::Icon::Warning);
    texts["plain"] = call(hint, Texts::AppTitle(), Dialogs::Icon::None);
    texts["readBlock"] = call(ReadBlockFailed, WarningTitle, Dialogs::Icon::Warning);
    texts["writeBlock"] = call(WriteBlockFailed, WarningTitle, Dialogs::Icon::Warning);
    texts["verifyBlock"] =
        call(QStringLiteral("校验片失败,") + hint, WarningTitle, Dialogs::Icon::Warning);
    auto calls = rig.dialogs.messages();
    if (writes)
        QCOMPARE(calls.takeFirst().text, op == Write ? WriteConfirm : EraseConfirm);
    QCOMPARE(calls.size(), shown.size());
    for (int i = 0; i < shown.size(); ++i) {
        const ScriptedDialogs::Call &want = texts.value(shown[i]);
        QCOMPARE(calls[i].text, want.text);
        QCOMPARE(calls[i].title, want.title);
        QCOMPARE(calls[i].icon, want.icon);
        QCOMPARE(calls[i].buttons, Dialogs::Buttons::Ok);
    }

    // Every failure box is shown over the progress display, which still shows
    // the blocks done before the failing one (4 of 0..63).
    const Progress atFailure = watch.atMessage.value(writes ? 1 : 0);
    QCOMPARE(atFailure.shown, 3);
    QCOMPARE(atFailure.caption, block < 0 ? QStringLiteral("0.00%") : QStringLiteral(" 6.35%"));
    QCOMPARE(atFailure.bar, block < 0 ? 0 : 6);
    QCOMPARE(progressOf(rig).shown, 0);

    if (linkLost) {
        QVERIFY(rig.isOffline());
        QVERIFY(!rig.operationsEnabled());
        QVERIFY(!rig.find<QMenu>("icoprate")->isEnabled());
    } else {
        QVERIFY(endedIdle(rig));
    }

    // The buffer and the view are untouched by every failure, the read's too.
    QCOMPARE(state.DataBuffer(), bufferBefore);
    QCOMPARE(view->CurrentPage, 1);
    QCOMPARE(view->model()->page(), 1);
    QCOMPARE(view->model()->data(view->model()->index(3, 4)).toString(), cellBefore);
    // Blocks before the failing one are done, those after it untouched.
    if (writes && block >= 0) {
        const QByteArray done =
            op == Write ? bufferBefore.left(block * 8) : QByteArray(block * 8, '\xFF');
        QCOMPARE(chip.left(block * 8), done);
        QCOMPARE(chip.mid((block + 1) * 8), chipBefore.mid((block + 1) * 8));
    } else {
        QCOMPARE(chip, chipBefore);
    }

    // Ended as an operation ends, the next attempt runs and succeeds.
    if (!linkLost) {
        rig.box.clearFaults();
        rig.dialogs.clear();
        start(rig, Op(op));
        const QString done[] = {ReadDone, WriteDone, VerifyDone, EraseDone};
        const QStringList messages = rig.dialogs.messageTexts();
        QVERIFY(!messages.isEmpty());
        QCOMPARE(messages.last(), done[op]);
    }
}

// --- The verify's difference report -----------------------------------------

void ChipOperationsTest::verifyNamesTheFirstDifference_data() {
    QTest::addColumn<int>("model");
    QTest::addColumn<QList<int>>("positions");  // chip bytes made to differ
    QTest::addColumn<int>("pcByte");            // buffer byte at the first
    QTest::addColumn<int>("chipByte");          // chip byte at the first
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("blocksRead");
    QTest::addColumn<QString>("caption");  // blocks before the differing one

    QTest::newRow("24C02 position 0, 00H against FFH")
        << M24C02 << QList<int>{0} << 0x00 << 0xFF << report("0000", "0", "FF") << 1 << "0.00%";
    QTest::newRow("24C02 two differences in block 2")
        << M24C02 << QList<int>{0x13, 0x15} << 0x05 << 0x5A << report("0013", "5", "5A") << 3
        << " 3.23%";
    QTest::newRow("93C46 fourth byte of block 1")
        << M93C46 << QList<int>{11} << 0xA0 << 0x0A << report("000B", "A0", "A") << 2 << " 0%";
    QTest::newRow("24C512 last byte") << M24C512 << QList<int>{0xFFFF} << 0x12 << 0xFF
                                      << report("FFFF", "12", "FF") << 8192 << " 99.99%";
}

void ChipOperationsTest::verifyNamesTheFirstDifference() {
    QFETCH(int, model);
    QFETCH(QList<int>, positions);
    QFETCH(int, pcByte);
    QFETCH(int, chipByte);
    QFETCH(QString, text);
    QFETCH(int, blocksRead);
    QFETCH(QString, caption);

    FormRig rig(steady());
    selectModel(rig, model);
    ChipBuffer &state = rig->chip();
    state.replace(pattern(int(state.DataBuffer().size()), 1));
    QByteArray &chip = rig.box.chip(model);
    chip = state.DataBuffer();
    {
        QByteArray bytes = state.DataBuffer();
        bytes[positions.first()] = char(pcByte);
        state.replace(bytes);
    }
    chip[positions.first()] = char(chipByte);
    for (int p : positions.mid(1))
        chip[p] = char(~chip.at(p));
    const QByteArray bufferBefore = state.DataBuffer();
    rig->hide();  // see wholeChip

    Watch watch(rig);
    rig.click("Command8");

    const auto blockReads = rig.framesWithCode(BlockRead);
    QCOMPARE(blockReads.size(), blocksRead);
    QCOMPARE(blockReads.last(), blockFrame(BlockRead, model, blocksRead - 1));
    QCOMPARE(rig.frames().size(), 2 + blocksRead);

    const auto calls = rig.dialogs.messages();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.first().text, text);
    QCOMPARE(calls.first().title, WarningTitle);
    QCOMPARE(calls.first().icon, Dialogs::Icon::Warning);
    QCOMPARE(watch.atMessage.first().shown, 3);
    QCOMPARE(watch.atMessage.first().caption, caption);
    QVERIFY(endedIdle(rig));
    QVERIFY(!rig->operations().VerifyPassed);
    QCOMPARE(rig->operations().VerifyPosition, positions.first());
    QCOMPARE(state.DataBuffer(), bufferBefore);
}

// --- Auto -------------------------------------------------------------------

void ChipOperationsTest::autoRunsWriteThenVerify_data() {
    QTest::addColumn<bool>("writeConfirmed");
    QTest::addColumn<bool>("chipHoldsBuffer");
    QTest::addColumn<int>("writeFault");       // command whose fault ends the write, 0: none
    QTest::addColumn<QStringList>("outcome");  // after the two confirmations
    QTest::addColumn<int>("writeFrames");

    // The buffer holds 03H, 0AH, ...; the chip is blank unless it already
    // holds the buffer. Only a write that ran to its end is verified: a
    // declined or failed one never ends in the combined success text.
    QTest::newRow("write declined, chip already right") << false << true << 0 << QStringList{} << 0;
    QTest::newRow("write declined, chip blank") << false << false << 0 << QStringList{} << 0;
    QTest::newRow("both confirmed") << true << false << 0 << QStringList{AutoDone} << 2 + 64;
    QTest::newRow("write refused at block 5")
        << true << false << int(BlockWrite) << QStringList{WriteBlockFailed} << 2 + 6;
    QTest::newRow("write refused at block 5, chip already right")
        << true << true << int(BlockWrite) << QStringList{WriteBlockFailed} << 2 + 6;
    QTest::newRow("write-open refused")
        << true << false << int(WriteOpen) << QStringList{QStringLiteral("hint")} << 1;
}

void ChipOperationsTest::autoRunsWriteThenVerify() {
    QFETCH(bool, writeConfirmed);
    QFETCH(bool, chipHoldsBuffer);
    QFETCH(int, writeFault);
    QFETCH(QStringList, outcome);
    QFETCH(int, writeFrames);

    FormRig rig(steady());
    selectModel(rig, M24C04);
    ChipBuffer &state = rig->chip();
    state.replace(pattern(512, 3));
    if (chipHoldsBuffer)
        rig.box.chip(M24C04) = state.DataBuffer();
    if (writeFault == BlockWrite)
        rig.box.addFault(fault(BoxFault::Kind::WrongCode, BlockWrite, 5));
    else if (writeFault == WriteOpen)
        rig.box.addFault(fault(BoxFault::Kind::WrongCode, WriteOpen));
    rig.dialogs.answers = {Dialogs::Answer::Yes,
                           writeConfirmed ? Dialogs::Answer::Yes : Dialogs::Answer::No};

    rig.click("Command10");

    const auto calls = rig.dialogs.messages();
    QCOMPARE(calls.size(), 2 + outcome.size());
    QCOMPARE(calls[0].text, AutoConfirm);
    QCOMPARE(calls[1].text, WriteConfirm);
    for (int i : {0, 1}) {
        QCOMPARE(calls[i].title, WarningTitle);
        QCOMPARE(calls[i].icon, Dialogs::Icon::Question);
        QCOMPARE(calls[i].buttons, Dialogs::Buttons::YesNo);
    }
    for (int i = 0; i < outcome.size(); ++i)
        QCOMPARE(calls[2 + i].text,
                 outcome[i] == QLatin1String("hint") ? Texts::FailureHint() : outcome[i]);
    const bool verified = outcome.value(0) == AutoDone;
    if (verified)
        QCOMPARE(calls.last().title, SuccessTitle);

    // The write's frames, then a whole verify only after a whole write.
    const auto frames = rig.frames();
    const int readFrames = verified ? 2 + 64 : 0;
    QCOMPARE(int(frames.size()), writeFrames + readFrames);
    QCOMPARE(int(rig.framesWithCode(BlockRead).size()), verified ? 64 : 0);
    for (int i = 0; i < writeFrames; ++i)
        QVERIFY(quint8(frames[i].at(0)) != ReadOpen && quint8(frames[i].at(0)) != BlockRead);
    if (verified) {
        QCOMPARE(frames.value(writeFrames), FormRig::frame(ReadOpen));
        QCOMPARE(frames.value(writeFrames + 1), FormRig::frame(Select, {M24C04}));
    }
    QVERIFY(endedIdle(rig));
    QVERIFY(!rig->operations().AutoMode);

    // Auto over, a write alone reports its own success again.
    rig.dialogs.clear();
    rig.click("Command7");
    QCOMPARE(rig.dialogs.messageTexts(), (QStringList{WriteConfirm, WriteDone}));
}

// --- "No" to a confirmation -------------------------------------------------

void ChipOperationsTest::declinedConfirmationSendsNothing_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("question");
    QTest::newRow("Command7") << "Command7" << WriteConfirm;
    QTest::newRow("cwriteee") << "cwriteee" << WriteConfirm;
    QTest::newRow("Command9") << "Command9" << EraseConfirm;
    QTest::newRow("ccrease") << "ccrease" << EraseConfirm;
    QTest::newRow("Command10") << "Command10" << AutoConfirm;
    QTest::newRow("cauto") << "cauto" << AutoConfirm;
}

void ChipOperationsTest::declinedConfirmationSendsNothing() {
    QFETCH(QString, control);
    QFETCH(QString, question);

    FormRig rig(steady());
    rig.clearFrames();
    rig.dialogs.defaultAnswer = Dialogs::Answer::No;
    const QByteArray chipBefore = rig.box.chip(M24C02);
    if (control.startsWith(QLatin1String("Command")))
        rig.click(qPrintable(control));
    else
        rig.trigger(qPrintable(control));

    const auto calls = rig.dialogs.messages();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.first().text, question);
    QCOMPARE(calls.first().title, WarningTitle);
    QCOMPARE(calls.first().icon, Dialogs::Icon::Question);
    QCOMPARE(calls.first().buttons, Dialogs::Buttons::YesNo);
    QVERIFY(rig.frames().isEmpty());
    QCOMPARE(rig.box.chip(M24C02), chipBefore);
    QVERIFY(endedIdle(rig));
    QVERIFY(!rig->operations().AutoMode);
}

// --- While an operation runs ------------------------------------------------

void ChipOperationsTest::nothingReplacesTheBufferDuringAnOperation_data() {
    QTest::addColumn<int>("op");
    for (Op op : {Read, Write, Verify, Erase, Auto})
        QTest::newRow(OpNames[op]) << int(op);
}

void ChipOperationsTest::nothingReplacesTheBufferDuringAnOperation() {
    QFETCH(int, op);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("other.BIN"));
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(QByteArray(512, '\x33')), qint64(512));
    }

    FormRig rig(steady());
    selectModel(rig, M24C04);
    ChipBuffer &state = rig->chip();
    QByteArray &chip = rig.box.chip(M24C04);
    chip = BoxCore::demoPattern(M24C04);
    state.replace(op == Verify ? chip : pattern(512, 5));
    const QByteArray bufferBefore = state.DataBuffer();
    const QString statusBefore = rig->statusText();
    auto *combo = rig.find<QComboBox>("Combo1");

    // While block 3 waits: another model, "新建", a file, the online check
    // and the other operations.
    Watch watch(rig);
    watch.whenReplied(6, [&] {
        combo->setCurrentIndex(M93C46);
        emit combo->activated(M93C46);
        rig.trigger("fnew");
        rig.dialogs.fileNames << file;
        rig.click("Command4");
        rig.trigger("fopen");
        rig->supervision().check();
        for (const char *item : MenuItems)
            rig.trigger(item);
    });
    start(rig, Op(op));
    QVERIFY(watch.acted());

    QCOMPARE(state.ChipCode(), M24C04);
    QCOMPARE(state.BlockCount(), 63);
    QCOMPARE(combo->currentIndex(), M24C04);
    // A read says where the buffer now comes from; nothing else changed panel 1.
    QCOMPARE(rig->statusText(), op == Read ? ChipOperations::readStatus(M24C04) : statusBefore);
    QCOMPARE(state.DataBuffer(), op == Read ? chip : bufferBefore);
    QCOMPARE(rig.framesWithCode(Check).size(), 0);
    const int rounds = op == Auto ? 2 : 1;
    QCOMPARE(rig.framesWithCode(Select).size(), rounds);
    QCOMPARE(rig.frames().size(), rounds * (2 + 64));
    // Only the operation's own boxes: none of the others started.
    const QString last[] = {ReadDone, WriteDone, VerifyDone, EraseDone, AutoDone};
    const int confirmations[] = {0, 1, 0, 1, 2};
    QCOMPARE(rig.dialogs.messages().size(), confirmations[op] + 1);
    QCOMPARE(rig.dialogs.messageTexts().last(), last[op]);
    QVERIFY(endedIdle(rig));
}

void ChipOperationsTest::everyCommandOfferedDuringAnOperation_data() {
    QTest::addColumn<int>("op");
    for (Op op : {Read, Write, Verify, Auto})
        QTest::newRow(OpNames[op]) << int(op);
}

void ChipOperationsTest::everyCommandOfferedDuringAnOperation() {
    QFETCH(int, op);
    FormRig rig(FormRig::roomy());
    selectModel(rig, M24C04);
    QByteArray &chip = rig.box.chip(M24C04);
    chip = BoxCore::demoPattern(M24C04);
    rig->chip().replace(op == Verify ? chip : pattern(512, 5));
    const QByteArray bufferBefore = rig->chip().DataBuffer();
    // The operation's confirmations are answered Yes, every other question
    // No; each window stays open far past the reply time-out.
    rig.dialogs.answers = QList<Dialogs::Answer>(op == Auto    ? 2
                                                 : op == Write ? 1
                                                               : 0,
                                                 Dialogs::Answer::Yes);
    rig.dialogs.defaultAnswer = Dialogs::Answer::No;
    bool running = false;
    rig.dialogs.onCall = [&](const ScriptedDialogs::Call &) {
        if (running)
            FormRig::pause(3 * rig.options.timings.replyTimeout);
    };

    // At block 10, everything the window offers at that moment, but "停止"
    // and its Esc, which are there to end it (tst_bench_tools tries them).
    const QStringList stops = {"actStop", "cmdStop"};
    QStringList offered;
    rig.afterFrames(2 + 10, [&] {
        running = true;
        for (QAction *item : rig->findChildren<QAction *>())
            if (item->isEnabled() && !item->menu() && !item->isSeparator() &&
                !item->objectName().isEmpty() && !stops.contains(item->objectName())) {
                offered << item->objectName();
                item->trigger();
            }
        for (QToolButton *button : rig.find("toolBar")->findChildren<QToolButton *>())
            if (button->isEnabled() && button->isVisible() &&
                !stops.contains(button->objectName())) {
                offered << button->objectName();
                button->click();
            }
        running = false;
    });
    start(rig, Op(op));

    QVERIFY(offered.contains(QStringLiteral("fquit")));
    for (const char *buffer : {"fopen", "fsave", "fnew", "fcompare", "ffill", "fgoto", "ffind",
                               "c24512", "Command4", "Command2"})
        QVERIFY2(!offered.contains(QLatin1String(buffer)), buffer);
    const QString last[] = {ReadDone, WriteDone, VerifyDone, EraseDone, AutoDone};
    QCOMPARE(rig.dialogs.messageTexts().last(), last[op]);
    QCOMPARE(rig->chip().DataBuffer(), op == Read ? chip : bufferBefore);
    QCOMPARE(chip, op == Read || op == Verify ? BoxCore::demoPattern(M24C04) : bufferBefore);
    QVERIFY(rig->isVisible());
    QVERIFY(endedIdle(rig));
}

void ChipOperationsTest::clicksDuringTheOnlineCheckAreIgnored() {
    FormRig rig(steady());
    rig.clearFrames();
    Watch watch(rig);
    watch.whenReplied(1, [&] {
        for (const char *button : Buttons)
            rig.click(button);
    });
    rig->supervision().check();

    QVERIFY(watch.acted());
    QCOMPARE(rig.frames(), QList<QByteArray>{FormRig::frame(Check)});
    QVERIFY(rig.dialogs.calls.isEmpty());
    QVERIFY(endedIdle(rig));
}

void ChipOperationsTest::strayBytesNeverHoldAClick() {
    FormRig rig(steady());
    rig.clearFrames();
    // Three bytes nobody asked for: the link waits for the rest of a "reply"
    // (for the receive time-out, started after this timer and far longer).
    bool pending = false;
    QTimer::singleShot(50, rig.port, [&] {
        pending = rig->link().state() == ProgrammerLink::State::Receiving;
        rig.click("Command6");
    });
    rig.port->injectBytes(QByteArray::fromHex("a5a5a5"));
    QTRY_COMPARE_WITH_TIMEOUT(rig.dialogs.messageTexts(), QStringList{ReadDone}, 5000);
    QVERIFY(pending);
    QCOMPARE(rig.frames().size(), 2 + 32);
    QCOMPARE(rig->chip().DataBuffer(), rig.box.chip(M24C02));
}

void ChipOperationsTest::lostLinkKeepsTheOperationsOff_data() {
    QTest::addColumn<int>("op");
    for (Op op : {Write, Verify, Erase, Auto})
        QTest::newRow(OpNames[op]) << int(op);
}

void ChipOperationsTest::lostLinkKeepsTheOperationsOff() {
    QFETCH(int, op);
    FormRig rig(steady(200));
    selectModel(rig, M24C04);
    rig.box.chip(M24C04) = rig->chip().DataBuffer();
    // The cable is pulled while block 3 waits: the port reports a line error
    // and closes, as the serial backend does.
    const int blockThree = 2 + 4;
    QObject scope;
    QObject::connect(&rig->link(), &ProgrammerLink::frameSent, &scope, [&] {
        if (rig.frames().size() == blockThree) {
            rig.port->raiseLineError();
            rig.port->close();
        }
    });
    start(rig, Op(op));

    QVERIFY(!rig.dialogs.messages().isEmpty());
    QVERIFY(rig.isOffline());
    QCOMPARE(rig.find<QLineEdit>("Text1")->palette().color(QPalette::Base), QColor(255, 0, 0));
    QVERIFY(!rig.operationsEnabled());
    for (const char *button : Buttons)
        QVERIFY2(!rig.button(button)->isEnabled(), button);
    QVERIFY(!rig.find<QMenu>("icoprate")->isEnabled());
    QCOMPARE(progressOf(rig).shown, 0);
}

void ChipOperationsTest::exitDuringAnOperationSendsNothingMore_data() {
    // Block 3 gets no reply; the exit is confirmed while the operation waits
    // for it.
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("blockCommand");
    QTest::addColumn<int>("framesBefore");  // of an earlier half
    QTest::addColumn<int>("boxesBefore");
    QTest::newRow("read") << int(Read) << int(BlockRead) << 0 << 0;
    QTest::newRow("write") << int(Write) << int(BlockWrite) << 0 << 1;
    QTest::newRow("verify") << int(Verify) << int(BlockRead) << 0 << 0;
    QTest::newRow("erase") << int(Erase) << int(BlockWrite) << 0 << 1;
    QTest::newRow("auto, in the write") << int(Auto) << int(BlockWrite) << 0 << 2;
    QTest::newRow("auto, in the verify") << int(Auto) << int(BlockRead) << 2 + 64 << 2;
}

void ChipOperationsTest::exitDuringAnOperationSendsNothingMore() {
    QFETCH(int, op);
    QFETCH(int, blockCommand);
    QFETCH(int, framesBefore);
    QFETCH(int, boxesBefore);

    FormRig rig(steady());
    selectModel(rig, M24C04);
    rig->chip().replace(rig.box.chip(M24C04));
    rig.box.addFault(fault(BoxFault::Kind::NoReply, blockCommand, 3));

    // While block 3 waits for the reply that never comes.
    Watch watch(rig);
    int sentBeforeExit = -1;
    QElapsedTimer sinceExit;
    rig.afterFrames(framesBefore + 2 + 4, [&] {
        sentBeforeExit = int(rig.frames().size());
        sinceExit.start();
        rig.click("Command12");
    });
    qint64 ended = -1;
    FormRig::runInApplicationLoop([&] {
        start(rig, Op(op));
        ended = sinceExit.isValid() ? sinceExit.elapsed() : -1;
    });

    QCOMPARE(sentBeforeExit, framesBefore + 2 + 4);
    QVERIFY(rig->link().QuitRequested);
    // The wait ended on the exit, long before the reply time-out would have.
    QVERIFY2(ended >= 0 && ended < 600, qPrintable(QString::number(ended)));
    QCOMPARE(int(rig.frames().size()), sentBeforeExit);
    // The exit question is the last box: no failure, no success after it.
    const QStringList texts = rig.dialogs.messageTexts();
    QCOMPARE(texts.size(), boxesBefore + 1);
    QCOMPARE(texts.last(), Texts::ExitQuestion());
    QVERIFY(!rig->link().port().isOpen());
    QVERIFY(rig->isHidden());
}

// --- What is painted ----------------------------------------------------------

// Counts the paints of the bar and of the percentage button.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(const QList<QWidget *> &widgets) {
        for (QWidget *w : widgets)
            w->installEventFilter(this);
    }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void ChipOperationsTest::progressIsPaintedWhileRunningAndUnderABox() {
    FormRig rig(steady());
    constexpr int M24C16 = 3;
    selectModel(rig, M24C16);  // 256 blocks
    // Each block takes 4 ms, as over a slow line; block 200 is refused.
    BoxFault slow = fault(BoxFault::Kind::Delay, BlockRead);
    slow.value = 4;
    slow.remaining = -1;
    rig.box.addFault(slow);
    rig.box.addFault(fault(BoxFault::Kind::WrongCode, BlockRead, 200));

    auto *bar = rig.find<QProgressBar>("ProgressBar1");
    auto *caption = rig.find<QPushButton>("Command3");
    PaintCounter counter({bar, caption});
    int atBox = -1, afterBox = -1;
    rig.dialogs.onCall = [&](const ScriptedDialogs::Call &) {
        // The box stays open a while: the display is still painted meanwhile.
        atBox = counter.paints;
        FormRig::pause(700);
        afterBox = counter.paints;
    };
    QElapsedTimer clock;
    clock.start();
    start(rig, Read);
    const qint64 ms = clock.elapsed();
    rig.dialogs.onCall = nullptr;

    QCOMPARE(rig.dialogs.messageTexts().size(), 2);  // the refusal and the hint
    // Painted about every 125 ms while it ran (each time both widgets): more
    // often than the slow timer alone would, far less than after every block.
    const qint64 runMs = ms - 700;
    const QString seen = QStringLiteral("%1 paints in %2 ms").arg(atBox).arg(runMs);
    QVERIFY2(atBox / 2 >= runMs / 180, qPrintable(seen));
    QVERIFY2(atBox / 2 <= runMs / 125 + 3, qPrintable(seen));
    QVERIFY2(afterBox > atBox, qPrintable(QStringLiteral("%1 -> %2").arg(atBox).arg(afterBox)));
}

void ChipOperationsTest::failureBoxFindsTheProgressPainted() {
    FormRig rig(steady());
    constexpr int M24C16 = 3;
    selectModel(rig, M24C16);
    rig.box.addFault(fault(BoxFault::Kind::WrongCode, BlockRead, 5));
    auto *caption = rig.find<QPushButton>("Command3");
    // What the percentage button last showed on screen.
    class PaintedText : public QObject {
    public:
        QString text;
        bool eventFilter(QObject *watched, QEvent *event) override {
            if (event->type() == QEvent::Paint)
                text = static_cast<QPushButton *>(watched)->text();
            return false;
        }
    } painted;
    caption->installEventFilter(&painted);
    QStringList atBox;
    rig.dialogs.onCall = [&](const ScriptedDialogs::Call &) {
        atBox << painted.text + QLatin1Char('|') + caption->text();
    };
    start(rig, Read);

    // Both boxes stand over the blocks done, not over "0.00%" of a paint
    // held back to spare the exchanges.
    const QString shown = QStringLiteral(" 1.57%");
    QCOMPARE(atBox, (QStringList{shown + '|' + shown, shown + '|' + shown}));
}

QTEST_MAIN(ChipOperationsTest)
#include "tst_chip_operations.moc"
