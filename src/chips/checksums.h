#pragma once

#include <QByteArray>
#include <QtGlobal>

// The sums by which technicians recognise an image: the bytes added up in 8
// and in 16 bits, and the CRC-32 of zip and PNG (zlib's).
struct Checksums {
    quint8 sum8 = 0;
    quint16 sum16 = 0;
    quint32 crc32 = 0;

    static Checksums of(const QByteArray &bytes);
};
