#pragma once

#include <QWidget>

class ChipBuffer;
class QLabel;

// The checksums of the whole buffer, kept current: the 8-bit and 16-bit sums
// of its bytes and its CRC-32, in hexadecimal.
class ChecksumPanel : public QWidget {
    Q_OBJECT

public:
    explicit ChecksumPanel(const ChipBuffer &buffer, QWidget *parent = nullptr);

private:
    void refresh();

    const ChipBuffer &buffer_;
    QLabel *sum8_;
    QLabel *sum16_;
    QLabel *crc32_;
};
