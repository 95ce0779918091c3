#pragma once

#include <QString>

#include "production/serial_profile.h"

// A production job as a small JSON file, so the next shift opens the same
// job with one click:
// {"name": …, "model": "24C64", "image": PATH, "imageCrc32": "1A2B3C4D",
//  "serial": {"at": 16, "size": 4, "format": "le", "start": 1, "step": 1, "end": 9999},
//  "journal": PATH}
// imageCrc32 and serial are optional; without serial the job numbers no chip.
struct JobFile {
    QString name;
    int model = 0;
    QString image;  // absolute, or relative to the job file's folder
    bool crcGiven = false;
    quint32 imageCrc = 0;
    SerialProfile serial;
    QString journal;  // empty: the default journal

    // False with `error` saying why (a file that cannot be read, is not
    // JSON, names no known model, or holds a field that makes no sense).
    bool load(const QString &path, QString &error);
    bool save(const QString &path, QString &error) const;
};
