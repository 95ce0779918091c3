#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <initializer_list>

// The programmer box's protocol, for the program and the virtual box alike:
// 12-byte command frames from the PC, 10-byte replies from the box, which
// speaks only when asked.
namespace Protocol {

constexpr int FrameSize = 12;
constexpr int ReplySize = 10;
constexpr int BlockSize = 8;  // data bytes of one block read or written

// Command codes (byte 0 of a frame) and the reply code each expects.
enum Command : quint8 {
    ConnectionTest = 0xFE,
    ChipSelect = 0xFA,  // byte 1: the model's code
    ReadOpen = 0xFC,
    BlockRead = 0xF8,  // bytes 1-2: block address, high byte first
    WriteOpen = 0xDC,
    BlockWrite = 0xD8,  // bytes 1-2: address; 3-10: data; 11: BlockEnd
};
enum Reply : quint8 {
    ConnectionOk = 0xFD,
    ChipSelected = 0xF9,
    ReadOpened = 0xFB,
    WriteOpened = 0xDB,
    BlockDone = 0xF6,  // bytes 1-8: the block's data after a block read
};
constexpr quint8 BlockEnd = 0xFF;

// The reply code that answers `command`, or 0 for a code the box ignores.
quint8 expectedReply(quint8 command);

// Fills a 12-byte frame in place: the code, the parameters, zeros after them.
void fillFrame(char *frame, quint8 command, QByteArrayView parameters = {});
QByteArray frame(quint8 command, std::initializer_list<quint8> parameters = {});
// A block read (`data` empty) or a block write (eight bytes of `data`, then
// BlockEnd) of the block at `address`, in place.
void fillBlockFrame(char *frame, quint8 command, quint16 address, QByteArrayView data = {});
QByteArray blockFrame(quint8 command, quint16 address, QByteArrayView data = {});

// The block address a frame carries, and a block write's eight data bytes.
quint16 frameAddress(QByteArrayView frame);
QByteArrayView frameData(QByteArrayView frame);

// A 10-byte reply: the code, the data, zeros after them.
QByteArray reply(quint8 code, QByteArrayView data = {});
// The check of a reply: whole, and carrying the expected code.
bool isReply(QByteArrayView reply, quint8 code);

}  // namespace Protocol
