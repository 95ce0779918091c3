#pragma once

#include <QStringList>
#include <memory>
#include <vector>

#include <QList>
#include <QString>
#include <algorithm>
#include <vector>

// One line of programmer-bench's table.
struct Row {
    QString figure;
    QString value;
    QString target;
    bool met;
};

inline QString number(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

// A 24C64 round of production: four wire-timed boxes against one alone, and
// the program's CPU per box.
QList<Row> productionRows(int runs);
QList<Row> productionWindowRows(int runs);
// `count` wire-timed box-emulators, started or the bench ends; their devices.
class EmulatorProcess;
QStringList startWireBoxes(std::vector<std::unique_ptr<EmulatorProcess>> &boxes, int count);
