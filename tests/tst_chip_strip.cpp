// The whole chip beside the grid, the steps through the differences of a
// compare, and the contrast of every text the program colours itself.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "hexview/chip_strip.h"
#include "hexview/contrast.h"
#include "hexview/hex_cursor.h"
#include "hexview/hex_editing.h"
#include "hexview/mark_colours.h"
#include "support/form_rig.h"
#include "support/test_files.h"

namespace {

constexpr int M24C512 = 8;
const QColor Changed = MarkColours::Changed;
const QColor Differs = MarkColours::Differing;
const QColor Data(50, 150, 120);

// A 24C512 image with known runs: data, 00H, then FFH to the end.
QByteArray runs() {
    QByteArray bytes = TestFiles::pattern(0x4000);
    bytes += QByteArray(0x4000, '\0');
    bytes += QByteArray(0x8000, '\xFF');
    return bytes;
}

// The buffer compared with a file that differs at `positions`.
void compareWithFileDifferingAt(FormRig &rig, const QTemporaryDir &dir,
                                const QList<qint32> &positions) {
    QByteArray file = rig->chip().DataBuffer();
    for (qint32 at : positions)
        file[at] = char(~file.at(at));
    const QString path = dir.filePath(QStringLiteral("other.bin"));
    QVERIFY(TestFiles::writeFile(path, file));
    rig.dialogs.fileNames << path;
    rig.trigger("fcompare");
}

QColor stripColourAt(ChipStrip *strip, qint32 position) {
    return strip->grab().toImage().pixelColor(strip->width() - 6, strip->yOf(position));
}

QTableView *grid(const FormRig &rig) {
    return rig->hexView()->lstHex();
}

QPalette darkPalette(const QColor &text) {
    QPalette palette;
    for (auto role : {QPalette::Window, QPalette::Button})
        palette.setColor(role, QColor(53, 53, 53));
    palette.setColor(QPalette::Base, QColor(35, 35, 35));
    palette.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    return palette;
}

// The background of byte `at`'s cell on page 0, with the cursor elsewhere.
QColor cellBackground(FormRig &rig, qint32 at) {
    rig->hexEditing()->cursor().moveTo(0xF0);
    const QRect cell = grid(rig)->visualRect(grid(rig)->model()->index(at / 16, at % 16));
    return grid(rig)->viewport()->grab().toImage().pixelColor(cell.topLeft() + QPoint(1, 1));
}

}  // namespace

class ChipStripTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { FormRig::warmUp(); }
    void stripShowsTheRunsAndFollowsTheBuffer();
    void clickAndDragTurnThePages();
    void stepsThroughTheDifferences();
    void ownColoursKeepTheirContrast_data();
    void ownColoursKeepTheirContrast();
};

void ChipStripTest::stripShowsTheRunsAndFollowsTheBuffer() {
    QTemporaryDir dir;
    FormRig rig(FormRig::offline());
    rig.chooseModel(M24C512);
    rig->chip().replace(runs());
    QVERIFY(rig->chip().setByte(0x9000, 0x12));
    compareWithFileDifferingAt(rig, dir, {0xC000});
    ChipStrip *strip = rig->hexView()->strip();
    QCOMPARE(strip->runCount(), strip->height() - 2);

    const QColor blank = strip->palette().color(QPalette::Base);
    const QColor zeros = strip->colourOf(ChipStrip::Zeros);
    QCOMPARE(
        QSet<QRgb>({blank.rgb(), zeros.rgb(), Data.rgb(), Changed.rgb(), Differs.rgb()}).size(), 5);
    const QList<std::pair<qint32, QColor>> expected = {
        {0x2000, Data}, {0x6000, zeros}, {0xA000, blank}, {0x9000, Changed}, {0xC000, Differs}};
    for (const auto &[at, colour] : expected)
        QVERIFY2(stripColourAt(strip, at) == colour, qPrintable(QString::number(at, 16)));

    // An edit clears the compare's marks and is marked itself; a save makes
    // the changes part of the image.
    QVERIFY(rig->chip().setByte(0xA000, 0x34));
    QCOMPARE(stripColourAt(strip, 0xA000), Changed);
    QCOMPARE(stripColourAt(strip, 0xC000), blank);
    rig->chip().markSaved();
    QCOMPARE(stripColourAt(strip, 0xA000), Data);
    QCOMPARE(stripColourAt(strip, 0x9000), Data);
    rig->chip().replace(QByteArray(0x10000, '\0'));
    QCOMPARE(stripColourAt(strip, 0xA000), zeros);
}

void ChipStripTest::clickAndDragTurnThePages() {
    QTemporaryDir dir;
    FormRig rig(FormRig::offline());
    rig.chooseModel(M24C512);
    rig->chip().replace(runs());
    compareWithFileDifferingAt(rig, dir, {0xC0F0});
    ChipStrip *strip = rig->hexView()->strip();
    const int x = strip->width() - 6;
    const auto page = [&rig] { return rig->hexView()->scrPage()->value(); };

    // A marked run turns to the page of its mark; any other to its own.
    QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(x, strip->yOf(0xC0F0)));
    QCOMPARE(page(), 0xC0);
    QCOMPARE(rig->hexView()->CurrentPage, 0xC0);
    QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(x, strip->yOf(0x6000)));
    QVERIFY(qAbs(page() - 0x60) <= 1);

    QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(x, strip->yOf(0x2000)));
    QVERIFY(qAbs(page() - 0x20) <= 1);
    QMouseEvent drag(QEvent::MouseMove, QPointF(x, strip->yOf(0xE000)),
                     strip->mapToGlobal(QPointF(x, strip->yOf(0xE000))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(strip, &drag);
    QVERIFY(qAbs(page() - 0xE0) <= 1);
    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(x, strip->yOf(0xE000)));
}

void ChipStripTest::stepsThroughTheDifferences() {
    QTemporaryDir dir;
    FormRig rig(FormRig::offline());
    rig.chooseModel(M24C512);
    rig->chip().replace(runs());
    rig->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&*rig));
    QAction *next = rig.action("fnextdiff");
    QAction *previous = rig.action("fprevdiff");
    QVERIFY(!next->isEnabled() && !previous->isEnabled());

    compareWithFileDifferingAt(rig, dir, {0x0150, 0x2200, 0xC000});
    QVERIFY(next->isEnabled() && previous->isEnabled());
    HexCursor &cursor = rig->hexEditing()->cursor();
    const auto step = [&](QAction *action) {
        action->trigger();
        return cursor.position();
    };
    QCOMPARE(step(next), 0x0150);
    QCOMPARE(rig->hexView()->CurrentPage, 1);
    QCOMPARE(step(next), 0x2200);
    // The keys reach the window from the grid, which moves the cursor with
    // plain arrows.
    QTest::keyClick(grid(rig), Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(cursor.position(), 0xC000);
    QCOMPARE(rig->hexView()->CurrentPage, 0xC0);
    QCOMPARE(step(next), 0x0150);
    QTest::keyClick(grid(rig), Qt::Key_Up, Qt::AltModifier);
    QCOMPARE(cursor.position(), 0xC000);
    QCOMPARE(step(previous), 0x2200);

    // The marks go with the next edit, and the steps with them.
    QVERIFY(rig->chip().setByte(0x10, 0x55));
    QVERIFY(!next->isEnabled() && !previous->isEnabled());
}

void ChipStripTest::ownColoursKeepTheirContrast_data() {
    QTest::addColumn<QString>("palette");
    QTest::newRow("light") << "light";
    QTest::newRow("dark") << "dark";
    QTest::newRow("dark, grey text") << "grey";
}

void ChipStripTest::ownColoursKeepTheirContrast() {
    QFETCH(QString, palette);
    const QPalette before = QApplication::palette();
    if (palette != "light")
        QApplication::setPalette(
            darkPalette(palette == "dark" ? QColor(240, 240, 240) : QColor(175, 175, 175)));
    const auto restore = qScopeGuard([&before] { QApplication::setPalette(before); });

    QTemporaryDir dir;
    FormRig rig;
    rig->chip().replace(TestFiles::pattern(256));
    QVERIFY(rig->chip().setByte(0x10, 0x55));
    compareWithFileDifferingAt(rig, dir, {0x20});

    // The banner, the red hint and the status panels on their window.
    QMap<QString, QColor> shown;
    for (const char *name : {"Label2", "Label5", "portNotice", "PanelUnsaved"}) {
        const QPalette colours = rig.find(name)->palette();
        const QColor text = colours.color(QPalette::WindowText);
        QVERIFY2(Contrast::ratio(text, colours.color(QPalette::Window)) >= 4.5, name);
        shown.insert(name, text);
    }
    // The indicator on green and on red, and the marks behind the digits.
    const auto indicator = [&rig] {
        const QPalette colours = rig.find<QLineEdit>("Text1")->palette();
        return Contrast::ratio(colours.color(QPalette::Text), colours.color(QPalette::Base));
    };
    QVERIFY(rig.isOnline() && indicator() >= 4.5);
    rig->online().gooffline();
    QVERIFY(rig.isOffline() && indicator() >= 4.5);
    const QColor digits = grid(rig)->palette().color(QPalette::Text);
    const QColor changed = cellBackground(rig, 0x10);
    const QColor differs = cellBackground(rig, 0x20);
    QVERIFY(Contrast::ratio(changed, digits) >= 4.5);
    QVERIFY(Contrast::ratio(differs, digits) >= 4.5);
    QVERIFY(changed != differs);

    // The light palette shows the program's colours as they always were.
    if (palette == "light") {
        QCOMPARE(shown.value("Label2"), QColor(0x1d, 0x4f, 0x91));
        QCOMPARE(shown.value("Label5"), QColor(0xa0, 0x30, 0x00));
        QCOMPARE(shown.value("portNotice"), QColor(0xb0, 0x00, 0x00));
        QCOMPARE(shown.value("PanelUnsaved"), QColor(0xc0, 0x00, 0x00));
        QCOMPARE(changed, Changed);
        QCOMPARE(differs, Differs);
    }
}

QTEST_MAIN(ChipStripTest)
#include "tst_chip_strip.moc"
