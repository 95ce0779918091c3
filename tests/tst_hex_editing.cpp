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
#include "chips/model_selection.h"
#include "hexview/buffer_history.h"
#include "hexview/hex_ascii_column.h"
#include "hexview/hex_cursor.h"
#include "hexview/hex_editing.h"
#include "hexview/hex_view.h"
#include "messages/hexview_texts.h"
#include "messages/texts.h"
#include "support/form_rig.h"
#include "support/test_files.h"

namespace {

using TestFiles::pattern;

constexpr int M24C02 = 0, M24C04 = 1, M24C512 = 8, M93C46 = 9;
const QKeySequence Undo(Qt::ALT | Qt::Key_Backspace), Redo(Qt::CTRL | Qt::Key_Y),
    Copy(Qt::CTRL | Qt::Key_Insert), Paste(Qt::SHIFT | Qt::Key_Insert);

QTableView *grid(const FormRig &rig) {
    return rig->hexView()->lstHex();
}
HexCursor &cursor(const FormRig &rig) {
    return rig->hexEditing()->cursor();
}
QUndoStack &history(const FormRig &rig) {
    return rig->history()->stack();
}
QString label(const FormRig &rig, const char *name) {
    return rig.find<QLabel>(name)->text();
}
QByteArray fromHex(const char *hex) {
    return QByteArray::fromHex(hex);
}

// `model` chosen, `bytes` in its buffer as a read or a load leaves them, and
// the window active for its shortcuts.
void load(FormRig &rig, int model, const QByteArray &bytes) {
    rig.chooseModel(model);
    rig->chip().replace(bytes);
    rig->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(rig.form.get()));
}

void keys(FormRig &rig, const QKeySequence &sequence) {
    QTest::keySequence(grid(rig), sequence);
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
        {"Home", Qt::Key_Home}, {"End", Qt::Key_End},     {"Space", Qt::Key_Space}};
    for (QString key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        Qt::KeyboardModifiers modifiers;
        for (; key.size() > 2 && key.at(1) == QLatin1Char('+'); key = key.mid(2))
            modifiers |= key.at(0) == QLatin1Char('S') ? Qt::ShiftModifier : Qt::ControlModifier;
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
    const struct {
        const char *name;
        int model, start;
        const char *keys;
        int at, anchor;
        const char *typed;
    } rows[] = {
        {"two digits, then on", M24C04, 0x25, "3 c", 0x26, 0x26, "253C"},
        // 25H holds 03H: the first digit replaces the high half only.
        {"a move ends a half-typed byte", M24C04, 0x25, "7 Right 1 2", 0x27, 0x27, "25732612"},
        {"typing across the page end", M24C04, 0xFF, "a B", 0x100, 0x100, "FFAB"},
        {"right across pages", M24C04, 0xFF, "Right", 0x100, 0x100, ""},
        {"up across pages", M24C04, 0x103, "Up", 0xF3, 0xF3, ""},
        {"page down keeps the cell", M24C04, 0x25, "PgDn", 0x125, 0x125, ""},
        {"no page after the last", M24C04, 0x125, "PgDn", 0x125, 0x125, ""},
        {"end of the row", M24C04, 0x125, "End", 0x12F, 0x12F, ""},
        {"start of the row", M24C04, 0x12B, "Home", 0x120, 0x120, ""},
        {"end of the buffer", M24C512, 0x25, "C+End", 0xFFFF, 0xFFFF, ""},
        {"start of the buffer", M24C512, 0x8025, "C+Home", 0, 0, ""},
        {"the first byte stays", M24C04, 0, "Left Up PgUp", 0, 0, ""},
        {"the last byte stays", M24C512, 0xFFFF, "Right Down PgDn", 0xFFFF, 0xFFFF, ""},
        {"shift selects across pages", M24C04, 0xFE, "S+Right S+Right S+Right", 0x101, 0xFE, ""},
        {"shift, back before the anchor", M24C04, 0x110, "S+Up S+Up S+End", 0xFF, 0x110, ""},
        {"a plain move ends the selection", M24C04, 0x10, "S+PgDn Right", 0x111, 0x111, ""},
        {"typing at the cursor ends it", M24C04, 0x10, "S+Right 5 5", 0x12, 0x12, "1155"},
        {"other keys type nothing", M24C04, 0x10, "g Space C+1", 0x10, 0x10, ""},
    };
    for (const auto &r : rows)
        QTest::newRow(r.name) << r.model << r.start << r.keys << r.at << r.anchor
                              << fromHex(r.typed);
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
    QWidget *viewport = grid(rig)->viewport();
    HexAsciiColumn *ascii = rig->hexView()->asciiColumn();

    // A character picks its byte in the grid.
    QTest::mouseClick(ascii, Qt::LeftButton, {}, ascii->cellRect(3, 4).center());
    verifyCursor(rig, 0x34, 0x34);
    QCOMPARE(label(rig, "lblCursor"), QStringLiteral("地址：000034H"));

    // A drag from row 15 past the grid's foot turns the page.
    QTest::mousePress(viewport, Qt::LeftButton, {}, cellCentre(rig, 15, 14));
    dragTo(viewport, cellCentre(rig, 15, 15));
    verifyCursor(rig, 0xFF, 0xFE);
    dragTo(viewport, QPoint(cellCentre(rig, 0, 14).x(), viewport->height() + 5));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, cellCentre(rig, 0, 14));
    verifyCursor(rig, 0x10E, 0xFE);
    QCOMPARE(label(rig, "lblCursor"), QStringLiteral("选中：0000FEH－00010EH\n共 17字节"));
    keys(rig, Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString::fromLatin1(bytes.mid(0xFE, 17).toHex(' ').toUpper()));

    // Back by the scroll bar, the selection is still there; a shifted click
    // extends it from its anchor.
    rig->hexView()->scrPage()->setValue(0);
    QCOMPARE(shownSelection(rig), onPage(rig, 0xFE, 0xFF));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, cellCentre(rig, 0, 2));
    verifyCursor(rig, 0x02, 0xFE);
    keys(rig, QKeySequence(Qt::CTRL | Qt::Key_A));
    verifyCursor(rig, 0, 0x1FF);
    keys(rig, Copy);
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
    QTest::addColumn<QString>("input");  // "fill:" and the value typed, or the clipboard
    QTest::addColumn<int>("at");
    QTest::addColumn<QString>("select");  // keys that select from `at`
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("warning");
    const struct {
        const char *name, *input;
        int at;
        const char *select;
        QByteArray written;
        QString warning;
    } rows[] = {
        {"paste, blanks", "0A 1B ff", 0x10, "", fromHex("0A1BFF"), {}},
        {"paste, joined, two lines", "0a1b\n\t2C", 0x10, "", fromHex("0A1B2C"), {}},
        {"paste, single digits", "A B", 0x10, "", fromHex("0A0B"), {}},
        {"paste over a selection", "01", 0x30, "S+Up", fromHex("01"), {}},
        {"paste up to the capacity", "01 02 03 04", 0x1FE, "", fromHex("0102"), {}},
        {"paste, not hex", "0A 1G", 0x10, "", {}, Texts::PasteInvalid()},
        {"paste, odd digits", "0A1", 0x10, "", {}, Texts::PasteInvalid()},
        {"paste, blanks only", "  ", 0x10, "", {}, {}},
        {"fill across pages", "fill:5a", 0xF0, "S+Down S+Down S+Left", QByteArray(32, 'Z'), {}},
        {"fill, backwards", "fill:0", 0x105, "S+Up S+Left", QByteArray(18, '\0'), {}},
        {"fill, too large", "fill:100", 0x10, "S+Right", {}, Texts::EditInvalid()},
        {"fill, cancelled", "fill:", 0x10, "S+Right", {}, {}},
    };
    for (const auto &r : rows)
        QTest::newRow(r.name) << r.input << r.at << r.select << r.written << r.warning;
}

void HexEditingTest::pasteAndFill() {
    QFETCH(QString, input);
    QFETCH(int, at);
    QFETCH(QString, select);
    QFETCH(QByteArray, written);
    QFETCH(QString, warning);
    FormRig rig(FormRig::offline());
    load(rig, M24C04, pattern(512));
    clickByte(rig, at);
    press(rig, select);
    const qint32 start = cursor(rig).selectionStart();
    const qint32 length = cursor(rig).selectionLength();
    const bool fill = input.startsWith(QLatin1String("fill:"));
    if (fill) {
        rig.dialogs.inputs << input.mid(5);
        rig.trigger("ffill");
        QCOMPARE(rig.dialogs.calls.value(0).title, QStringLiteral("填充数据"));
    } else {
        QGuiApplication::clipboard()->setText(input);
        keys(rig, Paste);
    }

    QByteArray expected = pattern(512);
    QCOMPARE(rig->chip().DataBuffer(), expected.replace(start, written.size(), written));
    QCOMPARE(rig.dialogs.messageTexts(), warning.isEmpty() ? QStringList() : QStringList{warning});
    QCOMPARE(history(rig).count(), written.isEmpty() ? 0 : 1);
    if (fill && !written.isEmpty())  // the whole selection, still selected
        QVERIFY(written.size() == length && cursor(rig).selectionLength() == length);
    if (!fill && !written.isEmpty())  // on after the bytes pasted
        verifyCursor(rig, qMin(start + qint32(written.size()), 511),
                     qMin(start + qint32(written.size()), 511));
}

void HexEditingTest::goTo_data() {
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("at");  // -1: stays
    QTest::addColumn<QString>("warning");
    const QString beyond = QStringLiteral(
        "您输入的地址超出了芯片容量！芯片容量为512字节，地址只能是 000000H 到 0001FFH！！");
    const struct {
        const char *name;
        int model;
        const char *input;
        int at;
        QString warning;
    } rows[] = {
        {"plain", M24C04, "1F0", 0x1F0, {}},
        {"0x", M24C04, "0x1f0", 0x1F0, {}},
        {"H and blanks", M24C04, " 1f0h ", 0x1F0, {}},
        {"last page of a 24C512", M24C512, "FFF0", 0xFFF0, {}},
        {"beyond the capacity", M24C04, "200", -1, beyond},
        {"far beyond", M24C04, "FFFFFFFF", -1, beyond},
        {"not hex", M24C04, "12G", -1, Texts::GoToInvalid()},
        {"both marks", M24C04, "0x1F0H", -1, Texts::GoToInvalid()},
        {"cancelled", M24C04, "", -1, {}},
    };
    for (const auto &r : rows)
        QTest::newRow(r.name) << r.model << r.input << r.at << r.warning;
}

void HexEditingTest::goTo() {
    QFETCH(int, model);
    QFETCH(QString, input);
    QFETCH(int, at);
    QFETCH(QString, warning);
    FormRig rig(FormRig::offline());
    load(rig, model, pattern(rig->chip().capacityOf(model)));
    clickByte(rig, 0x12);
    rig.dialogs.inputs << input;

    keys(rig, QKeySequence(Qt::CTRL | Qt::Key_G));

    QCOMPARE(rig.dialogs.calls.value(0).title, QStringLiteral("转到地址"));
    QCOMPARE(rig.dialogs.messageTexts(), warning.isEmpty() ? QStringList() : QStringList{warning});
    const qint32 expected = at < 0 ? 0x12 : at;
    verifyCursor(rig, expected, expected);
    QCOMPARE(rig->hexView()->lblAddr(0)->text(), QString::asprintf("%06X:", expected / 256 * 256));
}

void HexEditingTest::findBytesAndText() {
    FormRig rig(FormRig::offline());
    QByteArray bytes(512, '\xFF');
    bytes.replace(0x30, 2, fromHex("0A1B")).replace(0x1F0, 2, fromHex("0A1B"));
    load(rig, M24C04, bytes.replace(0x150, 3, "ABC"));
    // Each search as the user makes it: its key, and what is typed if asked.
    const auto search = [&](bool next, const QString &typed = QString()) {
        rig.dialogs.clear();
        if (!typed.isNull())
            rig.dialogs.inputs << typed;
        keys(rig, next ? QKeySequence(Qt::CTRL | Qt::Key_L) : QKeySequence(Qt::CTRL | Qt::Key_F));
    };
    const auto notFound = [](const char *what) {
        return QStringList{QStringLiteral("没有找到 ") + QLatin1String(what) +
                           QStringLiteral(" ！！")};
    };

    // "查找下一个" before any search asks what to look for, from the page shown.
    search(true, QStringLiteral("0a 1b"));
    QCOMPARE(rig.dialogs.calls.value(0).title, QStringLiteral("查找数据"));
    verifyCursor(rig, 0x30, 0x31);
    search(true);
    QVERIFY(rig.dialogs.calls.isEmpty());
    verifyCursor(rig, 0x1F0, 0x1F1);
    search(true);  // past the last one, on from the start
    verifyCursor(rig, 0x30, 0x31);
    QVERIFY(label(rig, "lblCursor").startsWith(Texts::FindWrapped()));

    search(false, QStringLiteral("\"ABC\""));
    verifyCursor(rig, 0x150, 0x152);
    search(false, QStringLiteral("\"abc\""));
    QCOMPARE(rig.dialogs.messageTexts(), notFound("\"abc\""));
    QCOMPARE(rig.dialogs.messages().value(0).title, QStringLiteral("提示信息"));
    search(false, QStringLiteral("DE AD"));
    QCOMPARE(rig.dialogs.messageTexts(), notFound("DE AD"));
    search(false, QStringLiteral("0A1"));
    QCOMPARE(rig.dialogs.messageTexts(), QStringList{Texts::FindInvalid()});
    search(true);  // the last search that could be made
    QCOMPARE(rig.dialogs.messageTexts(), notFound("DE AD"));
    verifyCursor(rig, 0x150, 0x152);
    search(false, QStringLiteral("FF FF"));
    verifyCursor(rig, 0x153, 0x154);
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
    QCOMPARE(rig->chip().DataBuffer(), after.replace(at, written.size(), written));
    QCOMPARE(history(rig).count(), 1);
    QVERIFY(rig.action("fundo")->isEnabled() && !rig.action("fredo")->isEnabled());

    // Undone from another page: the step is shown selected on its own.
    rig->hexView()->scrPage()->setValue(at < 256 ? 1 : 0);
    keys(rig, Undo);
    QCOMPARE(rig->chip().DataBuffer(), before);
    verifyCursor(rig, at, at + int(written.size()) - 1);
    QVERIFY(!rig.action("fundo")->isEnabled() && rig.action("fredo")->isEnabled());
    keys(rig, Undo);  // nothing left
    QCOMPARE(rig->chip().DataBuffer(), before);
    keys(rig, Redo);
    QCOMPARE(rig->chip().DataBuffer(), after);
    keys(rig, Undo);
    keys(rig, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    QCOMPARE(rig->chip().DataBuffer(), after);
    QCOMPARE(rig->hexView()->asciiColumn()->rowTexts(), asciiRows(after, at / 256));
    // Ctrl+Z is still the window's "字体设置", which does nothing.
    keys(rig, QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(rig->chip().DataBuffer(), after);
}

void HexEditingTest::newContentsClearTheHistory_data() {
    QTest::addColumn<QString>("item");
    QTest::newRow("read") << "cread";
    QTest::newRow("load") << "fopen";
    QTest::newRow("model") << "c2404";
    QTest::newRow("new") << "fnew";
}

void HexEditingTest::newContentsClearTheHistory() {
    QFETCH(QString, item);
    FormRig rig(FormRig::patient());
    QTemporaryDir dir;
    rig.dialogs.fileNames << dir.filePath(QStringLiteral("image.bin"));
    QVERIFY(TestFiles::writeFile(rig.dialogs.fileNames.first(), pattern(512, 3)));
    load(rig, M24C04, QByteArray(512, '\xFF'));
    clickByte(rig, 0x40);
    press(rig, QStringLiteral("1 2 3 4"));
    rig.trigger("fundo");
    QCOMPARE(history(rig).count(), 2);
    rig.dialogs.answers = {Dialogs::Answer::Discard};

    rig.trigger(qPrintable(item));

    QCOMPARE(history(rig).count(), 0);
    QVERIFY(!rig.action("fundo")->isEnabled() && !rig.action("fredo")->isEnabled());
    QCOMPARE(cursor(rig).position(), -1);
    QVERIFY(shownSelection(rig).isEmpty());
    const QByteArray now = rig->chip().DataBuffer();
    keys(rig, Undo);
    keys(rig, Redo);
    QCOMPARE(rig->chip().DataBuffer(), now);
    QVERIFY(!rig->chip().unsavedEdits());
}

void HexEditingTest::changedBytesStandOutUntilSaved() {
    FormRig rig(FormRig::patient());
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("saved.bin"));
    load(rig, M24C04, pattern(512));
    const QColor changed(255, 214, 150);
    // The background the grid and the characters both show for byte `at` of
    // page 0, with the cursor elsewhere; invalid if they differ.
    const auto shown = [&](qint32 at) {
        clickByte(rig, 0x80);
        HexAsciiColumn *ascii = rig->hexView()->asciiColumn();
        const QPoint inCell =
            grid(rig)->visualRect(grid(rig)->model()->index(at / 16, at % 16)).topLeft() +
            QPoint(1, 1);
        const QColor cell = grid(rig)->viewport()->grab().toImage().pixelColor(inCell);
        const QColor character = ascii->grab().toImage().pixelColor(
            ascii->cellRect(at / 16, at % 16).topLeft() + QPoint(0, 1));
        return cell == character ? cell : QColor();
    };
    const auto unsaved = [&] { return !label(rig, "PanelUnsaved").isEmpty(); };
    QVERIFY(shown(0x10) != changed && !unsaved());

    // 10H holds 70H and changes; 11H is typed as the 77H it holds.
    clickByte(rig, 0x10);
    press(rig, QStringLiteral("5 5 7 7"));
    QCOMPARE(shown(0x10), changed);
    QVERIFY(shown(0x11) != changed);
    QCOMPARE(label(rig, "PanelUnsaved"), QStringLiteral("数据已修改，尚未保存"));
    QCOMPARE(rig->statusText(), ModelSelection::statusText(M24C04));

    // Undone back to the old value, the byte is no longer a change.
    rig.trigger("fundo");
    rig.trigger("fundo");
    QVERIFY(shown(0x10) != changed && !unsaved());
    rig.trigger("fredo");
    QVERIFY(shown(0x10) == changed && unsaved());

    // Saved, written or read, nothing stands out; the next edit does again.
    const std::pair<const char *, const char *> steps[] = {
        {"save", "A A"}, {"write", "B B"}, {"read", "C C"}};
    for (const auto &[then, typed] : steps) {
        rig.dialogs.fileNames = QStringList{file};
        // What was written is read back over the edits typed since.
        if (QByteArray(then) == "read")
            rig.dialogs.answers = {Dialogs::Answer::Discard};
        rig.click(QByteArray(then) == "save"    ? "Command2"
                  : QByteArray(then) == "write" ? "Command7"
                                                : "Command6");
        QVERIFY2(shown(0x10) != changed && !unsaved(), then);
        QVERIFY2(rig->chip().changedBytes().isEmpty(), then);
        clickByte(rig, 0x10);
        press(rig, QLatin1String(typed));
        QVERIFY2(shown(0x10) == changed && unsaved(), then);
    }
    QCOMPARE(TestFiles::readFile(file).at(0x10), '\x55');
    // What was read back is what was written.
    rig.trigger("fundo");
    QCOMPARE(rig->chip().at(0x10), quint8(0xAA));
}

void HexEditingTest::checksums() {
    // The check value of the CRC-32 catalogue, and its sums.
    const Checksums check = Checksums::of("123456789");
    QCOMPARE(check.crc32, 0xCBF43926u);
    QCOMPARE(check.sum8, quint8(0xDD));
    QCOMPARE(check.sum16, quint16(0x01DD));

    FormRig rig(FormRig::offline());
    const QByteArray bytes = pattern(65536, 9);
    load(rig, M24C512, bytes);
    const auto expected = [](const QByteArray &b) {
        quint32 sum = 0;
        for (char c : b)
            sum += quint8(c);
        const uLong crc = crc32(0, reinterpret_cast<const Bytef *>(b.constData()), uInt(b.size()));
        return QString::asprintf("%02XH %04XH %08lXH", sum & 0xFF, sum & 0xFFFF, crc);
    };
    const auto shown = [&] {
        return QStringList{label(rig, "lblSum8"), label(rig, "lblSum16"), label(rig, "lblCrc32")}
            .join(QLatin1Char(' '));
    };
    QCOMPARE(shown(), expected(bytes));
    QVERIFY(rig.find("lblCrc32")->isVisibleTo(rig.form.get()));

    // Every change shows at once: a typed digit, its undo, a new model.
    clickByte(rig, 0xFF7F);
    press(rig, QStringLiteral("0"));
    QVERIFY(shown() != expected(bytes));
    QCOMPARE(shown(), expected(rig->chip().DataBuffer()));
    rig.trigger("fundo");
    QCOMPARE(shown(), expected(bytes));
    rig.chooseModel(M93C46);
    QCOMPARE(shown(), QStringLiteral("80H 7F80H ") + expected(QByteArray(128, '\xFF')).right(9));
}

void HexEditingTest::editsRefusedDuringAnOperation_data() {
    QTest::addColumn<QString>("edit");
    for (const char *edit : {"typing", "paste", "fill", "undo", "redo", "byte edit"})
        QTest::newRow(edit) << edit;
}

void HexEditingTest::editsRefusedDuringAnOperation() {
    QFETCH(QString, edit);
    FormRig rig(FormRig::patient());
    load(rig, M24C04, QByteArray(512, '\xFF'));
    clickByte(rig, 0x20);
    press(rig, QStringLiteral("1 2 Left"));
    if (edit == QLatin1String("redo"))
        rig.trigger("fundo");
    QGuiApplication::clipboard()->setText(QStringLiteral("AA BB"));
    const auto act = [&] {
        if (edit == QLatin1String("typing"))
            press(rig, QStringLiteral("3 4"));
        else if (edit == QLatin1String("paste"))
            keys(rig, Paste);
        else if (edit == QLatin1String("undo"))
            keys(rig, Undo);
        else if (edit == QLatin1String("redo"))
            keys(rig, Redo);
        rig.dialogs.inputs << QStringLiteral("00");
        if (edit == QLatin1String("fill"))
            rig.trigger("ffill");
        else if (edit == QLatin1String("byte edit"))
            emit rig->hexView()->lstHexDoubleClicked();
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
    clickByte(rig, 0x40);
    press(rig, QStringLiteral("S+Right S+Right"));
    QWidget *viewport = grid(rig)->viewport();
    const auto rightClick = [&](int row, int column) {
        const QPoint at = cellCentre(rig, row, column);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &event);
        return qobject_cast<QMenu *>(QApplication::activePopupWidget());
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
    menu->actions().at(2)->trigger();
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
