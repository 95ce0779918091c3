#pragma once

#include <QString>
#include <array>

// The fourteen chip models. The index is the model's position in the chooser and
// also the code sent to the box in the chip-select command.
struct ChipModel {
    const char *name;         // the chooser's text, e.g. "24C02"
    const char *menuName;     // object name of the menu item, e.g. "c2402"
    const char *menuCaption;  // menu caption; the first four end in a blank
    qint32 capacity;          // bytes
};

namespace ChipCatalogue {

constexpr int ModelCount = 14;
constexpr int First93Series = 9;  // codes 9..13 are Microwire chips
constexpr int Model93C46 = 9;     // the one model whose page has eight rows
constexpr int Model93C86 = 13;

const std::array<ChipModel, ModelCount> &models();
const ChipModel &model(int code);
QString name(int code);

// 93-series chips are addressed in 16-bit words, 24-series in bytes.
bool isMicrowire(int code);
// The address sent for 8-byte block n.
quint16 blockAddress(int code, qint32 block);
// Number of 8-byte blocks minus one.
qint32 blockCount(qint32 capacity);

}  // namespace ChipCatalogue
