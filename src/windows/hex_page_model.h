#pragma once

#include <QAbstractTableModel>

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

    explicit HexPageModel(QObject *parent = nullptr);

    void setBuffer(const QByteArray *buffer) { buffer_ = buffer; }
    const QByteArray *buffer() const { return buffer_; }
    // Shows `page` with `rows` filled rows and tells the view to redraw.
    void showPage(qint32 page, int rows);
    // Tells the view that the bytes at page offsets first..last changed.
    void refreshBytes(int first, int last);

    qint32 page() const { return page_; }
    int filledRows() const { return rows_; }
    // Buffer position of a cell, or -1 for an empty cell.
    qint32 position(int row, int column) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    const QByteArray *buffer_ = nullptr;
    qint32 page_ = 0;
    int rows_ = Rows;
};
