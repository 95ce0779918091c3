#pragma once

#include <QByteArray>
#include <QString>

#include "messages/format_texts.h"

// Chip images as raw .BIN files, Intel HEX or Motorola S-records.
namespace ImageFormats {

enum class Format { Binary, IntelHex, SRecord };

// By the name's extension, in any case: .hex .ihx, .s19 .s28 .s37 .srec .mot;
// anything else is a raw image.
Format formatForName(const QString &fileName);

// By an entry of FormatTexts::FileFilter(): its description, its pattern, or
// Qt's "description (pattern)"; the first pattern decides.
Format formatForFilter(const QString &entry);

enum class LoadStatus {
    Loaded,
    Unreadable,      // missing, not a file, or cannot be opened
    BeyondCapacity,  // data at or past the chip's capacity (a .BIN image too long)
    BadChecksum,     // a record's checksum does not match
    Malformed,       // a line that is no record of the format, or a broken record
    Overlap,         // a record gives an address an earlier record already gave
};

struct LoadResult {
    LoadStatus status = LoadStatus::Unreadable;
    QByteArray buffer;     // only when Loaded: `capacity` bytes, FFH where the file has none
    int line = 0;          // the offending record's line, from 1; 0 when the fault has none
    qint64 dataBytes = 0;  // when Loaded: the data bytes the file held
    qint64 end = 0;        // when Loaded: the highest address given plus one (a .BIN: its length)
};

// What a load does with data at or past the capacity.
enum class Beyond {
    Refuse,  // the whole load fails (BeyondCapacity)
    Cut,     // left out; `end` still counts it (a comparison over the common part)
};

// Reads the whole file and checks every record before anything is returned.
LoadResult load(const QString &path, qint32 capacity, Format format,
                Beyond beyond = Beyond::Refuse);

// The warning for a failed load, naming the file and the offending line (0: none),
// ending with what the failure left unchanged.
QString failureText(const QString &path, LoadStatus status, int line,
                    const QString &ending = FormatTexts::BufferUnchanged());

// Replaces the file with the whole of `data`, 16 bytes a record, or leaves it
// untouched and says so. S-records use S1/S9, or S2/S8 for a .s28 name and
// S3/S7 for a .s37 name (wider ones when the addresses need them).
bool save(const QString &path, const QByteArray &data, Format format);

}  // namespace ImageFormats
