#pragma once

#include <QAbstractTableModel>
#include <QList>

class ByteMarks;

// One 256-byte page of the data buffer as 16 rows of 16 cells. The model holds
// no copy: each cell reads the buffer when it is drawn. Rows beyond the page's
// row count (the 8-row page of a 128-byte chip) are empty cells.
class HexPageModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int Rows = 16;
    static constexpr int Columns = 16;
    static constexpr int PageSize = Rows * Columns;
    // The cell's byte as a number, or -1 for an empty cell.
    static constexpr int ByteRole = Qt::UserRole;
    // The number (from 1) of the first mark set holding the cell's byte, or 0.
    static constexpr int MarkRole = Qt::UserRole + 1;

    explicit HexPageModel(QObject *parent = nullptr);

    void setBuffer(const QByteArray *buffer) { buffer_ = buffer; }
    const QByteArray *buffer() const { return buffer_; }
    // Shows `page` with `rows` filled rows and tells the view to redraw.
    void showPage(qint32 page, int rows);
    // Tells the view that the bytes at page offsets first..last changed.
    void refreshBytes(int first, int last);

    // Sets of marked bytes, in order of precedence; the view paints them.
    void addMarks(const ByteMarks *marks) { marks_ << marks; }
    int markOf(qint32 position) const;

    qint32 page() const { return page_; }
    int filledRows() const { return rows_; }
    // Buffer position of a cell, or -1 for an empty cell.
    qint32 position(int row, int column) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    const QByteArray *buffer_ = nullptr;
    QList<const ByteMarks *> marks_;
    qint32 page_ = 0;
    int rows_ = Rows;
};
