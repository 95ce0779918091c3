#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "box/box_core.h"

// The command line of box-emulator.
struct EmulatorOptions {
    struct Image {
        int model = 0;
        QString file;
    };

    bool help = false;
    bool pattern = false;
    bool wire = false;
    int writeCycleMs = 5;
    QString link;
    QString log;
    QList<Image> images;
    QList<BoxFault> faults;
    int stopAfter = -1;
};

extern const char EmulatorUsage[];

// `arguments` without the program name. False, with a message, on a mistake.
bool parseEmulatorArguments(const QStringList &arguments, EmulatorOptions &options, QString &error);
// One --fault value, e.g. "wrongcode:cmd=F8:block=5:code=EE:times=2".
bool parseFault(const QString &text, EmulatorOptions &options, QString &error);
// The model code of a name such as "24C02" or "93c46", or -1.
int modelByName(const QString &name);
