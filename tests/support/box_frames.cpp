#include "support/box_frames.h"

#include "box/box_core.h"

namespace BoxFrames {

QByteArray frame(quint8 command, int address, const QByteArray &data) {
    QByteArray bytes(BoxCore::FrameSize, '\0');
    bytes[0] = char(command);
    bytes[1] = char(address >> 8);
    bytes[2] = char(address & 0xFF);
    if (!data.isEmpty()) {
        bytes.replace(3, 8, data);
        bytes[11] = char(0xFF);
    }
    return bytes;
}

QByteArray reply(quint8 code, const QByteArray &data) {
    QByteArray bytes(BoxCore::ReplySize, '\0');
    bytes[0] = char(code);
    bytes.replace(1, data.size(), data);
    return bytes;
}

}  // namespace BoxFrames
