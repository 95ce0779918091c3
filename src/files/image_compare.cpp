#include "files/image_compare.h"

#include <algorithm>

#include "messages/format_texts.h"

namespace ImageCompare {

namespace {

QString hex(quint32 value, int digits) {
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

Result compare(const QByteArray &buffer, const QString &path, ImageFormats::Format format) {
    Result result;
    result.capacity = qint32(buffer.size());
    const ImageFormats::LoadResult file =
        ImageFormats::load(path, result.capacity, format, ImageFormats::Beyond::Cut);
    result.status = file.status;
    result.line = file.line;
    if (!result.loaded())
        return result;
    result.fileLength = file.end;
    result.compared = qint32(std::min<qint64>(file.end, result.capacity));
    result.differing = QBitArray(result.capacity);
    for (qint32 at = 0; at < result.compared; ++at) {
        if (buffer.at(at) == file.buffer.at(at))
            continue;
        result.differing.setBit(at);
        if (result.count++ == 0) {
            result.first = at;
            result.bufferByte = quint8(buffer.at(at));
            result.fileByte = quint8(file.buffer.at(at));
        }
    }
    return result;
}

QString report(const QString &path, const Result &result) {
    using namespace FormatTexts;
    const QString lineBreak = QStringLiteral("\r\n");
    QString text;
    if (result.count == 0) {
        text = Same().arg(path);
    } else {
        text = Differ().arg(path, QString::number(result.count)) + lineBreak +
               FirstDifference().arg(hex(quint32(result.first), 4), hex(result.bufferByte, 2),
                                     hex(result.fileByte, 2)) +
               lineBreak + Marked();
    }
    if (!result.sameLength())
        text += lineBreak +
                LengthDiffers().arg(result.fileLength).arg(result.capacity).arg(result.compared);
    return text;
}

}  // namespace ImageCompare
