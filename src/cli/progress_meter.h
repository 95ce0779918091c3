#pragma once

#include <QElapsedTimer>
#include <QObject>

class ChipBuffer;
class ChipOperations;
class Console;
class OperationProgress;

// The progress of an operation as a terminal line: percentage, blocks done
// and time left, at most ten times a second.
class ProgressMeter : public QObject {
    Q_OBJECT

public:
    ProgressMeter(OperationProgress &progress, const ChipOperations &operations,
                  const ChipBuffer &buffer, Console &console, QObject *parent = nullptr);

private:
    void show(bool force);

    OperationProgress &progress_;
    const ChipOperations &operations_;
    const ChipBuffer &buffer_;
    Console &console_;
    QElapsedTimer sinceStart_;
    QElapsedTimer sinceShown_;
};
