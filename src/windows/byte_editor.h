#pragma once

#include <QString>
#include <optional>

class ChipBuffer;
class Dialogs;
class HexView;

// Changes one byte of the buffer: double-click its cell, type a new value.
class ByteEditor {
public:
    ByteEditor(ChipBuffer &buffer, HexView &view, Dialogs &dialogs);

    void lstHex_DblClick();

    // One or two hexadecimal digits, either case, blanks around them allowed.
    static std::optional<quint8> parseHexByte(const QString &text);
    static QString prompt();

private:
    ChipBuffer &buffer_;
    HexView &view_;
    Dialogs &dialogs_;
};
