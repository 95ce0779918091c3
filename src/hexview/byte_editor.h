#pragma once

#include <QString>
#include <optional>

class BufferHistory;
class ChipBuffer;
class Dialogs;
class HexView;

// Changes one byte of the buffer: double-click its cell, type a new value.
// The change is a step of the edit history, which can be undone.
class ByteEditor {
public:
    ByteEditor(ChipBuffer &buffer, HexView &view, Dialogs &dialogs, BufferHistory &history);

    void lstHex_DblClick();

    // One or two hexadecimal digits, either case, blanks around them allowed.
    static std::optional<quint8> parseHexByte(const QString &text);
    static QString prompt();

private:
    ChipBuffer &buffer_;
    HexView &view_;
    Dialogs &dialogs_;
    BufferHistory &history_;
};
