#include "chips/byte_editor.h"

#include "chips/chip_state.h"
#include "chips/hex_view.h"
#include "windows/dialogs.h"
#include "windows/texts.h"

ByteEditor::ByteEditor(ChipState &state, HexView &view, Dialogs &dialogs)
    : state_(state), view_(view), dialogs_(dialogs) {}

QString ByteEditor::prompt() {
    return Texts::EditPromptLine1 + QStringLiteral("\r\n\r\n") + Texts::EditPromptLine2;
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
    if (state_.operationRunning())
        return;
    const int item = view_.selectedItem();
    const qint32 position = view_.itemPosition(item);
    if (position < 0)
        return;

    const QString text = dialogs_.input(Texts::EditTitle, prompt());
    if (text.trimmed().isEmpty())
        return;
    const std::optional<quint8> value = parseHexByte(text);
    if (!value) {
        dialogs_.warning(Texts::EditInvalid);
        return;
    }
    // The box was modal, but a model change may have come in through a timer:
    // check the position again before writing.
    if (view_.itemPosition(item) != position || position >= state_.DataBuffer.size())
        return;
    state_.DataBuffer[position] = static_cast<char>(*value);
    state_.UnsavedEdits = true;
    view_.refreshItem(item);
}
