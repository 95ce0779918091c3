#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Bytes as the hex view's user types and copies them.
namespace HexText {

// "0A 1B FF": two upper-case digits a byte, one blank between.
QString fromBytes(const QByteArray &bytes);

// Hexadecimal bytes separated by blanks: "0A 1B", "0a1b", "A B". A group of
// one digit is one byte, longer groups are read two digits at a time and
// must have an even length. Anything else is refused (nullopt); blanks alone
// give no bytes.
std::optional<QByteArray> toBytes(const QString &text);

// A hexadecimal address: "1F0", "0x1F0" or "1F0H", blanks around allowed.
std::optional<qint64> toAddress(const QString &text);

// What to look for: text in quotes ("ABC") is looked for as its characters,
// anything else as hexadecimal bytes.
struct Pattern {
    QByteArray bytes;
    bool isText = false;
};
// nullopt when there is nothing to look for or the bytes are malformed.
std::optional<Pattern> toPattern(const QString &text);

// The first place of `pattern` at or after `from`; past the end the search
// goes on from the start, and `wrapped` says so. -1 when it is nowhere.
qint32 find(const QByteArray &bytes, const QByteArray &pattern, qint32 from, bool *wrapped);

}  // namespace HexText
