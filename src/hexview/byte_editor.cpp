#include "hexview/byte_editor.h"

#include "chips/chip_buffer.h"
#include "hexview/buffer_history.h"
#include "hexview/hex_view.h"
#include "messages/dialogs.h"
#include "messages/hexview_texts.h"

ByteEditor::ByteEditor(ChipBuffer &buffer, HexView &view, Dialogs &dialogs, BufferHistory &history)
    : buffer_(buffer), view_(view), dialogs_(dialogs), history_(history) {}

QString ByteEditor::prompt() {
    return Texts::EditPromptLine1() + QStringLiteral("\r\n\r\n") + Texts::EditPromptLine2();
}

std::optional<quint8> ByteEditor::parseHexByte(const QString &text) {
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 2)
        return std::nullopt;
    for (const QChar c : digits)
        // ASCII first: isxdigit() of a negative char is undefined.
        if (c.unicode() > 0x7F || !isxdigit(c.toLatin1()))
            return std::nullopt;
    return static_cast<quint8>(digits.toUInt(nullptr, 16));
}

void ByteEditor::lstHex_DblClick() {
    // The buffer may be about to be replaced or written; leave it alone.
    if (buffer_.locked())
        return;
    const int item = view_.selectedItem();
    const qint32 position = view_.itemPosition(item);
    if (position < 0)
        return;

    const std::optional<quint8> value =
        dialogs_.ask(Texts::EditTitle(), prompt(), Texts::EditInvalid(), &ByteEditor::parseHexByte);
    if (!value)
        return;
    // The box was modal, but a model change may have come in through a timer:
    // check the position again before writing.
    if (view_.itemPosition(item) != position)
        return;
    history_.setByte(position, *value);
}
