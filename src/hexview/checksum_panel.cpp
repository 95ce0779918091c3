#include "hexview/checksum_panel.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>

#include "chips/checksums.h"
#include "chips/chip_buffer.h"
#include "messages/hexview_texts.h"

ChecksumPanel::ChecksumPanel(const ChipBuffer &buffer, QWidget *parent)
    : QWidget(parent), buffer_(buffer) {
    setObjectName(QStringLiteral("checksums"));
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(Texts::ChecksumHeading(), this), 0, 0, 1, 2);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const auto add = [&](int row, const char *name, const QString &caption) {
        layout->addWidget(new QLabel(caption, this), row, 0);
        auto *value = new QLabel(this);
        value->setObjectName(QLatin1String(name));
        value->setFont(fixed);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(value, row, 1);
        return value;
    };
    sum8_ = add(1, "lblSum8", Texts::Sum8Label());
    sum16_ = add(2, "lblSum16", Texts::Sum16Label());
    crc32_ = add(3, "lblCrc32", Texts::Crc32Label());
    layout->setColumnStretch(1, 1);

    connect(&buffer_, &ChipBuffer::replaced, this, &ChecksumPanel::refresh);
    connect(&buffer_, &ChipBuffer::bytesChanged, this, &ChecksumPanel::refresh);
    refresh();
}

void ChecksumPanel::refresh() {
    const Checksums sums = Checksums::of(buffer_.DataBuffer());
    const auto hex = [](quint32 value, int digits) {
        return QStringLiteral("%1H").arg(value, digits, 16, QLatin1Char('0')).toUpper();
    };
    sum8_->setText(hex(sums.sum8, 2));
    sum16_->setText(hex(sums.sum16, 4));
    crc32_->setText(hex(sums.crc32, 8));
}
