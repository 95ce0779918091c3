#include "hexview/hex_page_model.h"

#include <array>

#include "chips/byte_marks.h"

namespace {

// "00".."FF", built once: a redraw formats 256 cells.
const std::array<QString, 256> &hexTexts() {
    static const std::array<QString, 256> texts = [] {
        std::array<QString, 256> t;
        for (int i = 0; i < 256; ++i)
            t[static_cast<size_t>(i)] =
                QStringLiteral("%1").arg(i, 2, 16, QLatin1Char('0')).toUpper();
        return t;
    }();
    return texts;
}

}  // namespace

HexPageModel::HexPageModel(QObject *parent) : QAbstractTableModel(parent) {}

void HexPageModel::showPage(qint32 page, int rows) {
    page_ = page;
    rows_ = rows;
    emit dataChanged(index(0, 0), index(Rows - 1, Columns - 1), {Qt::DisplayRole});
}

void HexPageModel::refreshBytes(int first, int last) {
    // Whole rows from the first to the last: one signal, however many bytes.
    const int firstRow = first / Columns, lastRow = last / Columns;
    const int firstColumn = firstRow == lastRow ? first % Columns : 0;
    const int lastColumn = firstRow == lastRow ? last % Columns : Columns - 1;
    emit dataChanged(index(firstRow, firstColumn), index(lastRow, lastColumn), {Qt::DisplayRole});
}

qint32 HexPageModel::position(int row, int column) const {
    if (row < 0 || row >= rows_ || column < 0 || column >= Columns)
        return -1;
    const qint32 position = page_ * PageSize + row * Columns + column;
    if (!buffer_ || position >= buffer_->size())
        return -1;
    return position;
}

int HexPageModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : Rows;
}

int HexPageModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : Columns;
}

int HexPageModel::markOf(qint32 position) const {
    for (int i = 0; i < marks_.size(); ++i)
        if (marks_[i]->contains(position))
            return i + 1;
    return 0;
}

QVariant HexPageModel::data(const QModelIndex &index, int role) const {
    if (role == Qt::TextAlignmentRole)
        return Qt::AlignCenter;
    if (role == ByteRole) {
        const qint32 at = position(index.row(), index.column());
        return at < 0 ? -1 : int(static_cast<unsigned char>(buffer_->at(at)));
    }
    if (role == MarkRole) {
        const qint32 at = position(index.row(), index.column());
        return at < 0 ? 0 : markOf(at);
    }
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const qint32 at = position(index.row(), index.column());
    if (at < 0)
        return QString();
    return hexTexts()[static_cast<unsigned char>(buffer_->at(at))];
}
