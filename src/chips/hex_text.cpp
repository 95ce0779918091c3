#include "chips/hex_text.h"

#include <QRegularExpression>
#include <QStringList>

namespace HexText {

namespace {

int digitValue(QChar c) {
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

bool isQuote(QChar c) {
    return c == QLatin1Char('"') || c == QChar(0x201C) || c == QChar(0x201D);
}

}  // namespace

QString fromBytes(const QByteArray &bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

std::optional<QByteArray> toBytes(const QString &text) {
    QByteArray bytes;
    const QStringList groups =
        text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const QString &group : groups) {
        if (group.size() > 1 && group.size() % 2 != 0)
            return std::nullopt;
        for (int i = 0; i < group.size(); i += 2) {
            const int high = digitValue(group.at(i));
            const int low = i + 1 < group.size() ? digitValue(group.at(i + 1)) : 0;
            if (high < 0 || low < 0)
                return std::nullopt;
            bytes += char(group.size() == 1 ? high : high * 16 + low);
        }
    }
    return bytes;
}

std::optional<qint64> toAddress(const QString &text) {
    QString digits = text.trimmed();
    if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        digits = digits.mid(2);
    else if (digits.endsWith(QLatin1Char('h'), Qt::CaseInsensitive))
        digits.chop(1);
    // Eight digits reach every address a chip can have and keep the value
    // inside the range of the result.
    if (digits.isEmpty() || digits.size() > 8)
        return std::nullopt;
    qint64 address = 0;
    for (const QChar c : digits) {
        const int value = digitValue(c);
        if (value < 0)
            return std::nullopt;
        address = address * 16 + value;
    }
    return address;
}

std::optional<Pattern> toPattern(const QString &text) {
    const QString trimmed = text.trimmed();
    Pattern pattern;
    if (trimmed.size() >= 2 && isQuote(trimmed.front()) && isQuote(trimmed.back())) {
        pattern.isText = true;
        pattern.bytes = trimmed.mid(1, trimmed.size() - 2).toUtf8();
    } else if (const std::optional<QByteArray> bytes = toBytes(trimmed)) {
        pattern.bytes = *bytes;
    }
    if (pattern.bytes.isEmpty())
        return std::nullopt;
    return pattern;
}

qint32 find(const QByteArray &bytes, const QByteArray &pattern, qint32 from, bool *wrapped) {
    *wrapped = false;
    if (pattern.isEmpty() || pattern.size() > bytes.size())
        return -1;
    from = qBound(0, from, qint32(bytes.size()));
    qint32 at = qint32(bytes.indexOf(pattern, from));
    if (at < 0 && from > 0) {
        at = qint32(bytes.indexOf(pattern, 0));
        *wrapped = at >= 0;
    }
    return at;
}

}  // namespace HexText
