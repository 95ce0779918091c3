#pragma once

#include <QBitArray>
#include <QByteArray>
#include <QString>

#include "files/image_formats.h"

// The buffer compared with an image file, byte by byte, over the part both
// hold: a file shorter than the buffer covers only its own length, a longer
// one is compared up to the buffer's end.
namespace ImageCompare {

struct Result {
    ImageFormats::LoadStatus status = ImageFormats::LoadStatus::Unreadable;
    int line = 0;           // the load fault's line, as ImageFormats names it
    qint64 fileLength = 0;  // a .BIN's length, or the highest address given plus one
    qint32 capacity = 0;    // the buffer's length
    qint32 compared = 0;    // positions 0 .. compared - 1 were compared
    QBitArray differing;    // one bit per buffer position
    qint32 count = 0;       // how many differ
    qint32 first = -1;      // the first that differs, or -1
    quint8 bufferByte = 0;  // at `first`
    quint8 fileByte = 0;    // at `first`

    bool loaded() const { return status == ImageFormats::LoadStatus::Loaded; }
    bool sameLength() const { return fileLength == capacity; }
};

Result compare(const QByteArray &buffer, const QString &path, ImageFormats::Format format);

// The report of a loaded comparison, naming the file, the count, the first
// difference and, for another length, the part compared.
QString report(const QString &path, const Result &result);

}  // namespace ImageCompare
