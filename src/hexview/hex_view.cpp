#include "hexview/hex_view.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "chips/byte_marks.h"
#include "chips/chip_buffer.h"
#include "chips/chip_catalogue.h"
#include "hexview/chip_strip.h"
#include "hexview/hex_ascii_column.h"
#include "hexview/hex_cell_delegate.h"
#include "messages/hexview_texts.h"

namespace {

constexpr int CellWidth = 30;
constexpr int CellHeight = 21;
constexpr int AddressWidth = 72;

QLabel *makeLabel(QWidget *parent, const char *name, int index, const QString &text) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setProperty("index", index);
    return label;
}

}  // namespace

HexView::HexView(const ChipBuffer &buffer, QWidget *parent)
    : QWidget(parent),
      buffer_(buffer),
      model_(new HexPageModel(this)),
      lstHex_(new QTableView(this)),
      scrPage_(new QScrollBar(Qt::Vertical, this)),
      strip_(new ChipStrip(buffer, markPalette_, this)) {
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    lstHex_->setObjectName(QStringLiteral("lstHex"));
    lstHex_->setModel(model_);
    delegate_ = new HexCellDelegate(markPalette_, lstHex_);
    lstHex_->setItemDelegate(delegate_);
    lstHex_->setFont(fixed);
    lstHex_->horizontalHeader()->hide();
    lstHex_->verticalHeader()->hide();
    lstHex_->horizontalHeader()->setMinimumSectionSize(CellWidth);
    lstHex_->verticalHeader()->setMinimumSectionSize(CellHeight);
    lstHex_->horizontalHeader()->setDefaultSectionSize(CellWidth);
    lstHex_->verticalHeader()->setDefaultSectionSize(CellHeight);
    lstHex_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lstHex_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lstHex_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstHex_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstHex_->setFrameShape(QFrame::NoFrame);
    lstHex_->setFixedSize(CellWidth * HexPageModel::Columns, CellHeight * HexPageModel::Rows);
    lstHex_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstHex_->setSelectionBehavior(QAbstractItemView::SelectItems);
    lstHex_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstHex_->viewport()->installEventFilter(this);
    connect(lstHex_, &QTableView::doubleClicked, this, [this] { emit lstHexDoubleClicked(); });

    // The same page as characters, beside the grid.
    ascii_ = new HexAsciiColumn(*model_, *lstHex_, markPalette_, CellHeight, this);
    connect(lstHex_->selectionModel(), &QItemSelectionModel::selectionChanged, ascii_,
            qOverload<>(&QWidget::update));

    scrPage_->setObjectName(QStringLiteral("scrPage"));
    scrPage_->setRange(0, 0);
    scrPage_->setSingleStep(1);
    scrPage_->setPageStep(8);
    scrPage_->setTracking(true);  // redraw while the thumb is dragged
    scrPage_->setFixedHeight(CellHeight * HexPageModel::Rows);
    connect(scrPage_, &QScrollBar::valueChanged, this, &HexView::scrPage_Change);

    // The whole chip beside the pages; it turns them too.
    strip_->setFixedSize(strip_->sizeHint().width(), CellHeight * HexPageModel::Rows);
    connect(strip_, &ChipStrip::pageChosen, scrPage_, &QScrollBar::setValue);
    auto *stripHeading = new QLabel(Texts::StripHeading(), this);
    stripHeading->setObjectName(QStringLiteral("lblStrip"));
    stripHeading->setAlignment(Qt::AlignCenter);

    // Column headings: element 0 above the addresses, 1..16 above the columns.
    auto *headings = new QHBoxLayout;
    headings->setSpacing(0);
    headings->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i <= HexPageModel::Columns; ++i) {
        QLabel *label =
            makeLabel(this, "Label3", i,
                      i == 0 ? Texts::AddressHeading() : QString::number(i - 1, 16).toUpper());
        label->setFont(fixed);
        label->setAlignment(Qt::AlignCenter);
        label->setFixedWidth(i == 0 ? AddressWidth : CellWidth);
        headings->addWidget(label);
        Label3_ << label;
    }
    auto *asciiHeading = new QLabel(Texts::AsciiHeading(), this);
    asciiHeading->setObjectName(QStringLiteral("lblAscii"));
    asciiHeading->setFont(fixed);
    asciiHeading->setAlignment(Qt::AlignCenter);
    asciiHeading->setFixedWidth(ascii_->width());
    headings->addWidget(asciiHeading);
    headings->addStretch();

    auto *addresses = new QVBoxLayout;
    addresses->setSpacing(0);
    addresses->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < HexPageModel::Rows; ++i) {
        QLabel *label = makeLabel(this, "lblAddr", i, QString());
        label->setFont(fixed);
        label->setFixedSize(AddressWidth, CellHeight);
        label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
        addresses->addWidget(label);
        lblAddr_ << label;
    }

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(2);
    grid->addLayout(headings, 0, 0, 1, 4);
    grid->addWidget(stripHeading, 0, 4);
    grid->addLayout(addresses, 1, 0);
    grid->addWidget(lstHex_, 1, 1);
    grid->addWidget(ascii_, 1, 2);
    grid->addWidget(scrPage_, 1, 3);
    grid->addWidget(strip_, 1, 4);
    grid->setColumnStretch(5, 1);
    // Room to spare goes below the grid: the headings stay on it.
    grid->setRowStretch(2, 1);

    model_->setBuffer(&buffer_.DataBuffer());
    connect(&buffer_, &ChipBuffer::replaced, this, &HexView::showpage);
    connect(&buffer_, &ChipBuffer::bytesChanged, this, &HexView::bytesChanged);
}

QString HexView::FormatAddress(qint32 address) {
    return QString::number(address, 16).toUpper().rightJustified(7, QLatin1Char('0'));
}

void HexView::showpage() {
    emit pagesReset();
    scrPage_->setValue(0);
    const QByteArray *buffer = model_->buffer();
    const qint32 length = buffer ? static_cast<qint32>(buffer->size()) : 0;
    scrPage_->setMaximum(length > 0 ? (length - 1) / HexPageModel::PageSize : 0);
    DrawPage();
}

void HexView::DrawPage() {
    for (int i = 0; i < HexPageModel::Rows; ++i) {
        const QString address =
            FormatAddress(CurrentPage * HexPageModel::PageSize + i * HexPageModel::Columns);
        lblAddr_[i]->setText((QStringLiteral("0000000") + address).right(6) + QLatin1Char(':'));
    }
    lstHex_->selectionModel()->clear();
    // The 93C46 has half a page: eight rows.
    const bool eightRows = buffer_.ChipCode() == ChipCatalogue::Model93C46;
    model_->showPage(CurrentPage, eightRows ? HexPageModel::Rows / 2 : HexPageModel::Rows);
    ascii_->update();
    strip_->setCurrentPage(CurrentPage);
    emit pageDrawn();
}

void HexView::scrPage_Change(int value) {
    CurrentPage = value;
    DrawPage();
    lstHex_->setFocus();
}

int HexView::selectedItem() const {
    const QModelIndexList selected = lstHex_->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return -1;
    const QModelIndex cell = selected.first();
    return cell.column() * HexPageModel::Rows + cell.row();
}

qint32 HexView::itemPosition(int item) const {
    if (item < 0 || item >= HexPageModel::PageSize)
        return -1;
    return model_->position(item % HexPageModel::Rows, item / HexPageModel::Rows);
}

void HexView::addMarks(const ByteMarks *marks, const QColor &colour, const QString &legend) {
    model_->addMarks(marks);
    markPalette_.add(colour, legend);
    strip_->addMarks(marks);
    // Marks come and go in bulk: the page is redrawn, not the cells.
    connect(marks, &ByteMarks::changed, lstHex_->viewport(), qOverload<>(&QWidget::update));
    connect(marks, &ByteMarks::changed, ascii_, qOverload<>(&QWidget::update));
    connect(marks, &ByteMarks::changedIn, this, &HexView::bytesChanged);
}

void HexView::bytesChanged(qint32 position, qint32 count) {
    const qint32 first = qMax(position, CurrentPage * HexPageModel::PageSize);
    const qint32 last = qMin(position + count, (CurrentPage + 1) * HexPageModel::PageSize) - 1;
    if (first > last)
        return;
    model_->refreshBytes(first - CurrentPage * HexPageModel::PageSize,
                         last - CurrentPage * HexPageModel::PageSize);
    ascii_->update();
}

bool HexView::eventFilter(QObject *watched, QEvent *event) {
    // The grid never scrolls itself; the wheel turns the pages instead.
    if (watched == lstHex_->viewport() && event->type() == QEvent::Wheel) {
        const int delta = static_cast<QWheelEvent *>(event)->angleDelta().y();
        if (delta != 0)
            scrPage_->triggerAction(delta > 0 ? QAbstractSlider::SliderSingleStepSub
                                              : QAbstractSlider::SliderSingleStepAdd);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
