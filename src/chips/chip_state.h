#pragma once

#include <QByteArray>
#include <array>

#include "chips/chip_catalogue.h"

// The data side of the main window: the buffer, the selected model and the
// counters of the chip operations.
struct ChipState {
    std::array<qint32, ChipCatalogue::ModelCount> ModelCapacity{};
    QByteArray DataBuffer;
    QByteArray VerifyBuffer;
    qint32 ChipCode = 0;
    qint32 BlockCount = 0;
    qint32 BlockIndex = 0;
    qint32 VerifyPosition = 0;
    bool VerifyPassed = false;
    bool AutoMode = false;
    // Byte edits that were neither saved nor written to the chip.
    bool UnsavedEdits = false;

    // Set for as long as a chip operation runs; nothing may replace
    // DataBuffer meanwhile.
    int runningOperations = 0;
    bool operationRunning() const { return runningOperations > 0; }
};

// Marks a chip operation as running for its lifetime.
class OperationScope {
public:
    explicit OperationScope(ChipState &state) : state_(state) { ++state_.runningOperations; }
    ~OperationScope() { --state_.runningOperations; }
    OperationScope(const OperationScope &) = delete;
    OperationScope &operator=(const OperationScope &) = delete;

private:
    ChipState &state_;
};
