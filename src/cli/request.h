#pragma once

#include <QString>
#include <QStringList>

#include "cli/production_options.h"
#include "files/image_formats.h"

class Console;

// What the user asked eeprom-cli for.
struct Request {
    enum class Listing { Table, Csv, Json };

    QString command;
    QString subcommand;  // journal: show or export
    int model = -1;
    QStringList ports;
    QString file;
    ImageFormats::Format format = ImageFormats::Format::Binary;
    bool verify = true;
    ProductionOptions production;
    int count = -1;  // produce: rounds; -1 until stopped
    bool noWait = false;
    Listing listing = Listing::Table;
};

// Reads the arguments (with the program's name first). -1 to go on, or the
// exit code of --help, --version or a mistake, said on the console.
int parseRequest(const QStringList &arguments, Console &console, Request &request);
