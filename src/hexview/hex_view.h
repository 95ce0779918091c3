#pragma once

#include <QList>
#include <QWidget>

#include "hexview/hex_page_model.h"
#include "hexview/mark_palette.h"

class ByteMarks;
class ChipStrip;
class HexAsciiColumn;
class HexCellDelegate;
class ChipBuffer;
class QLabel;
class QScrollBar;
class QTableView;

// The data buffer, one page of 256 bytes at a time: the grid lstHex, the row
// addresses lblAddr(0..15), the headings Label3(0..16) and the page scroll
// bar scrPage. Grid items are numbered column by column: item c * 16 + r is
// the cell in row r, column c. It follows the buffer: new contents show page
// 0, edited bytes are redrawn where they are.
class HexView : public QWidget {
    Q_OBJECT

public:
    explicit HexView(const ChipBuffer &buffer, QWidget *parent = nullptr);

    // Back to page 0 of new buffer contents.
    void showpage();
    // Redraws CurrentPage from the buffer.
    void DrawPage();
    static QString FormatAddress(qint32 address);

    // Shows the bytes of `marks` on `colour`, named `legend` where the
    // colours are explained; an earlier set wins over a later.
    void addMarks(const ByteMarks *marks, const QColor &colour, const QString &legend);

    // The selected item number, or -1 when no cell is selected.
    int selectedItem() const;
    // Buffer position of an item, or -1 for an empty cell.
    qint32 itemPosition(int item) const;

    QLabel *lblAddr(int index) const { return lblAddr_.value(index); }
    QLabel *Label3(int index) const { return Label3_.value(index); }
    QTableView *lstHex() const { return lstHex_; }
    QScrollBar *scrPage() const { return scrPage_; }
    HexPageModel *model() const { return model_; }
    HexAsciiColumn *asciiColumn() const { return ascii_; }
    ChipStrip *strip() const { return strip_; }

    qint32 CurrentPage = 0;

signals:
    void lstHexDoubleClicked();
    // showpage: new contents, back to page 0.
    void pagesReset();
    // CurrentPage was drawn afresh; the grid's selection is gone.
    void pageDrawn();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void scrPage_Change(int value);
    // Redraws the cells of bytes position..position+count-1 on this page.
    void bytesChanged(qint32 position, qint32 count);

    const ChipBuffer &buffer_;
    MarkPalette markPalette_;
    HexPageModel *model_;
    HexCellDelegate *delegate_;
    QTableView *lstHex_;
    HexAsciiColumn *ascii_;
    QScrollBar *scrPage_;
    ChipStrip *strip_;
    QList<QLabel *> lblAddr_;
    QList<QLabel *> Label3_;
};
