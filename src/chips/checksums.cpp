#include "chips/checksums.h"

#include <zlib.h>

Checksums Checksums::of(const QByteArray &bytes) {
    // Both sums are the low bits of one total; 64 KiB of FFH stays far below
    // the range of 32 bits.
    quint32 total = 0;
    for (const char byte : bytes)
        total += quint8(byte);
    Checksums sums;
    sums.sum8 = quint8(total);
    sums.sum16 = quint16(total);
    sums.crc32 =
        quint32(::crc32(::crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef *>(bytes.constData()),
                        uInt(bytes.size())));
    return sums;
}
