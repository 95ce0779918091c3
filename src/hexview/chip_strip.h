#pragma once

#include <QList>
#include <QVector>
#include <QWidget>

class ByteMarks;
class ChipBuffer;
class MarkPalette;

// The whole buffer at a glance, beside the grid: the first byte at the top,
// the last at the bottom, one mark per run of bytes, coloured by the first
// set of marks the run touches (changed, differing from a compared file) or
// else by what it holds (blank FFH, all 00H, data). The page shown is framed;
// a click or a drag turns to the page under the pointer. It follows the
// buffer's and the marks' signals and works out only the runs that changed,
// when it is next painted.
class ChipStrip : public QWidget {
    Q_OBJECT

public:
    // What a run shows; Marked + n - 1 for mark set n.
    enum Kind : quint8 { Blank, Zeros, Data, Marked };

    ChipStrip(const ChipBuffer &buffer, const MarkPalette &colours, QWidget *parent = nullptr);

    // A set of marks, after those added before (which win).
    void addMarks(const ByteMarks *marks);
    void setCurrentPage(qint32 page);
    // Every run is worked out again at the next paint (new contents).
    void refresh();

    int runCount() const { return runs_; }
    // The run that holds byte `position`, its first byte and its kind.
    int runOf(qint32 position) const;
    qint32 runStart(int run) const;
    int kindOf(int run);
    // The colour a kind is painted in, under the current palette.
    QColor colourOf(int kind) const;
    // The middle of the pixels that show byte `position`.
    int yOf(qint32 position) const;

    QSize sizeHint() const override;

signals:
    void pageChosen(qint32 page);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QRect bar() const;
    int runTop(int run) const;
    int runAt(int y) const;
    // The runs of `count` bytes from `position` are to be worked out again.
    void touch(qint32 position, qint32 count);
    void classify();
    int classifyRun(int run) const;
    void choose(int y);
    QString toolTipAt(int y);
    QString legendOf(int kind) const;

    const ChipBuffer &buffer_;
    const MarkPalette &colours_;
    QList<const ByteMarks *> marks_;
    qint32 page_ = 0;
    int runs_ = 1;
    QVector<quint8> kinds_;
    // Runs dirtyFirst_ .. dirtyEnd_ - 1 wait to be worked out.
    int dirtyFirst_ = 0;
    int dirtyEnd_ = 0;
};
