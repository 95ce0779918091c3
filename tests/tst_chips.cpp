// Choosing a chip model, the paged hex view of the buffer and editing single
// bytes in it.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>

#include "hexview/hex_view.h"
#include "support/form_rig.h"
#include "support/test_files.h"

namespace {

using TestFiles::pattern;

constexpr quint8 ChipSelect = 0xFA;

const QString UnsavedQuestion =
    QStringLiteral("缓冲区中的数据已被修改，还没有保存或写入芯片。是否先保存这些修改？");

const QString EditPrompt = QStringLiteral(
    "请输入一个十六进制数值，数值不应超过FFH！！\r\n\r\n这个数据只能是0－9或A－F或它们的组合！！");

QComboBox *combo(const FormRig &rig) {
    return rig.find<QComboBox>("Combo1");
}

QString cell(const FormRig &rig, int row, int column) {
    const QAbstractItemModel *model = rig->hexView()->lstHex()->model();
    return model->data(model->index(row, column)).toString();
}

// The page as the user sees it: sixteen row labels, then the cells row by row.
QStringList shownPage(const FormRig &rig) {
    QStringList page;
    for (int r = 0; r < 16; ++r) {
        QString row = rig->hexView()->lblAddr(r)->text();
        for (int c = 0; c < 16; ++c)
            row += QLatin1Char(' ') + cell(rig, r, c);
        page << row;
    }
    return page;
}

// What page p of `buffer` must look like, `rows` rows filled.
QStringList expectedPage(const QByteArray &buffer, int p, int rows = 16) {
    QStringList page;
    for (int r = 0; r < 16; ++r) {
        QString row = QString::asprintf("%06X:", p * 256 + r * 16);
        for (int c = 0; c < 16; ++c)
            row += r < rows ? QString::asprintf(" %02X", quint8(buffer.at(p * 256 + r * 16 + c)))
                            : QStringLiteral(" ");
        page << row;
    }
    return page;
}

void selectCell(FormRig &rig, int row, int column) {
    QTableView *grid = rig->hexView()->lstHex();
    grid->selectionModel()->setCurrentIndex(grid->model()->index(row, column),
                                            QItemSelectionModel::ClearAndSelect);
}

// Edits byte (row, column) of page `page` as the user does, by the input box.
void editByte(FormRig &rig, int page, int row, int column, const char *value) {
    rig->hexView()->scrPage()->setValue(page);
    selectCell(rig, row, column);
    rig.dialogs.inputs << QLatin1String(value);
    emit rig->hexView()->lstHexDoubleClicked();
}

void wheel(QWidget *widget, int delta) {
    const QPointF at(widget->width() / 2, widget->height() / 2);
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

}  // namespace

class ChipsTest : public QObject {
    Q_OBJECT

private slots:
    void menuSelectsEachModel_data();
    void menuSelectsEachModel();
    void comboSelectsOfflineWithoutSending_data();
    void comboSelectsOfflineWithoutSending();
    void newAlwaysEndsWith24C02();
    void wheelNeedsTheModelBoxFocused();
    void unsavedEditsAskBeforeANewBuffer_data();
    void unsavedEditsAskBeforeANewBuffer();
    void savedOrWrittenEditsAskNothing();
    void nothingReplacesTheBufferDuringAnOperation();
    void actionsWhileTheBoxIsToldStayInForce_data();
    void actionsWhileTheBoxIsToldStayInForce();
    void pagesOf24C512();
    void editingInputs_data();
    void editingInputs();
    void realDoubleClickEditsTheCell();
    void doubleClickWithoutAByteChangesNothing();
};

void ChipsTest::menuSelectsEachModel_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("series");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("capacity");
    const struct {
        const char *item, *series, *name;
        int capacity;
    } rows[] = {
        {"c2402", "xilie24", "24C02", 256},     {"c2404", "xilie24", "24C04", 512},
        {"c2408", "xilie24", "24C08", 1024},    {"c2416", "xilie24", "24C16", 2048},
        {"c2432", "xilie24", "24C32", 4096},    {"c2464", "xilie24", "24C64", 8192},
        {"c24128", "xilie24", "24C128", 16384}, {"c24256", "xilie24", "24C256", 32768},
        {"c24512", "xilie24", "24C512", 65536}, {"C93c46", "xilie93", "93C46", 128},
        {"C93c56", "xilie93", "93C56", 256},    {"C93c66", "xilie93", "93C66", 512},
        {"C93c76", "xilie93", "93C76", 1024},   {"C93c86", "xilie93", "93C86", 2048},
    };
    int code = 0;
    for (const auto &r : rows) {
        QTest::newRow(r.name) << code << r.item << r.series << r.name << r.capacity;
        ++code;
    }
}

void ChipsTest::menuSelectsEachModel() {
    QFETCH(int, code);
    QFETCH(QString, item);
    QFETCH(QString, series);
    QFETCH(QString, name);
    QFETCH(int, capacity);
    FormRig rig(FormRig::patient());
    QVERIFY(rig.isOnline());
    QAction *action = rig.action(qPrintable(item));
    QVERIFY(action);
    QVERIFY(rig.find<QMenu>(qPrintable(series))->actions().contains(action));
    ChipBuffer &chip = rig->chip();
    QScrollBar *scroll = rig->hexView()->scrPage();

    // Twice: choosing the model already selected starts afresh as well.
    for (int round = 0; round < 2; ++round) {
        chip.replace(QByteArray(chip.size(), '\x00'));
        scroll->setValue(scroll->maximum());
        rig.clearFrames();
        action->trigger();

        QCOMPARE(combo(rig)->count(), 14);
        QCOMPARE(combo(rig)->currentIndex(), code);
        QCOMPARE(combo(rig)->currentText(), name);
        QCOMPARE(chip.ModelCapacity[code], capacity);
        QCOMPARE(chip.DataBuffer(), QByteArray(capacity, '\xFF'));
        QCOMPARE(chip.ChipCode(), code);
        QCOMPARE(chip.BlockCount(), capacity / 8 - 1);
        QCOMPARE(scroll->maximum(), (capacity - 1) / 256);
        QCOMPARE(scroll->value(), 0);
        QCOMPARE(rig->hexView()->CurrentPage, 0);
        QCOMPARE(shownPage(rig), expectedPage(chip.DataBuffer(), 0, capacity == 128 ? 8 : 16));
        QCOMPARE(
            rig->statusText(),
            QStringLiteral("您还没有打开文件，您选择芯片为%1，芯片容量为%2字节，缓冲区为全 FF。 ")
                .arg(name)
                .arg(capacity));
        // Online: the box is told, once or twice, always the same frame.
        const QList<QByteArray> frames = rig.frames();
        QVERIFY(!frames.isEmpty());
        for (const QByteArray &f : frames)
            QCOMPARE(f, FormRig::frame(ChipSelect, {quint8(code)}));
        QCOMPARE(rig.box.selectedModel(), code);
    }
}

void ChipsTest::comboSelectsOfflineWithoutSending_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("code");
    QTest::newRow("93C46") << 9 << 9;
    QTest::newRow("24C512") << 8 << 8;
    QTest::newRow("index 13") << 13 << 13;
    QTest::newRow("no index") << -1 << 13;
}

void ChipsTest::comboSelectsOfflineWithoutSending() {
    QFETCH(int, index);
    QFETCH(int, code);
    // Offline by the indicator, with the port still open: the text decides.
    FormRig rig(FormRig::patient());
    rig->online().gooffline();
    rig.clearFrames();
    rig.chooseModel(index);
    const int capacity = rig->chip().ModelCapacity[code];
    QCOMPARE(combo(rig)->currentIndex(), code);
    QCOMPARE(rig->chip().ChipCode(), code);
    QCOMPARE(rig->chip().BlockCount(), capacity / 8 - 1);
    QCOMPARE(rig->chip().DataBuffer(), QByteArray(capacity, '\xFF'));
    QVERIFY(rig->statusText().contains(combo(rig)->currentText()));
    QVERIFY(rig.frames().isEmpty());
    QVERIFY(rig.dialogs.calls.isEmpty());
}

void ChipsTest::newAlwaysEndsWith24C02() {
    FormRig rig(FormRig::patient());
    const QString status = QStringLiteral(
        "您还没有打开文件，默认新建文件芯片为24C02，芯片容量为256字节，缓冲区为全 FF。 ");
    // A real pick in the combo box, as the user makes it.
    QTest::keyClick(combo(rig), Qt::Key_Down);
    QCOMPARE(rig->chip().ChipCode(), 1);
    QCOMPARE(rig->chip().DataBuffer().size(), 512);

    for (int from : {1, 8, 9, 13, 0}) {
        rig.chooseModel(from);
        rig->chip().replace(QByteArray(1, '\x00') + rig->chip().DataBuffer().mid(1));
        rig.clearFrames();
        rig.trigger("fnew");
        QCOMPARE(combo(rig)->currentIndex(), 0);
        QCOMPARE(rig->chip().ChipCode(), 0);
        QCOMPARE(rig->chip().BlockCount(), 31);
        QCOMPARE(rig->chip().DataBuffer(), QByteArray(256, '\xFF'));
        QCOMPARE(rig->hexView()->scrPage()->maximum(), 0);
        QCOMPARE(rig->statusText(), status);
        QVERIFY(!rig.frames().isEmpty());
        QCOMPARE(rig.frames().last(), FormRig::frame(ChipSelect, {0}));
    }
}

void ChipsTest::wheelNeedsTheModelBoxFocused() {
    FormRig rig(FormRig::patient());
    rig.chooseModel(5);
    rig->chip().replace(pattern(8192));
    rig.clearFrames();

    // The pointer rests on the box on its way to the grid: nothing changes.
    QVERIFY(!combo(rig)->hasFocus());
    wheel(combo(rig), -120);
    wheel(combo(rig), 120);
    QCOMPARE(combo(rig)->currentIndex(), 5);
    QCOMPARE(rig->chip().ChipCode(), 5);
    QCOMPARE(rig->chip().DataBuffer(), pattern(8192));
    QVERIFY(rig.frames().isEmpty());

    // Clicked into first, the box takes the wheel as a choice.
    rig->activateWindow();
    QApplication::setActiveWindow(rig.form.get());
    combo(rig)->setFocus();
    QTRY_VERIFY(combo(rig)->hasFocus());
    wheel(combo(rig), -120);
    QCOMPARE(combo(rig)->currentIndex(), 6);
    QCOMPARE(rig->chip().ChipCode(), 6);
    QCOMPARE(rig.frames().value(0), FormRig::frame(ChipSelect, {6}));
}

void ChipsTest::unsavedEditsAskBeforeANewBuffer_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<Dialogs::Answer>("answer");
    QTest::addColumn<bool>("saveDialogCancelled");
    using A = Dialogs::Answer;
    for (const char *how : {"menu", "combo", "new", "read", "open"}) {
        QTest::addRow("%s, cancel", how) << how << A::Cancel << false;
        QTest::addRow("%s, discard", how) << how << A::Discard << false;
        QTest::addRow("%s, save", how) << how << A::Save << false;
        QTest::addRow("%s, save dialog cancelled", how) << how << A::Save << true;
    }
}

void ChipsTest::unsavedEditsAskBeforeANewBuffer() {
    QFETCH(QString, how);
    QFETCH(Dialogs::Answer, answer);
    QFETCH(bool, saveDialogCancelled);
    FormRig rig(FormRig::patient());
    QTemporaryDir dir;
    const QString image = dir.filePath(QStringLiteral("image.bin"));
    const QString saved = dir.filePath(QStringLiteral("saved.bin"));
    QVERIFY(TestFiles::writeFile(image, pattern(512, 7)));
    rig.box.chip(1) = pattern(512, 9);
    rig.chooseModel(1);
    editByte(rig, 1, 2, 3, "5A");
    const QByteArray edited = rig->chip().DataBuffer();
    QCOMPARE(edited.at(256 + 2 * 16 + 3), '\x5A');
    const QStringList pageBefore = shownPage(rig);
    const QString status = rig->statusText();
    rig.dialogs.clear();
    rig.clearFrames();
    rig.dialogs.answers = {answer};
    if (answer == Dialogs::Answer::Save && !saveDialogCancelled)
        rig.dialogs.fileNames << saved;
    if (how == "open")
        rig.dialogs.fileNames << image;

    const auto choose = [&] {
        if (how == "menu")
            rig.trigger("C93c46");
        else if (how == "combo")
            rig.chooseModel(9);
        else if (how == "new")
            rig.trigger("fnew");
        else if (how == "read")
            rig.trigger("cread");
        else
            rig.trigger("fopen");
    };
    choose();

    // One question, before anything else; the save dialog when saving.
    const auto calls = rig.dialogs.calls;
    QVERIFY(!calls.isEmpty());
    QCOMPARE(calls[0].text, UnsavedQuestion);
    QCOMPARE(calls[0].title, QStringLiteral("询问信息"));
    QCOMPARE(calls[0].icon, Dialogs::Icon::Question);
    QCOMPARE(calls[0].buttons, Dialogs::Buttons::SaveDiscardCancel);
    if (answer == Dialogs::Answer::Save)
        QCOMPARE(calls.value(1).kind, ScriptedDialogs::Kind::SaveFile);
    QCOMPARE(QFileInfo::exists(saved), answer == Dialogs::Answer::Save && !saveDialogCancelled);
    if (QFileInfo::exists(saved))
        QCOMPARE(TestFiles::readFile(saved), edited);

    if (answer == Dialogs::Answer::Cancel || saveDialogCancelled) {
        // Model, buffer, view and status as they were; the box is not told.
        QCOMPARE(rig->chip().ChipCode(), 1);
        QCOMPARE(combo(rig)->currentIndex(), 1);
        QCOMPARE(rig->chip().DataBuffer(), edited);
        QCOMPARE(rig->hexView()->CurrentPage, 1);
        QCOMPARE(shownPage(rig), pageBefore);
        QCOMPARE(rig->statusText(), status);
        QVERIFY(rig.frames().isEmpty());
        return;
    }
    const int chosen = how == "new" ? 0 : how == "menu" || how == "combo" ? 9 : 1;
    QCOMPARE(rig->chip().ChipCode(), chosen);
    QCOMPARE(combo(rig)->currentIndex(), chosen);
    const QByteArray expected = how == "read" ? rig.box.chip(1)
                                : how == "open"
                                    ? pattern(512, 7)
                                    : QByteArray(rig->chip().ModelCapacity[chosen], '\xFF');
    QCOMPARE(rig->chip().DataBuffer(), expected);
    // The edits are gone: the next choice asks nothing.
    QVERIFY(!rig->chip().unsavedEdits());
    rig.dialogs.clear();
    rig.dialogs.fileNames << image;
    choose();
    QVERIFY(!rig.dialogs.messageTexts().contains(UnsavedQuestion));
}

void ChipsTest::savedOrWrittenEditsAskNothing() {
    FormRig rig(FormRig::patient());
    QTemporaryDir dir;
    for (const char *then : {"save", "write", "read", "open"}) {
        rig.chooseModel(0);
        editByte(rig, 0, 0, 0, "01");
        rig.dialogs.clear();
        // A read or a load asks first, and is told to let the edits go.
        if (QByteArray(then) == "read" || QByteArray(then) == "open")
            rig.dialogs.answers = {Dialogs::Answer::Discard};
        if (QByteArray(then) == "save" || QByteArray(then) == "open")
            rig.dialogs.fileNames << dir.filePath(QStringLiteral("saved.bin"));
        if (QByteArray(then) == "save")
            rig.trigger("fsave");
        else if (QByteArray(then) == "write")
            rig.click("Command7");
        else if (QByteArray(then) == "read")
            rig.click("Command6");
        else
            rig.trigger("fopen");
        QCOMPARE(rig.dialogs.messages().size(), QByteArray(then) == "save"   ? 0
                                                : QByteArray(then) == "open" ? 1
                                                                             : 2);
        rig.dialogs.clear();
        rig.trigger("c2404");
        QVERIFY2(rig.dialogs.calls.isEmpty(), then);
        QCOMPARE(rig->chip().ChipCode(), 1);
    }
}

void ChipsTest::nothingReplacesTheBufferDuringAnOperation() {
    FormRig rig(FormRig::patient());
    rig.chooseModel(4);
    ChipBuffer &chip = rig->chip();
    chip.replace(pattern(4096));
    rig->hexView()->scrPage()->setValue(3);
    const QString status = rig->statusText();
    rig.dialogs.fileNames << QStringLiteral("/nonexistent/any.bin");
    rig.dialogs.inputs << QStringLiteral("00");
    selectCell(rig, 0, 0);
    rig.clearFrames();

    {
        OperationScope running(chip, rig->link());
        rig.trigger("c24512");
        // Combo1 stays usable during an operation: the user's pick must not
        // stick, nor act.
        combo(rig)->setCurrentIndex(9);
        emit combo(rig)->activated(9);
        rig.trigger("fnew");
        rig.trigger("fopen");
        emit rig->hexView()->lstHexDoubleClicked();

        QCOMPARE(chip.DataBuffer(), pattern(4096));
        QCOMPARE(chip.ChipCode(), 4);
        QCOMPARE(chip.BlockCount(), 511);
        QCOMPARE(combo(rig)->currentIndex(), 4);
        QCOMPARE(rig->hexView()->CurrentPage, 3);
        QCOMPARE(rig->statusText(), status);
        QVERIFY(rig.frames().isEmpty());
        QVERIFY(rig.dialogs.calls.isEmpty());
    }
    // Once it has ended, the same pick works.
    combo(rig)->setCurrentIndex(9);
    emit combo(rig)->activated(9);
    QCOMPARE(chip.DataBuffer(), QByteArray(128, '\xFF'));
}

void ChipsTest::actionsWhileTheBoxIsToldStayInForce_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("meanwhile");
    QTest::newRow("menu, then combo") << "c24512"
                                      << "combo";
    QTest::newRow("new, then combo") << "fnew"
                                     << "combo";
    QTest::newRow("menu, then open") << "c24512"
                                     << "fopen";
}

void ChipsTest::actionsWhileTheBoxIsToldStayInForce() {
    QFETCH(QString, first);
    QFETCH(QString, meanwhile);
    FormRig rig(FormRig::patient());
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("ten.bin"));
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(pattern(10));
    }
    rig.dialogs.fileNames << file;
    // The box is slow to answer the chip select; the user acts meanwhile.
    BoxFault slow;
    slow.kind = BoxFault::Kind::Delay;
    slow.value = 60;
    slow.command = ChipSelect;
    slow.remaining = 1;
    rig.box.addFault(slow);
    rig.afterFrames(1, [&] {
        if (meanwhile == QLatin1String("combo"))
            rig.chooseModel(9);
        else
            rig.trigger("fopen");
    });
    rig.trigger(qPrintable(first));

    // Whatever came last is what the window shows.
    ChipBuffer &chip = rig->chip();
    if (meanwhile == QLatin1String("combo")) {
        QCOMPARE(chip.ChipCode(), 9);
        QCOMPARE(chip.DataBuffer(), QByteArray(128, '\xFF'));
        QCOMPARE(rig->statusText(),
                 QStringLiteral(
                     "您还没有打开文件，您选择芯片为93C46，芯片容量为128字节，缓冲区为全 FF。 "));
    } else {
        QCOMPARE(chip.ChipCode(), 8);
        QCOMPARE(chip.DataBuffer(), pattern(10) + QByteArray(65526, '\xFF'));
        QCOMPARE(rig->statusText(),
                 QStringLiteral("正在编辑：") + file + QStringLiteral("    文件大小为： 10字节"));
    }
}

void ChipsTest::pagesOf24C512() {
    FormRig rig(FormRig::offline());
    rig.chooseModel(8);
    rig->chip().replace(pattern(65536));
    rig->hexView()->showpage();
    QScrollBar *scroll = rig->hexView()->scrPage();
    QCOMPARE(scroll->maximum(), 255);
    QCOMPARE(shownPage(rig), expectedPage(rig->chip().DataBuffer(), 0));

    // The thumb held down: every position redraws at once.
    QElapsedTimer clock;
    clock.start();
    scroll->setSliderDown(true);
    for (int p = 1; p <= 255; ++p) {
        scroll->setSliderPosition(p);
        QCOMPARE(rig->hexView()->CurrentPage, p);
        QCOMPARE(rig->hexView()->lblAddr(15)->text(), QString::asprintf("%06X:", p * 256 + 240));
        QCOMPARE(cell(rig, 15, 15),
                 QString::asprintf("%02X", quint8(rig->chip().DataBuffer().at(p * 256 + 255))));
        rig->hexView()->lstHex()->viewport()->repaint();  // paint it, as on screen
    }
    scroll->setSliderDown(false);
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    const QStringList last = shownPage(rig);
    QCOMPARE(last, expectedPage(rig->chip().DataBuffer(), 255));
    QVERIFY(last.last().startsWith(QLatin1String("00FFF0:")));
    QCOMPARE(rig->focusWidget(), rig->hexView()->lstHex());

    // showpage always goes back to page 0.
    rig->hexView()->showpage();
    QCOMPARE(scroll->value(), 0);
    QCOMPARE(shownPage(rig), expectedPage(rig->chip().DataBuffer(), 0));

    QCOMPARE(HexView::FormatAddress(0xFFF0), QStringLiteral("000FFF0"));
    QCOMPARE(HexView::FormatAddress(0xABCDEF1), QStringLiteral("ABCDEF1"));

    // The 93C46: eight rows of bytes, eight empty rows, sixteen labels.
    rig.chooseModel(9);
    rig->chip().replace(pattern(128));
    rig->hexView()->showpage();
    QCOMPARE(shownPage(rig), expectedPage(pattern(256), 0, 8));
}

void ChipsTest::editingInputs_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("stored");  // -1: unchanged
    QTest::addColumn<bool>("warned");
    QTest::newRow("a") << "a" << 0x0A << false;
    QTest::newRow("ff") << "ff" << 0xFF << false;
    QTest::newRow("0") << "0" << 0x00 << false;
    QTest::newRow("blanks around") << " 5C " << 0x5C << false;
    QTest::newRow("100") << "100" << -1 << true;
    QTest::newRow("G") << "G" << -1 << true;
    QTest::newRow("1G") << "1G" << -1 << true;
    QTest::newRow("ZZ") << "ZZ" << -1 << true;
    QTest::newRow("blank inside") << "a b" << -1 << true;
    QTest::newRow("sign") << "-1" << -1 << true;
    QTest::newRow("full-width digit") << "１" << -1 << true;
    QTest::newRow("Latin-1 letter") << QStringLiteral("\u00e9") << -1 << true;
    QTest::newRow("only blanks") << "   " << -1 << false;
    QTest::newRow("cancel") << "" << -1 << false;
}

void ChipsTest::editingInputs() {
    QFETCH(QString, input);
    QFETCH(int, stored);
    QFETCH(bool, warned);
    FormRig rig(FormRig::offline());
    rig.chooseModel(1);
    ChipBuffer &chip = rig->chip();
    chip.replace(pattern(512));
    rig->hexView()->showpage();
    rig->hexView()->scrPage()->setValue(1);
    // Row 2, column 5 of page 1: item 5 * 16 + 2, buffer position 293.
    selectCell(rig, 2, 5);
    QCOMPARE(rig->hexView()->selectedItem(), 82);
    if (!input.isEmpty())
        rig.dialogs.inputs << input;
    const QString status = rig->statusText();

    emit rig->hexView()->lstHexDoubleClicked();

    QVERIFY(!rig.dialogs.calls.isEmpty());
    const ScriptedDialogs::Call &box = rig.dialogs.calls.first();
    QCOMPARE(box.kind, ScriptedDialogs::Kind::Input);
    QCOMPARE(box.title, QStringLiteral("输入新数值"));
    QCOMPARE(box.text, EditPrompt);

    QByteArray expected = pattern(512);
    if (stored >= 0)
        expected[293] = static_cast<char>(stored);
    QCOMPARE(chip.DataBuffer(), expected);
    QCOMPARE(shownPage(rig), expectedPage(expected, 1));
    QCOMPARE(rig->hexView()->CurrentPage, 1);
    QCOMPARE(rig->statusText(), status);

    QCOMPARE(rig.dialogs.messages().size(), warned ? 1 : 0);
    if (warned) {
        const ScriptedDialogs::Call warning = rig.dialogs.messages().first();
        QCOMPARE(warning.text,
                 QStringLiteral("您输入的数字无效！必须输入16进制数据，且不能超过 FFH "));
        QCOMPARE(warning.title, QStringLiteral("警告信息"));
        QCOMPARE(warning.icon, Dialogs::Icon::Warning);
    }
}

void ChipsTest::realDoubleClickEditsTheCell() {
    FormRig rig(FormRig::offline());
    rig.chooseModel(1);
    rig->hexView()->scrPage()->setValue(1);
    QTableView *grid = rig->hexView()->lstHex();
    rig.dialogs.inputs << QStringLiteral("3c");

    const QRect target = grid->visualRect(grid->model()->index(2, 5));
    // The first click of a double-click selects the cell, the second edits it.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, target.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, target.center());

    QCOMPARE(rig.dialogs.calls.size(), 1);
    QCOMPARE(rig->chip().DataBuffer().at(293), '\x3C');
    QCOMPARE(rig->chip().DataBuffer().count('\xFF'), 511);
    QCOMPARE(cell(rig, 2, 5), QStringLiteral("3C"));
}

void ChipsTest::doubleClickWithoutAByteChangesNothing() {
    FormRig rig(FormRig::offline());
    rig.chooseModel(9);
    ChipBuffer &chip = rig->chip();
    rig.dialogs.inputs = QStringList(3, QStringLiteral("00"));

    // Nothing selected right after a redraw.
    selectCell(rig, 1, 1);
    rig->hexView()->showpage();
    emit rig->hexView()->lstHexDoubleClicked();
    // An empty cell of the eight-row page.
    selectCell(rig, 10, 3);
    emit rig->hexView()->lstHexDoubleClicked();
    QCOMPARE(chip.DataBuffer(), QByteArray(128, '\xFF'));
    QCOMPARE(cell(rig, 10, 3), QString());

    // A page change drops the selection too.
    rig.chooseModel(1);
    selectCell(rig, 0, 0);
    rig->hexView()->scrPage()->setValue(1);
    emit rig->hexView()->lstHexDoubleClicked();
    QCOMPARE(chip.DataBuffer(), QByteArray(512, '\xFF'));
    QVERIFY(rig.dialogs.messages().isEmpty());
}

QTEST_MAIN(ChipsTest)
#include "tst_chips.moc"
