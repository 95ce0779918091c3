#include "hexview/chip_strip.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "chips/byte_marks.h"
#include "chips/chip_buffer.h"
#include "hexview/hex_page_model.h"
#include "hexview/mark_palette.h"
#include "messages/hexview_texts.h"

namespace {

// Room on the left for the pointer at the page shown.
constexpr int Gutter = 7;
constexpr int BarWidth = 18;
constexpr int MarkHeight = 3;
// Apart from the marks' hues (orange, light blue).
const QColor DataColour(50, 150, 120);

QString address(qint32 position) {
    return QStringLiteral("%1H").arg(position, 6, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

ChipStrip::ChipStrip(const ChipBuffer &buffer, const MarkPalette &colours, QWidget *parent)
    : QWidget(parent), buffer_(buffer), colours_(colours) {
    setObjectName(QStringLiteral("chipStrip"));
    setAccessibleName(Texts::StripTitle());
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&buffer_, &ChipBuffer::replaced, this, &ChipStrip::refresh);
    connect(&buffer_, &ChipBuffer::bytesChanged, this, &ChipStrip::touch);
    refresh();
}

QSize ChipStrip::sizeHint() const {
    // As high as the view makes it: beside the grid, the grid's height.
    return QSize(Gutter + BarWidth + 2, HexPageModel::PageSize);
}

void ChipStrip::addMarks(const ByteMarks *marks) {
    marks_ << marks;
    connect(marks, &ByteMarks::changed, this, &ChipStrip::refresh);
    connect(marks, &ByteMarks::changedIn, this, &ChipStrip::touch);
    refresh();
}

void ChipStrip::setCurrentPage(qint32 page) {
    if (page == page_)
        return;
    page_ = page;
    update();
}

QRect ChipStrip::bar() const {
    return QRect(Gutter + 1, 1, qMax(1, width() - Gutter - 2), qMax(1, height() - 2));
}

// --- Runs and pixels ------------------------------------------------------

qint32 ChipStrip::runStart(int run) const {
    return qint32(qint64(run) * buffer_.size() / runs_);
}

int ChipStrip::runTop(int run) const {
    return bar().top() + int(qint64(run) * bar().height() / runs_);
}

namespace {

// The last of `runs` runs whose start, as `startOf` gives it, is at or before
// `value`, found from the run that a proportion of `span` suggests.
template <class StartOf>
int lastRunFrom(qint64 value, qint64 span, int runs, StartOf startOf) {
    int run = int(qBound(qint64(0), value, span - 1) * runs / span);
    while (run + 1 < runs && startOf(run + 1) <= value)
        ++run;
    while (run > 0 && startOf(run) > value)
        --run;
    return run;
}

}  // namespace

int ChipStrip::runOf(qint32 position) const {
    return lastRunFrom(position, buffer_.size(), runs_, [this](int run) { return runStart(run); });
}

int ChipStrip::runAt(int y) const {
    const QRect area = bar();
    return lastRunFrom(y - area.top(), area.height(), runs_,
                       [this, &area](int run) { return runTop(run) - area.top(); });
}

int ChipStrip::yOf(qint32 position) const {
    const int run = runOf(position);
    return (runTop(run) + runTop(run + 1)) / 2;
}

// --- What the runs hold -----------------------------------------------------

void ChipStrip::touch(qint32 position, qint32 count) {
    if (count <= 0)
        return;
    const int first = runOf(position);
    const int end = runOf(position + count - 1) + 1;
    if (dirtyFirst_ >= dirtyEnd_) {
        dirtyFirst_ = first;
        dirtyEnd_ = end;
    } else {
        dirtyFirst_ = qMin(dirtyFirst_, first);
        dirtyEnd_ = qMax(dirtyEnd_, end);
    }
    update();
}

void ChipStrip::refresh() {
    // A run is at least a byte and at least a pixel.
    runs_ = qMax(1, qMin(buffer_.size(), bar().height()));
    kinds_.resize(runs_);
    dirtyFirst_ = 0;
    dirtyEnd_ = runs_;
    update();
}

void ChipStrip::classify() {
    for (int run = dirtyFirst_; run < dirtyEnd_; ++run)
        kinds_[run] = quint8(classifyRun(run));
    dirtyFirst_ = dirtyEnd_ = 0;
}

int ChipStrip::classifyRun(int run) const {
    const qint32 start = runStart(run);
    const qint32 end = qMax(start + 1, runStart(run + 1));
    for (int n = 0; n < marks_.size(); ++n)
        if (marks_.at(n)->anyIn(start, end - start))
            return Marked + n;
    const char *bytes = buffer_.DataBuffer().constData();
    const char first = bytes[start];
    if (first != '\xFF' && first != '\0')
        return Data;
    const bool same =
        std::all_of(bytes + start, bytes + end, [first](char b) { return b == first; });
    return !same ? Data : first == '\0' ? Zeros : Blank;
}

int ChipStrip::kindOf(int run) {
    classify();
    return kinds_.value(run);
}

QColor ChipStrip::colourOf(int kind) const {
    const QColor base = palette().color(QPalette::Base);
    const QColor text = palette().color(QPalette::Text);
    switch (kind) {
        case Blank:
            return base;
        case Zeros:
            // Grey between the blank runs and the text.
            return QColor((base.red() * 11 + text.red() * 9) / 20,
                          (base.green() * 11 + text.green() * 9) / 20,
                          (base.blue() * 11 + text.blue() * 9) / 20);
        case Data:
            return DataColour;
        default:
            return colours_.behind(kind - Marked + 1, text);
    }
}

QString ChipStrip::legendOf(int kind) const {
    switch (kind) {
        case Blank:
            return Texts::StripBlank();
        case Zeros:
            return Texts::StripZeros();
        case Data:
            return Texts::StripData();
        default:
            return colours_.legend(kind - Marked + 1);
    }
}

// --- Painting and the pointer -----------------------------------------------

void ChipStrip::paintEvent(QPaintEvent *) {
    classify();
    QPainter painter(this);
    painter.fillRect(rect(), palette().brush(QPalette::Window));
    const QRect area = bar();
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(area.adjusted(-1, -1, 0, 0));
    // Neighbouring runs of one kind are one rectangle.
    for (int run = 0; run < runs_;) {
        int end = run + 1;
        while (end < runs_ && kinds_[end] == kinds_[run])
            ++end;
        const int top = runTop(run);
        painter.fillRect(QRect(area.left(), top, area.width(), runTop(end) - top),
                         colourOf(kinds_[run]));
        run = end;
    }
    // A mark as thin as a pixel would be lost: marks are drawn at least
    // MarkHeight high, over their neighbours.
    for (int run = 0; run < runs_; ++run) {
        if (kinds_[run] < Marked || runTop(run + 1) - runTop(run) >= MarkHeight)
            continue;
        const int top = qBound(area.top(), (runTop(run) + runTop(run + 1) - MarkHeight) / 2,
                               area.bottom() + 1 - MarkHeight);
        painter.fillRect(QRect(area.left(), top, area.width(), MarkHeight), colourOf(kinds_[run]));
    }

    // The page shown: framed, and pointed at from the left.
    const qint32 first = page_ * HexPageModel::PageSize;
    const qint32 last = qMin(first + HexPageModel::PageSize, buffer_.size()) - 1;
    int top = runTop(runOf(first));
    int bottom = runTop(runOf(last) + 1);
    if (bottom - top < 4) {
        top = qMax(area.top(), (top + bottom) / 2 - 2);
        bottom = top + 4;
    }
    const QColor ink = palette().color(QPalette::WindowText);
    painter.setPen(QPen(ink, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(area.left(), top, area.width() - 1, bottom - top - 1));
    const int middle = (top + bottom) / 2;
    const QPoint pointer[3] = {QPoint(0, middle - 4), QPoint(Gutter - 1, middle),
                               QPoint(0, middle + 4)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPolygon(pointer, 3);
}

void ChipStrip::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    refresh();
}

void ChipStrip::choose(int y) {
    // A run shows a mark: its page is the one that shows the marked byte.
    const int run = runAt(y);
    qint32 at = runStart(run);
    for (const ByteMarks *marks : marks_) {
        const qint32 marked = marks->next(at - 1);
        if (marked >= 0 && marked < runStart(run + 1)) {
            at = marked;
            break;
        }
    }
    emit pageChosen(at / HexPageModel::PageSize);
}

void ChipStrip::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    choose(event->position().toPoint().y());
}

void ChipStrip::mouseMoveEvent(QMouseEvent *event) {
    if (!(event->buttons() & Qt::LeftButton))
        return QWidget::mouseMoveEvent(event);
    choose(event->position().toPoint().y());
}

bool ChipStrip::event(QEvent *event) {
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        QToolTip::showText(help->globalPos(), toolTipAt(help->pos().y()), this);
        return true;
    }
    if (event->type() == QEvent::PaletteChange)
        update();
    return QWidget::event(event);
}

QString ChipStrip::toolTipAt(int y) {
    const int run = runAt(y);
    const qint32 end = qMax(runStart(run) + 1, runStart(run + 1));
    QString tip = QStringLiteral("<b>%1</b><br>%2<table>")
                      .arg(Texts::StripTitle(),
                           Texts::StripRun().arg(address(runStart(run)), address(end - 1),
                                                 legendOf(kindOf(run))));
    for (int kind = 0; kind < Marked + colours_.size(); ++kind)
        tip += QStringLiteral("<tr><td bgcolor=\"%1\" width=\"16\">&nbsp;</td><td>%2</td></tr>")
                   .arg(colourOf(kind).name(), legendOf(kind).toHtmlEscaped());
    return tip + QStringLiteral("</table>") + Texts::StripHint();
}
