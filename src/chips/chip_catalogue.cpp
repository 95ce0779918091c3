#include "chips/chip_catalogue.h"

namespace ChipCatalogue {

const std::array<ChipModel, ModelCount> &models() {
    static const std::array<ChipModel, ModelCount> table = {{
        {"24C02", "c2402", "24C02 ", 256},
        {"24C04", "c2404", "24C04 ", 512},
        {"24C08", "c2408", "24C08 ", 1024},
        {"24C16", "c2416", "24C16 ", 2048},
        {"24C32", "c2432", "24C32", 4096},
        {"24C64", "c2464", "24C64", 8192},
        {"24C128", "c24128", "24C128", 16384},
        {"24C256", "c24256", "24C256", 32768},
        {"24C512", "c24512", "24C512", 65536},
        {"93C46", "C93c46", "93C46", 128},
        {"93C56", "C93c56", "93C56", 256},
        {"93C66", "C93c66", "93C66", 512},
        {"93C76", "C93c76", "93C76", 1024},
        {"93C86", "C93c86", "93C86", 2048},
    }};
    return table;
}

const ChipModel &model(int code) {
    return models().at(static_cast<size_t>(code));
}

QString name(int code) {
    return QString::fromLatin1(model(code).name);
}

bool isMicrowire(int code) {
    return code >= First93Series;
}

quint16 blockAddress(int code, qint32 block) {
    return static_cast<quint16>(isMicrowire(code) ? block * 4 : block * 8);
}

qint32 blockCount(qint32 capacity) {
    return capacity / 8 - 1;
}

}  // namespace ChipCatalogue
