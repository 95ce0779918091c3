#include "link/protocol.h"

#include <algorithm>
#include <cstring>

namespace Protocol {

quint8 expectedReply(quint8 command) {
    switch (command) {
        case ConnectionTest:
            return ConnectionOk;
        case ChipSelect:
            return ChipSelected;
        case ReadOpen:
            return ReadOpened;
        case WriteOpen:
            return WriteOpened;
        case BlockRead:
        case BlockWrite:
            return BlockDone;
        default:
            return 0;
    }
}

void fillFrame(char *frame, quint8 command, QByteArrayView parameters) {
    std::memset(frame, 0, FrameSize);
    frame[0] = static_cast<char>(command);
    std::copy_n(parameters.data(), std::min<qsizetype>(parameters.size(), FrameSize - 1),
                frame + 1);
}

QByteArray frame(quint8 command, std::initializer_list<quint8> parameters) {
    QByteArray bytes(FrameSize, '\0');
    fillFrame(bytes.data(), command,
              QByteArrayView(reinterpret_cast<const char *>(parameters.begin()),
                             qsizetype(parameters.size())));
    return bytes;
}

void fillBlockFrame(char *frame, quint8 command, quint16 address, QByteArrayView data) {
    std::memset(frame, 0, FrameSize);
    frame[0] = static_cast<char>(command);
    frame[1] = static_cast<char>(address >> 8);
    frame[2] = static_cast<char>(address & 0xFF);
    if (data.isEmpty())
        return;
    std::copy_n(data.data(), std::min<qsizetype>(data.size(), BlockSize), frame + 3);
    frame[3 + BlockSize] = static_cast<char>(BlockEnd);
}

QByteArray blockFrame(quint8 command, quint16 address, QByteArrayView data) {
    QByteArray bytes(FrameSize, '\0');
    fillBlockFrame(bytes.data(), command, address, data);
    return bytes;
}

quint16 frameAddress(QByteArrayView frame) {
    return static_cast<quint16>((quint8(frame[1]) << 8) | quint8(frame[2]));
}

QByteArrayView frameData(QByteArrayView frame) {
    return frame.sliced(3, BlockSize);
}

QByteArray reply(quint8 code, QByteArrayView data) {
    QByteArray bytes(ReplySize, '\0');
    bytes[0] = static_cast<char>(code);
    std::copy_n(data.data(), std::min<qsizetype>(data.size(), ReplySize - 1), bytes.data() + 1);
    return bytes;
}

bool isReply(QByteArrayView reply, quint8 code) {
    return reply.size() >= ReplySize && quint8(reply[0]) == code;
}

}  // namespace Protocol
