// The progress caption and bar after block k of blocks 0..BlockCount.
#include <QtTest>

#include "operations/progress_text.h"

class ProgressTextTest : public QObject {
    Q_OBJECT

private slots:
    void afterBlock_data();
    void afterBlock();
    void caption_data();
    void caption();
};

void ProgressTextTest::afterBlock_data() {
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("blockCount");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("bar");

    // The first, second and last blocks are watched in tst_chip_operations.
    // The bar rounds down, never up to a full bar before the last block.
    QTest::newRow("24C512 next to last") << 8190 << 8191 << " 99.99%" << 99;
    QTest::newRow("93C46 whole share") << 3 << 15 << " 20%" << 20;
}

void ProgressTextTest::afterBlock() {
    QFETCH(int, block);
    QFETCH(int, blockCount);
    QFETCH(QString, caption);
    QFETCH(int, bar);

    const double p = ProgressText::percent(block, blockCount);
    QCOMPARE(ProgressText::caption(p), caption);
    QCOMPARE(ProgressText::barValue(p), bar);
}

void ProgressTextTest::caption_data() {
    QTest::addColumn<double>("percent");
    QTest::addColumn<QString>("caption");

    // Halves go to the even neighbour.
    QTest::newRow(".125") << 0.125 << " .12%";
    QTest::newRow(".375") << 0.375 << " .38%";
    QTest::newRow("2.625") << 2.625 << " 2.62%";
    // No trailing zeros, no zero before the point, zeros inside kept.
    QTest::newRow("12.5") << 12.5 << " 12.5%";
    QTest::newRow("12.499") << 12.499 << " 12.5%";
    QTest::newRow(".05") << 0.05 << " .05%";
    QTest::newRow(".1") << 0.1 << " .1%";
    QTest::newRow("10") << 10.0 << " 10%";
    QTest::newRow("99.996 rounds up to 100") << 99.996 << " 100%";
    QTest::newRow("0.004 rounds down to 0") << 0.004 << " 0%";
}

void ProgressTextTest::caption() {
    QFETCH(double, percent);
    QFETCH(QString, caption);
    QCOMPARE(ProgressText::caption(percent), caption);
}

QTEST_MAIN(ProgressTextTest)
#include "tst_progress_text.moc"
