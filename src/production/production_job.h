#pragma once

#include <QString>

#include "production/serial_profile.h"

// A production job as the journal keeps it: its name, what it programs and
// how it numbers the chips; `next` is the next number it issues.
struct ProductionJob {
    qint64 id = -1;
    QString name;
    QString model;
    QString image;  // the image file's name
    quint32 imageCrc = 0;
    SerialProfile serial;
    qint64 next = SerialProfile::NoEnd;  // NoEnd: no number left (or none issued)
    QString created;

    bool atEnd() const { return serial.numbers() && next == SerialProfile::NoEnd; }
    // What of `wanted` differs from this job, as a message, or an empty
    // text: the model, the image and, when `compareSerial`, the fields, the
    // step and the end (a job's start is its own once it exists).
    QString differenceFrom(const ProductionJob &wanted, bool compareSerial) const;
};
