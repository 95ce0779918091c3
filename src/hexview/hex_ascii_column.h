#pragma once

#include <QRawFont>
#include <QWidget>
#include <array>

class HexPageModel;
class MarkPalette;
class QTableView;

// The page's bytes as characters beside the grid, row for row: 20H..7EH as
// themselves, every other byte as ".". It paints the grid's selection and
// the buffer's marks on the same cells, and reads everything from the page
// model and the grid's selection, so it never shows anything they do not.
class HexAsciiColumn : public QWidget {
    Q_OBJECT

public:
    HexAsciiColumn(const HexPageModel &model, const QTableView &grid, const MarkPalette &marks,
                   int rowHeight, QWidget *parent = nullptr);

    // The page's characters row by row, as shown (empty rows left out).
    QStringList rowTexts() const;
    // The rectangle of the character in (row, column).
    QRect cellRect(int row, int column) const;

    static QChar shown(quint8 byte) {
        return byte >= 0x20 && byte <= 0x7E ? QChar(byte) : QLatin1Char('.');
    }

signals:
    // A character was pressed; with the button held, the pointer moved to
    // (row, column): a row above or below the page when it left the column.
    void pressed(int row, int column, Qt::KeyboardModifiers modifiers);
    void dragged(int row, int column);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void prepareGlyphs();
    int rowAt(int y) const;
    int columnAt(int x) const;

    const HexPageModel &model_;
    const QTableView &grid_;
    const MarkPalette &markPalette_;
    int rowHeight_;
    int charWidth_;
    int margin_;
    QRawFont raw_;
    std::array<quint32, 256> glyphs_{};
};
