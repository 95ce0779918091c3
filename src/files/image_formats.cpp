#include "files/image_formats.h"

#include <srecord/input/file/intel.h>
#include <srecord/quit/exception.h>
#include <srecord/record.h>

#include <QBitArray>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "files/bin_file.h"
#include "messages/format_texts.h"

#if __has_include(<srecord/input/file/motorola.h>)
#include <srecord/input/file/motorola.h>
#else
// Debian's libsrecord-dev builds the S-record reader into the library but
// leaves its header out. This declares the one member used here, with the
// library's own signature.
namespace srecord {
class input_file_motorola {
public:
    static input_file::pointer create(const std::string &file_name);
};
}  // namespace srecord
#endif

namespace ImageFormats {

namespace {

constexpr int RecordBytes = 16;

// Without it the library prints its complaint and ends the program; here it
// throws instead, quietly, and the fault comes back as a LoadResult.
class Quitter : public srecord::quit_exception {
protected:
    // Every complaint, warnings too, comes here as text. A line that is no
    // record at all is skipped with a mere warning; for a chip image that is
    // as bad as a broken record. The text is the only thing that tells that
    // warning from harmless ones (no header record, no S9 record).
    void message_v(const char *format, va_list args) override {
        va_list measure;
        va_copy(measure, args);
        const int length = std::vsnprintf(nullptr, 0, format, measure);
        va_end(measure);
        std::vector<char> text(static_cast<size_t>(std::max(length, 0)) + 1);
        std::vsnprintf(text.data(), text.size(), format, args);
        if (std::strstr(text.data(), "garbage"))
            exit(1);
    }
};

// The line the reader is on; it names its place "file: line".
int currentLine(const srecord::input &input) {
    try {
        const std::string place = input.filename_and_line();
        const size_t colon = place.rfind(": ");
        return colon == std::string::npos ? 0 : std::atoi(place.c_str() + colon + 2);
    } catch (const srecord::quit_exception::vomit &) {
        return 0;  // it could not open the file, so it is on no line
    }
}

LoadResult failure(LoadStatus status, int line) {
    LoadResult result;
    result.status = status;
    result.line = line;
    return result;
}

// Reads every record into a fresh buffer, stopping at the first fault.
LoadResult scan(const std::string &name, qint32 capacity, Format format, bool checksums,
                Beyond beyond) {
    Quitter quitter;
    const srecord::input::pointer input = format == Format::IntelHex
                                              ? srecord::input_file_intel::create(name)
                                              : srecord::input_file_motorola::create(name);
    input->set_quit(quitter);
    if (!checksums)
        input->disable_checksum_validation();

    LoadResult result;
    result.buffer = QByteArray(capacity, '\xFF');
    QBitArray given(capacity);
    try {
        srecord::record record;
        while (input->read(record)) {
            if (record.get_type() != srecord::record::type_data)
                continue;
            const qint64 first = record.get_address();
            const qint64 end = first + static_cast<qint64>(record.get_length());
            if (end > capacity && beyond == Beyond::Refuse)
                return failure(LoadStatus::BeyondCapacity, currentLine(*input));
            result.dataBytes += end - first;
            result.end = std::max(result.end, end);
            // Overlaps are found where the data is kept.
            const qint64 kept = std::min<qint64>(end, capacity);
            for (qint64 at = first; at < kept; ++at) {
                if (given.testBit(static_cast<int>(at)))
                    return failure(LoadStatus::Overlap, currentLine(*input));
            }
            if (first >= kept)
                continue;
            given.fill(true, static_cast<int>(first), static_cast<int>(kept));
            std::memcpy(result.buffer.data() + first, record.get_data(),
                        static_cast<size_t>(kept - first));
        }
        // The Intel HEX reader refuses a file without data; the S-record one
        // only warns. Neither is a chip image.
        if (result.dataBytes == 0)
            return failure(LoadStatus::Malformed, currentLine(*input));
    } catch (const srecord::quit_exception::vomit &) {
        return failure(LoadStatus::Malformed, currentLine(*input));
    }
    result.status = LoadStatus::Loaded;
    return result;
}

void appendLine(QByteArray &text, const char *lead, const QByteArray &body, quint8 checksum) {
    text += lead;
    text += body.toHex().toUpper();
    text += QByteArray(1, static_cast<char>(checksum)).toHex().toUpper();
    text += "\r\n";
}

quint8 byteSum(const QByteArray &bytes) {
    quint8 sum = 0;
    for (const char byte : bytes)
        sum += static_cast<quint8>(byte);
    return sum;
}

void appendIntel(QByteArray &text, int type, int address, const QByteArray &data) {
    QByteArray body;
    body += static_cast<char>(data.size());
    body += static_cast<char>(address >> 8);
    body += static_cast<char>(address);
    body += static_cast<char>(type);
    body += data;
    appendLine(text, ":", body, static_cast<quint8>(-byteSum(body)));
}

QByteArray intelHex(const QByteArray &data) {
    QByteArray text;
    int upper = 0;
    for (int at = 0; at < data.size(); at += RecordBytes) {
        // The upper 16 address bits, needed only past 64 KiB.
        if ((at >> 16) != upper) {
            upper = at >> 16;
            QByteArray upperBits;
            upperBits += static_cast<char>(upper >> 8);
            upperBits += static_cast<char>(upper);
            appendIntel(text, 4, 0, upperBits);
        }
        appendIntel(text, 0, at & 0xFFFF, data.mid(at, RecordBytes));
    }
    appendIntel(text, 1, 0, QByteArray());
    return text;
}

void appendSRecord(QByteArray &text, int type, quint32 address, int addressBytes,
                   const QByteArray &data) {
    QByteArray body;
    body += static_cast<char>(addressBytes + data.size() + 1);
    for (int shift = 8 * (addressBytes - 1); shift >= 0; shift -= 8)
        body += static_cast<char>(address >> shift);
    body += data;
    const char lead[] = {'S', static_cast<char>('0' + type), '\0'};
    appendLine(text, lead, body, static_cast<quint8>(~byteSum(body)));
}

QByteArray sRecords(const QByteArray &data, int addressBytes) {
    while (addressBytes < 4 && !data.isEmpty() &&
           (static_cast<quint32>(data.size()) - 1) >> (8 * addressBytes) != 0)
        ++addressBytes;
    QByteArray text;
    appendSRecord(text, 0, 0, 2, QByteArray());
    // S1/S2/S3 data with 2, 3 or 4 address bytes, ended by S9/S8/S7.
    for (int at = 0; at < data.size(); at += RecordBytes)
        appendSRecord(text, addressBytes - 1, at, addressBytes, data.mid(at, RecordBytes));
    appendSRecord(text, 11 - addressBytes, 0, addressBytes, QByteArray());
    return text;
}

}  // namespace

Format formatForName(const QString &fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("hex") || suffix == QLatin1String("ihx"))
        return Format::IntelHex;
    static const QStringList sRecordSuffixes = {QStringLiteral("s19"), QStringLiteral("s28"),
                                                QStringLiteral("s37"), QStringLiteral("srec"),
                                                QStringLiteral("mot")};
    return sRecordSuffixes.contains(suffix) ? Format::SRecord : Format::Binary;
}

Format formatForFilter(const QString &entry) {
    // The patterns are in the last parentheses of a description, or are the entry.
    static const QRegularExpression lastParentheses(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    const QRegularExpressionMatch match = lastParentheses.match(entry);
    const QString patterns = match.hasMatch() ? match.captured(1) : entry;
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    return formatForName(patterns.split(separators, Qt::SkipEmptyParts).value(0));
}

LoadResult load(const QString &path, qint32 capacity, Format format, Beyond beyond) {
    if (format == Format::Binary) {
        const BinFile::LoadResult raw = BinFile::load(path, capacity, beyond == Beyond::Cut);
        LoadResult result;
        switch (raw.status) {
            case BinFile::LoadStatus::Loaded:
                result.status = LoadStatus::Loaded;
                result.buffer = raw.buffer;
                result.dataBytes = raw.length;
                result.end = raw.length;
                break;
            case BinFile::LoadStatus::TooLarge:
                result.status = LoadStatus::BeyondCapacity;
                break;
            case BinFile::LoadStatus::Unreadable:
                break;
        }
        return result;
    }

    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return failure(LoadStatus::Unreadable, 0);
    file.close();
    // Absolute, so that a file named "-" is never taken for standard input.
    const std::string name = QFile::encodeName(info.absoluteFilePath()).toStdString();

    LoadResult result = scan(name, capacity, format, true, beyond);
    if (result.status == LoadStatus::Malformed) {
        if (result.line == 0)
            return failure(LoadStatus::Unreadable, 0);
        // The library reports a bad checksum as it does any broken record.
        // One that reads whole once checksums are ignored had nothing wrong
        // but its checksum.
        const LoadResult unchecked = scan(name, capacity, format, false, beyond);
        if (unchecked.status != LoadStatus::Malformed || unchecked.line > result.line)
            result.status = LoadStatus::BadChecksum;
    }
    return result;
}

QString failureText(const QString &path, LoadStatus status, int line, const QString &ending) {
    const auto at = [&](const QString &fault) {
        return ending.arg(line > 0
                              ? FormatTexts::FaultAtLine().arg(path, QString::number(line), fault)
                              : FormatTexts::Fault().arg(path, fault));
    };
    switch (status) {
        case LoadStatus::Loaded:
            break;
        case LoadStatus::Unreadable:
            return ending.arg(FormatTexts::Unreadable().arg(path));
        case LoadStatus::BeyondCapacity:
            return at(FormatTexts::BeyondCapacity());
        case LoadStatus::BadChecksum:
            return at(FormatTexts::BadChecksum());
        case LoadStatus::Malformed:
            return at(FormatTexts::Malformed());
        case LoadStatus::Overlap:
            return at(FormatTexts::Overlap());
    }
    return QString();
}

bool save(const QString &path, const QByteArray &data, Format format) {
    switch (format) {
        case Format::IntelHex:
            return BinFile::save(path, intelHex(data));
        case Format::SRecord: {
            const QString suffix = QFileInfo(path).suffix().toLower();
            const int addressBytes = suffix == QLatin1String("s37")   ? 4
                                     : suffix == QLatin1String("s28") ? 3
                                                                      : 2;
            return BinFile::save(path, sRecords(data, addressBytes));
        }
        case Format::Binary:
            break;
    }
    return BinFile::save(path, data);
}

}  // namespace ImageFormats
