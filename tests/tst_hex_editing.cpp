// The hex view as technicians' hex editors work: the characters beside the
// grid, a cursor that crosses pages, selection, copy, paste and fill, go to,
// find, undo and redo, the changed bytes and the checksums. Driven through
// the real window by keys and the mouse; checked in the buffer, the files
// and what the window shows.
#include <zlib.h>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include "chips/checksums.h"
#include "messages/texts.h"
#include "support/form_rig.h"
#include "support/test_files.h"
#include "windows/buffer_history.h"
#include "windows/hex_ascii_column.h"
#include "windows/hex_cursor.h"
#include "windows/hex_editing.h"
#include "windows/hex_view.h"

namespace {

using TestFiles::pattern;

constexpr int M24C02 = 0, M24C04 = 1, M24C512 = 8, M93C46 = 9;

QTableView *grid(const FormRig &rig) {
    return rig->hexView()->lstHex();
}

HexCursor &cursor(const FormRig &rig) {
    return rig->hexEditing()->cursor();
}

QUndoStack &history(const FormRig &rig) {
    return rig->history()->stack();
}

QString panel(const FormRig &rig, const char *name) {
    return rig.find<QLabel>(name)->text();
}

bool activate(FormRig &rig) {
    rig->activateWindow();
    return QTest::qWaitForWindowActive(rig.form.get());
}

// `model` chosen, and `bytes` in its buffer as a read or a load leaves them.
void load(FormRig &rig, int model, const QByteArray &bytes) {
    rig.chooseModel(model);
    rig->chip().replace(bytes);
}

QPoint cellCentre(const FormRig &rig, int row, int column) {
    return grid(rig)->visualRect(grid(rig)->model()->index(row, column)).center();
}

// Clicks byte `position`, turning to its page by the scroll bar first.
void clickByte(FormRig &rig, qint32 position, Qt::KeyboardModifiers modifiers = {}) {
    rig->hexView()->scrPage()->setValue(position / 256);
    QTest::mouseClick(grid(rig)->viewport(), Qt::LeftButton, modifiers,
                      cellCentre(rig, position % 256 / 16, position % 16));
}

void dragTo(QWidget *widget, const QPoint &at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// Keys as a test writes them: "3 c Right S+PgDn C+End" (S+ shift, C+ control).
void press(FormRig &rig, const QString &keys) {
    static const QHash<QString, Qt::Key> names = {
        {"Left", Qt::Key_Left}, {"Right", Qt::Key_Right}, {"Up", Qt::Key_Up},
        {"Down", Qt::Key_Down}, {"PgUp", Qt::Key_PageUp}, {"PgDn", Qt::Key_PageDown},
        {"Home", Qt::Key_Home}, {"End", Qt::Key_End},     {"Space", Qt::Key_Space},
        {"Tab", Qt::Key_Tab}};
    for (QString key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        Qt::KeyboardModifiers modifiers;
        while (key.size() > 2 && key.at(1) == QLatin1Char('+')) {
            modifiers |= key.at(0) == QLatin1Char('S') ? Qt::ShiftModifier : Qt::ControlModifier;
            key = key.mid(2);
        }
        if (names.contains(key))
            QTest::keyClick(grid(rig), names.value(key), modifiers);
        else
            QTest::keyClick(grid(rig), key.at(0).toLatin1(), modifiers);
    }
}

// The buffer positions of the cells the grid shows selected, in order.
QList<qint32> shownSelection(const FormRig &rig) {
    QList<qint32> positions;
    for (const QModelIndex &cell : grid(rig)->selectionModel()->selectedIndexes())
        positions << rig->hexView()->model()->position(cell.row(), cell.column());
    std::sort(positions.begin(), positions.end());
    return positions;
}

// What of first..last the page shown must show selected.
QList<qint32> onPage(const FormRig &rig, qint32 first, qint32 last) {
    QList<qint32> positions;
    const qint32 start = rig->hexView()->CurrentPage * 256;
    for (qint32 p = qMax(first, start); p <= qMin(last, start + 255); ++p)
        positions << p;
    return positions;
}

// The cursor at `at`, anchor..at selected, shown on the cursor's page.
void verifyCursor(const FormRig &rig, qint32 at, qint32 anchor) {
    QCOMPARE(cursor(rig).position(), at);
    QCOMPARE(cursor(rig).anchor(), anchor);
    QCOMPARE(rig->hexView()->CurrentPage, at / 256);
    QCOMPARE(rig->hexView()->scrPage()->value(), at / 256);
    QCOMPARE(shownSelection(rig), onPage(rig, qMin(at, anchor), qMax(at, anchor)));
    const QModelIndex current = grid(rig)->currentIndex();
    QCOMPARE(current.row() * 16 + current.column(), at % 256);
}

// The characters the page must show beside the grid.
QStringList asciiRows(const QByteArray &bytes, int page, int rows = 16) {
    QStringList texts;
    for (int r = 0; r < rows; ++r) {
        QString row;
        for (int c = 0; c < 16; ++c)
            row += HexAsciiColumn::shown(quint8(bytes.at(page * 256 + r * 16 + c)));
        texts << row;
    }
    return texts;
}

QByteArray fromHex(const char *hex) {
    return QByteArray::fromHex(hex);
}

}  // namespace

class HexEditingTest : public QObject {
    Q_OBJECT

private slots:
    void keysMoveTheCursorAndType_data();
    void keysMoveTheCursorAndType();
    void mouseSelectsAcrossPages();
    void pasteAndFill_data();
    void pasteAndFill();
    void goTo_data();
    void goTo();
    void findBytesAndText();
    void undoAndRedoEachEdit_data();
    void undoAndRedoEachEdit();
    void newContentsClearTheHistory_data();
    void newContentsClearTheHistory();
    void changedBytesStandOutUntilSaved();
    void checksums_data();
    void checksums();
    void editsRefusedDuringAnOperation_data();
    void editsRefusedDuringAnOperation();
    void halfPageOf93C46();
    void contextMenuActsOnTheSelection();
};

void HexEditingTest::keysMoveTheCursorAndType_data() {
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("at");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<QByteArray>("typed");  // position, value pairs

    const auto row = [](const char *name, int model, int start, const char *keys, int at,
                        int anchor, QByteArray typed = {}) {
        QTest::newRow(name) << model << start << keys << at << anchor << typed;
    };
    row("two digits, then on", M24C04, 0x25, "3 c", 0x26, 0x26, fromHex("253C"));
    // 25H holds 03H: the first digit replaces the high half only.
    row("a move ends a half-typed byte", M24C04, 0x25, "7 Right 1 2", 0x27, 0x27,
        fromHex("2573"
                "2612"));
    row("typing across the page end", M24C04, 0xFF, "a B", 0x100, 0x100, fromHex("FFAB"));
    row("right across pages", M24C04, 0xFF, "Right", 0x100, 0x100);
    row("left back", M24C04, 0x100, "Left", 0xFF, 0xFF);
    row("down from the last row", M24C04, 0xF3, "Down", 0x103, 0x103);
    row("up from the first row", M24C04, 0x103, "Up", 0xF3, 0xF3);
    row("page down keeps the cell", M24C04, 0x25, "PgDn", 0x125, 0x125);
    row("no page after the last", M24C04, 0x125, "PgDn", 0x125, 0x125);
    row("page up", M24C04, 0x125, "PgUp", 0x25, 0x25);
    row("end of the row", M24C04, 0x125, "End", 0x12F, 0x12F);
    row("start of the row", M24C04, 0x12B, "Home", 0x120, 0x120);
    row("end of the buffer", M24C512, 0x25, "C+End", 0xFFFF, 0xFFFF);
    row("start of the buffer", M24C512, 0x8025, "C+Home", 0, 0);
    row("the first byte stays", M24C04, 0, "Left Up PgUp", 0, 0);
    row("the last byte stays", M24C512, 0xFFFF, "Right Down PgDn", 0xFFFF, 0xFFFF);
    row("shift selects across pages", M24C04, 0xFE, "S+Right S+Right S+Right", 0x101, 0xFE);
    row("shift, page down", M24C04, 0x10, "S+PgDn", 0x110, 0x10);
    row("shift, back before the anchor", M24C04, 0x110, "S+Up S+Up S+End", 0xFF, 0x110);
    row("a plain move ends the selection", M24C04, 0x10, "S+Right Right", 0x12, 0x12);
    row("typing at the cursor ends it", M24C04, 0x10, "S+Right 5 5", 0x12, 0x12, fromHex("1155"));
    row("other keys type nothing", M24C04, 0x10, "g Space C+1", 0x10, 0x10);
}

void HexEditingTest::keysMoveTheCursorAndType() {
    QFETCH(int, model);
    QFETCH(int, start);
    QFETCH(QString, keys);
    QFETCH(int, at);
    QFETCH(int, anchor);
    QFETCH(QByteArray, typed);
    FormRig rig(FormRig::offline());
    const int size = rig->chip().capacityOf(model);
    load(rig, model, pattern(size));
    clickByte(rig, start);
    QCOMPARE(cursor(rig).position(), start);

    press(rig, keys);

    verifyCursor(rig, at, anchor);
    QByteArray expected = pattern(size);
    for (int i = 0; i + 1 < typed.size(); i += 2)
        expected[quint8(typed.at(i))] = typed.at(i + 1);
    QCOMPARE(rig->chip().DataBuffer(), expected);
    QCOMPARE(rig->hexView()->asciiColumn()->rowTexts(), asciiRows(expected, at / 256));
    QCOMPARE(history(rig).count(), typed.size() / 2);
}

void HexEditingTest::mouseSelectsAcrossPages() {
    FormRig rig(FormRig::offline());
    const QByteArray bytes = pattern(512);
    load(rig, M24C04, bytes);
    QVERIFY(activate(rig));
    QWidget *viewport = grid(rig)->viewport();
    HexAsciiColumn *ascii = rig->hexView()->asciiColumn();

    // A character picks its byte in the grid.
    QTest::mouseClick(ascii, Qt::LeftButton, {}, ascii->cellRect(3, 4).center());
    verifyCursor(rig, 0x34, 0x34);
    QCOMPARE(panel(rig, "lblCursor"), QStringLiteral("地址：000034H"));

    // A drag from row 15 past the grid's foot turns the page.
    QTest::mousePress(viewport, Qt::LeftButton, {}, cellCentre(rig, 15, 14));
    dragTo(viewport, cellCentre(rig, 15, 15));
    verifyCursor(rig, 0xFF, 0xFE);
    dragTo(viewport, QPoint(cellCentre(rig, 0, 14).x(), viewport->height() + 5));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, cellCentre(rig, 0, 14));
    verifyCursor(rig, 0x10E, 0xFE);
    QCOMPARE(panel(rig, "lblCursor"), QStringLiteral("选中：0000FEH－00010EH\n共 17字节"));

    QTest::keySequence(grid(rig), QKeySequence(Qt::CTRL | Qt::Key_Insert));
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString::fromLatin1(bytes.mid(0xFE, 17).toHex(' ').toUpper()));

    // Back by the scroll bar, the selection is still there; a shifted click
    // extends it from its anchor.
    rig->hexView()->scrPage()->setValue(0);
    QCOMPARE(shownSelection(rig), onPage(rig, 0xFE, 0xFF));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, cellCentre(rig, 0, 2));
    verifyCursor(rig, 0x02, 0xFE);
    QTest::keySequence(grid(rig), QKeySequence(Qt::CTRL | Qt::Key_A));
    verifyCursor(rig, 0, 0x1FF);
    QTest::keySequence(grid(rig), QKeySequence(Qt::CTRL | Qt::Key_Insert));
    QCOMPARE(QGuiApplication::clipboard()->text().size(), 512 * 3 - 1);

    // A plain click is a single byte again, and the double-click still edits.
    rig.dialogs.inputs << QStringLiteral("3c");
    QTest::mouseClick(viewport, Qt::LeftButton, {}, cellCentre(rig, 2, 5));
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, cellCentre(rig, 2, 5));
    QCOMPARE(rig->chip().at(0x25), quint8(0x3C));
    verifyCursor(rig, 0x25, 0x25);
    QCOMPARE(ascii->rowTexts().at(2).at(5), QLatin1Char('<'));
}

void HexEditingTest::pasteAndFill_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("input");  // the clipboard, or the fill value typed
    QTest::addColumn<int>("at");
    QTest::addColumn<QString>("select");  // keys that select from `at`
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("warning");

    const QString pasteRefused = Texts::PasteInvalid;
    QTest::newRow("paste, blanks") << "paste"
                                   << "0A 1B ff" << 0x10 << "" << fromHex("0A1BFF") << "";
    QTest::newRow("paste, joined, two lines")
        << "paste"
        << "0a1b\n\t2C" << 0x10 << "" << fromHex("0A1B2C") << "";
    QTest::newRow("paste, single digits") << "paste"
                                          << "A B" << 0x10 << "" << fromHex("0A0B") << "";
    QTest::newRow("paste over a selection") << "paste"
                                            << "01" << 0x30 << "S+Up" << fromHex("01") << "";
    QTest::newRow("paste up to the capacity")
        << "paste"
        << "01 02 03 04" << 0x1FE << "" << fromHex("0102") << "";
    QTest::newRow("paste, not hex") << "paste"
                                    << "0A 1G" << 0x10 << "" << QByteArray() << pasteRefused;
    QTest::newRow("paste, odd digits") << "paste"
                                       << "0A1" << 0x10 << "" << QByteArray() << pasteRefused;
    QTest::newRow("paste, text") << "paste"
                                 << "hello" << 0x10 << "" << QByteArray() << pasteRefused;
    QTest::newRow("paste, blanks only") << "paste"
                                        << "  " << 0x10 << "" << QByteArray() << "";
    QTest::newRow("fill across pages")
        << "fill"
        << "5a" << 0xF0 << "S+Down S+Down S+Left" << QByteArray(32, '\x5A') << "";
    QTest::newRow("fill, backwards") << "fill"
                                     << "0" << 0x105 << "S+Up S+Left" << QByteArray(18, '\0') << "";
    QTest::newRow("fill, too large")
        << "fill"
        << "100" << 0x10 << "S+Right" << QByteArray() << Texts::EditInvalid;
    QTest::newRow("fill, cancelled") << "fill"
                                     << "" << 0x10 << "S+Right" << QByteArray() << "";
}

void HexEditingTest::pasteAndFill() {
    QFETCH(QString, command);
    QFETCH(QString, input);
    QFETCH(int, at);
    QFETCH(QString, select);
    QFETCH(QByteArray, written);
    QFETCH(QString, warning);
    FormRig rig(FormRig::offline());
    load(rig, M24C04, pattern(512));
    QVERIFY(activate(rig));
    clickByte(rig, at);
    press(rig, select);
    const qint32 start = cursor(rig).selectionStart();
    const qint32 length = cursor(rig).selectionLength();

    if (command == QLatin1String("paste")) {
        QGuiApplication::clipboard()->setText(input);
        QTest::keySequence(grid(rig), QKeySequence(Qt::SHIFT | Qt::Key_Insert));
    } else {
        rig.dialogs.inputs << input;
        rig.trigger("ffill");
        QCOMPARE(rig.dialogs.calls.value(0).title, QStringLiteral("填充数据"));
    }

    QByteArray expected = pattern(512);
    expected.replace(start, written.size(), written);
    QCOMPARE(rig->chip().DataBuffer(), expected);
    QCOMPARE(rig.dialogs.messageTexts(), warning.isEmpty() ? QStringList() : QStringList{warning});
    QCOMPARE(history(rig).count(), written.isEmpty() ? 0 : 1);
    if (written.isEmpty())
        return;
    if (command == QLatin1String("fill")) {
        QCOMPARE(written.size(), length);  // the selection, kept
        QCOMPARE(cursor(rig).selectionLength(), length);
    } else {
        verifyCursor(rig, qMin(start + int(written.size()), 511),
                     qMin(start + int(written.size()), 511));
    }
}

void HexEditingTest::goTo_data() {
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("at");  // -1: stays
    QTest::addColumn<QString>("warning");
    const QString invalid = Texts::GoToInvalid;
    QTest::newRow("plain") << M24C04 << "1F0" << 0x1F0 << "";
    QTest::newRow("0x") << M24C04 << "0x1f0" << 0x1F0 << "";
    QTest::newRow("H") << M24C04 << "1F0H" << 0x1F0 << "";
    QTest::newRow("h and blanks") << M24C04 << " 1f0h " << 0x1F0 << "";
    QTest::newRow("last byte") << M24C04 << "1FF" << 0x1FF << "";
    QTest::newRow("last page of a 24C512") << M24C512 << "FFF0" << 0xFFF0 << "";
    QTest::newRow("beyond the capacity")
        << M24C04 << "200" << -1
        << "您输入的地址超出了芯片容量！芯片容量为512字节，地址只能是 000000H 到 0001FFH！！";
    QTest::newRow("far beyond") << M24C02 << "FFFFFFFF" << -1
                                << "您输入的地址超出了芯片容量！芯片容量为256字节，地址只能是 "
                                   "000000H 到 0000FFH！！";
    QTest::newRow("not hex") << M24C04 << "12G" << -1 << invalid;
    QTest::newRow("both marks") << M24C04 << "0x1F0H" << -1 << invalid;
    QTest::newRow("too long") << M24C04 << "100000000" << -1 << invalid;
    QTest::newRow("cancelled") << M24C04 << "" << -1 << "";
}

void HexEditingTest::goTo() {
    QFETCH(int, model);
    QFETCH(QString, input);
    QFETCH(int, at);
    QFETCH(QString, warning);
    FormRig rig(FormRig::offline());
    load(rig, model, pattern(rig->chip().capacityOf(model)));
    QVERIFY(activate(rig));
    clickByte(rig, 0x12);
    rig.dialogs.inputs << input;

    QTest::keySequence(grid(rig), QKeySequence(Qt::CTRL | Qt::Key_G));

    QCOMPARE(rig.dialogs.calls.value(0).title, QStringLiteral("转到地址"));
    QCOMPARE(rig.dialogs.messageTexts(), warning.isEmpty() ? QStringList() : QStringList{warning});
    const qint32 expected = at < 0 ? 0x12 : at;
    verifyCursor(rig, expected, expected);
    QCOMPARE(rig->hexView()->lblAddr(0)->text(), QString::asprintf("%06X:", expected / 256 * 256));
}

void HexEditingTest::findBytesAndText() {
    FormRig rig(FormRig::offline());
    QByteArray bytes(512, '\xFF');
    bytes.replace(0x30, 2, fromHex("0A1B"));
    bytes.replace(0x1F0, 2, fromHex("0A1B"));
    bytes.replace(0x150, 3, "ABC");
    load(rig, M24C04, bytes);
    QVERIFY(activate(rig));
    const auto key = [&](QKeySequence keys, const QString &typed = QString()) {
        rig.dialogs.clear();
        if (!typed.isNull())
            rig.dialogs.inputs << typed;
        QTest::keySequence(grid(rig), keys);
    };
    const QKeySequence find(Qt::CTRL | Qt::Key_F), next(Qt::Key_F4);

    // "查找下一个" before any search asks what to look for, from the page shown.
    key(next, QStringLiteral("0a 1b"));
    QCOMPARE(rig.dialogs.calls.value(0).title, QStringLiteral("查找数据"));
    verifyCursor(rig, 0x30, 0x31);
    key(next);
    QVERIFY(rig.dialogs.calls.isEmpty());
    verifyCursor(rig, 0x1F0, 0x1F1);
    // Past the last one, on from the start.
    key(next);
    verifyCursor(rig, 0x30, 0x31);
    QVERIFY(panel(rig, "lblCursor").startsWith(Texts::FindWrapped));

    key(find, QStringLiteral("\"ABC\""));
    verifyCursor(rig, 0x150, 0x152);
    key(find, QStringLiteral("\"abc\""));
    QCOMPARE(rig.dialogs.messageTexts(), QStringList{QStringLiteral("没有找到 \"abc\" ！！")});
    QCOMPARE(rig.dialogs.messages().value(0).title, QStringLiteral("提示信息"));
    verifyCursor(rig, 0x150, 0x152);
    key(find, QStringLiteral("DE AD"));
    QCOMPARE(rig.dialogs.messageTexts(), QStringList{QStringLiteral("没有找到 DE AD ！！")});
    key(find, QStringLiteral("0A1"));
    QCOMPARE(rig.dialogs.messageTexts(), QStringList{Texts::FindInvalid});
    // "查找下一个" goes on with the last search that could be made.
    key(next);
    QCOMPARE(rig.dialogs.messageTexts(), QStringList{QStringLiteral("没有找到 DE AD ！！")});
    verifyCursor(rig, 0x150, 0x152);
    key(find, QStringLiteral("FF FF"));
    verifyCursor(rig, 0x150 + 3, 0x150 + 4);
}

void HexEditingTest::undoAndRedoEachEdit_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("at");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("byte edit") << "byte edit" << 0x125 << fromHex("3C");
    QTest::newRow("typing") << "typing" << 0x125 << fromHex("42");
    QTest::newRow("paste") << "paste" << 0x1FE << fromHex("0102");
    QTest::newRow("fill") << "fill" << 0xF8 << QByteArray(17, '\0');
}

void HexEditingTest::undoAndRedoEachEdit() {
    QFETCH(QString, edit);
    QFETCH(int, at);
    QFETCH(QByteArray, written);
    FormRig rig(FormRig::offline());
    const QByteArray before = pattern(512);
    load(rig, M24C04, before);
    QVERIFY(activate(rig));
    clickByte(rig, at);
    if (edit == QLatin1String("byte edit")) {
        rig.dialogs.inputs << QStringLiteral("3c");
        QTest::mouseDClick(grid(rig)->viewport(), Qt::LeftButton, {},
                           cellCentre(rig, at % 256 / 16, at % 16));
    } else if (edit == QLatin1String("typing")) {
        press(rig, QStringLiteral("4 2"));
    } else if (edit == QLatin1String("paste")) {
        QGuiApplication::clipboard()->setText(QStringLiteral("01 02 03"));
        rig.trigger("fpaste");
    } else {
        press(rig, QStringLiteral("S+Down"));
        rig.dialogs.inputs << QStringLiteral("00");
        rig.trigger("ffill");
    }
    QByteArray after = before;
    after.replace(at, written.size(), written);
    QCOMPARE(rig->chip().DataBuffer(), after);
    QCOMPARE(history(rig).count(), 1);
    QVERIFY(rig.action("fundo")->isEnabled());
    QVERIFY(!rig.action("fredo")->isEnabled());

    // Undone and redone, each shown selected on its page; from another page.
    rig->hexView()->scrPage()->setValue(at < 256 ? 1 : 0);
    QTest::keySequence(grid(rig), QKeySequence(Qt::ALT | Qt::Key_Backspace));
    QCOMPARE(rig->chip().DataBuffer(), before);
    verifyCursor(rig, at, at + int(written.size()) - 1);
    QVERIFY(!rig.action("fundo")->isEnabled());
    QVERIFY(rig.action("fredo")->isEnabled());
    QTest::keySequence(grid(rig), QKeySequence(Qt::ALT | Qt::Key_Backspace));  // nothing left
    QCOMPARE(rig->chip().DataBuffer(), before);
    QTest::keySequence(grid(rig), QKeySequence(Qt::CTRL | Qt::Key_Y));
    QCOMPARE(rig->chip().DataBuffer(), after);
    QTest::keySequence(grid(rig), QKeySequence(Qt::ALT | Qt::Key_Backspace));
    QCOMPARE(rig->chip().DataBuffer(), before);
    QTest::keySequence(grid(rig), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    QCOMPARE(rig->chip().DataBuffer(), after);
    QCOMPARE(rig->hexView()->asciiColumn()->rowTexts(), asciiRows(after, at / 256));
    // Ctrl+Z is still the window's inert "字体设置".
    QTest::keySequence(grid(rig), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(rig->chip().DataBuffer(), after);
}

void HexEditingTest::newContentsClearTheHistory_data() {
    QTest::addColumn<QString>("how");
    for (const char *how : {"read", "load", "model", "new"})
        QTest::newRow(how) << how;
}

void HexEditingTest::newContentsClearTheHistory() {
    QFETCH(QString, how);
    FormRig rig(FormRig::patient());
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("image.bin"));
    QVERIFY(TestFiles::writeFile(file, pattern(512, 3)));
    rig.chooseModel(M24C04);
    QVERIFY(activate(rig));
    clickByte(rig, 0x40);
    press(rig, QStringLiteral("1 2 3 4"));
    rig.trigger("fundo");
    QCOMPARE(history(rig).count(), 2);

    if (how == QLatin1String("read")) {
        rig.click("Command6");
    } else if (how == QLatin1String("load")) {
        rig.dialogs.fileNames << file;
        rig.trigger("fopen");
    } else if (how == QLatin1String("model")) {
        rig.trigger("c2404");
    } else {
        rig.trigger("fnew");
    }

    QCOMPARE(history(rig).count(), 0);
    QVERIFY(!rig.action("fundo")->isEnabled());
    QVERIFY(!rig.action("fredo")->isEnabled());
    QCOMPARE(cursor(rig).position(), -1);
    QVERIFY(shownSelection(rig).isEmpty());
    const QByteArray now = rig->chip().DataBuffer();
    QTest::keySequence(grid(rig), QKeySequence(Qt::ALT | Qt::Key_Backspace));
    QTest::keySequence(grid(rig), QKeySequence(Qt::CTRL | Qt::Key_Y));
    QCOMPARE(rig->chip().DataBuffer(), now);
    QVERIFY(!rig->chip().unsavedEdits());
}

void HexEditingTest::changedBytesStandOutUntilSaved() {
    FormRig rig(FormRig::patient());
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("saved.bin"));
    const QByteArray before = pattern(512);
    load(rig, M24C04, before);
    QVERIFY(activate(rig));
    const QColor changed(255, 214, 150);
    // The background the grid and the characters show for byte `at` of page 0.
    const auto shown = [&](qint32 at) {
        const QImage cells = grid(rig)->viewport()->grab().toImage();
        HexAsciiColumn *ascii = rig->hexView()->asciiColumn();
        const QImage characters = ascii->grab().toImage();
        const QColor cell = cells.pixelColor(
            grid(rig)->visualRect(grid(rig)->model()->index(at / 16, at % 16)).topLeft() +
            QPoint(1, 1));
        const QColor character =
            characters.pixelColor(ascii->cellRect(at / 16, at % 16).topLeft() + QPoint(0, 1));
        return cell == character ? cell : QColor();
    };
    const auto unsaved = [&] { return !panel(rig, "PanelUnsaved").isEmpty(); };
    QVERIFY(shown(0x10) != changed);
    QVERIFY(!unsaved());

    // 10H holds 70H and changes; 11H is typed as the 77H it holds.
    clickByte(rig, 0x10);
    press(rig, QStringLiteral("5 5 7 7 Down"));
    QCOMPARE(shown(0x10), changed);
    QVERIFY(shown(0x11) != changed);
    QCOMPARE(panel(rig, "PanelUnsaved"), QStringLiteral("数据已修改，尚未保存"));
    QCOMPARE(
        rig.find<QLabel>("Panel1")->text(),
        QStringLiteral("您还没有打开文件，您选择芯片为24C04，芯片容量为512字节，缓冲区为全 FF。 "));

    // Undone back to the old value, the byte is no longer a change.
    rig.trigger("fundo");
    rig.trigger("fundo");
    QVERIFY(shown(0x10) != changed);
    QVERIFY(!unsaved());
    rig.trigger("fredo");
    clickByte(rig, 0x80);
    QCOMPARE(shown(0x10), changed);
    QVERIFY(unsaved());

    // Saved, written or read, nothing stands out; the next edit does again.
    const std::pair<const char *, const char *> steps[] = {
        {"save", "A A"}, {"write", "B B"}, {"read", "C C"}};
    for (const auto &[then, typed] : steps) {
        if (QByteArray(then) == "save") {
            rig.dialogs.fileNames << file;
            rig.trigger("fsave");
            QCOMPARE(TestFiles::readFile(file), rig->chip().DataBuffer());
        } else {
            rig.click(QByteArray(then) == "write" ? "Command7" : "Command6");
        }
        clickByte(rig, 0x80);
        QVERIFY2(shown(0x10) != changed, then);
        QVERIFY2(!unsaved(), then);
        QVERIFY2(rig->chip().changedBytes().isEmpty(), then);
        clickByte(rig, 0x10);
        press(rig, QLatin1String(typed) + QStringLiteral(" Down"));
        QVERIFY2(shown(0x10) == changed, then);
        QVERIFY2(unsaved(), then);
    }
    // What was read is what was written before.
    QCOMPARE(rig->chip().at(0x10), quint8(0xCC));
    rig.trigger("fundo");
    QCOMPARE(rig->chip().at(0x10), quint8(0xAA));
}

void HexEditingTest::checksums_data() {
    QTest::addColumn<int>("model");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("24C02 erased") << M24C02 << QByteArray(256, '\xFF');
    QTest::newRow("93C46 pattern") << M93C46 << pattern(128);
    QTest::newRow("24C512 pattern") << M24C512 << pattern(65536, 9);
}

void HexEditingTest::checksums() {
    QFETCH(int, model);
    QFETCH(QByteArray, bytes);
    // The check value of the CRC-32 catalogue, and its sums.
    const Checksums check = Checksums::of("123456789");
    QCOMPARE(check.crc32, 0xCBF43926u);
    QCOMPARE(check.sum8, quint8(0xDD));
    QCOMPARE(check.sum16, quint16(0x01DD));

    FormRig rig(FormRig::offline());
    load(rig, model, bytes);
    const auto expected = [](const QByteArray &b) {
        quint32 sum = 0;
        for (char c : b)
            sum += quint8(c);
        const uLong crc = crc32(0, reinterpret_cast<const Bytef *>(b.constData()), uInt(b.size()));
        return QStringList{QString::asprintf("%02XH", sum & 0xFF),
                           QString::asprintf("%04XH", sum & 0xFFFF),
                           QString::asprintf("%08lXH", crc)};
    };
    const auto shown = [&] {
        return QStringList{panel(rig, "lblSum8"), panel(rig, "lblSum16"), panel(rig, "lblCrc32")};
    };
    QCOMPARE(shown(), expected(bytes));
    QVERIFY(rig.find("lblCrc32")->isVisibleTo(rig.form.get()));

    // Every change shows at once: a typed digit, its undo.
    clickByte(rig, 0x7F);
    press(rig, QStringLiteral("0"));
    QCOMPARE(shown(), expected(rig->chip().DataBuffer()));
    QVERIFY(shown() != expected(bytes));
    rig.trigger("fundo");
    QCOMPARE(shown(), expected(bytes));
}

void HexEditingTest::editsRefusedDuringAnOperation_data() {
    QTest::addColumn<QString>("edit");
    for (const char *edit : {"typing", "paste", "fill", "undo", "redo", "byte edit"})
        QTest::newRow(edit) << edit;
}

void HexEditingTest::editsRefusedDuringAnOperation() {
    QFETCH(QString, edit);
    FormRig rig(FormRig::patient());
    rig.chooseModel(M24C04);
    QVERIFY(activate(rig));
    clickByte(rig, 0x20);
    press(rig, QStringLiteral("1 2 Left"));
    if (edit == QLatin1String("redo"))
        rig.trigger("fundo");
    QGuiApplication::clipboard()->setText(QStringLiteral("AA BB"));
    const auto act = [&] {
        if (edit == QLatin1String("typing")) {
            press(rig, QStringLiteral("3 4"));
        } else if (edit == QLatin1String("paste")) {
            QTest::keySequence(grid(rig), QKeySequence(Qt::SHIFT | Qt::Key_Insert));
        } else if (edit == QLatin1String("fill")) {
            rig.dialogs.inputs << QStringLiteral("00");
            rig.trigger("ffill");
        } else if (edit == QLatin1String("undo")) {
            QTest::keySequence(grid(rig), QKeySequence(Qt::ALT | Qt::Key_Backspace));
        } else if (edit == QLatin1String("redo")) {
            QTest::keySequence(grid(rig), QKeySequence(Qt::CTRL | Qt::Key_Y));
        } else {
            rig.dialogs.inputs << QStringLiteral("00");
            emit rig->hexView()->lstHexDoubleClicked();
        }
    };
    const QByteArray before = rig->chip().DataBuffer();
    const int index = history(rig).index();
    rig.dialogs.clear();

    // While the verify's third frame waits for its reply.
    QByteArray during;
    int indexDuring = -1;
    rig.afterFrames(3, [&] {
        QVERIFY(rig->chip().locked());
        act();
        during = rig->chip().DataBuffer();
        indexDuring = history(rig).index();
    });
    rig.click("Command8");
    QCOMPARE(during, before);
    QCOMPARE(indexDuring, index);
    for (const ScriptedDialogs::Call &call : rig.dialogs.calls)
        QVERIFY(call.kind != ScriptedDialogs::Kind::Input);

    // The same edit, once the verify has ended, is made.
    act();
    QVERIFY(rig->chip().DataBuffer() != before);
}

void HexEditingTest::halfPageOf93C46() {
    FormRig rig(FormRig::offline());
    load(rig, M93C46, pattern(128));
    HexAsciiColumn *ascii = rig->hexView()->asciiColumn();
    QCOMPARE(ascii->rowTexts(), asciiRows(pattern(256), 0, 8));

    clickByte(rig, 0x75);
    press(rig, QStringLiteral("Down PgDn"));
    verifyCursor(rig, 0x75, 0x75);
    press(rig, QStringLiteral("C+End"));
    verifyCursor(rig, 0x7F, 0x7F);
    // Dragged into the empty rows or past the foot: the last row.
    clickByte(rig, 0x23);
    QWidget *viewport = grid(rig)->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, cellCentre(rig, 2, 3));
    dragTo(viewport, cellCentre(rig, 11, 6));
    verifyCursor(rig, 0x76, 0x23);
    dragTo(viewport, QPoint(cellCentre(rig, 0, 1).x(), viewport->height() + 40));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, cellCentre(rig, 11, 6));
    verifyCursor(rig, 0x71, 0x23);
    QTest::mouseClick(ascii, Qt::LeftButton, Qt::ShiftModifier, ascii->cellRect(12, 0).center());
    verifyCursor(rig, 0x71, 0x23);

    // An empty cell is no byte: typing there changes nothing.
    QTest::mouseClick(viewport, Qt::LeftButton, {}, cellCentre(rig, 12, 0));
    press(rig, QStringLiteral("1 2"));
    QCOMPARE(cursor(rig).position(), -1);
    QCOMPARE(rig->chip().DataBuffer(), pattern(128));
}

void HexEditingTest::contextMenuActsOnTheSelection() {
    FormRig rig(FormRig::offline());
    load(rig, M24C04, pattern(512));
    QVERIFY(activate(rig));
    clickByte(rig, 0x40);
    press(rig, QStringLiteral("S+Right S+Right"));
    QWidget *viewport = grid(rig)->viewport();
    const auto rightClick = [&](int row, int column) {
        const QPoint at = cellCentre(rig, row, column);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &event);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        return menu;
    };

    // Inside the selection it stays; the menu offers what acts on it.
    QMenu *menu = rightClick(4, 1);
    QVERIFY(menu);
    QStringList items;
    for (QAction *a : menu->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(items, QStringList({"复制", "粘贴", "填充数据", "-", "全部选定"}));
    verifyCursor(rig, 0x42, 0x40);
    rig.dialogs.inputs << QStringLiteral("e5");
    for (QAction *a : menu->actions())
        if (a->objectName() == QLatin1String("ffill"))
            a->trigger();
    menu->close();
    QCOMPARE(rig->chip().DataBuffer().mid(0x3F, 5), fromHex("B9E5E5E5D5"));

    // Outside it, the cursor moves to the byte clicked first.
    menu = rightClick(7, 7);
    QVERIFY(menu);
    verifyCursor(rig, 0x77, 0x77);
    menu->close();
}

QTEST_MAIN(HexEditingTest)
#include "tst_hex_editing.moc"
