#pragma once

#include <QByteArray>

// Frames and replies as the box sees and sends them, for the box's own tests.
namespace BoxFrames {

// A 12-byte frame: the command, the address high byte first, and for a block
// write its eight data bytes and the closing FFH.
QByteArray frame(quint8 command, int address = 0, const QByteArray &data = {});
// A 10-byte reply: the code, then the data, zeros after them.
QByteArray reply(quint8 code, const QByteArray &data = {});

}  // namespace BoxFrames
