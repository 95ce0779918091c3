#pragma once

#include <QString>
#include <QStringList>

// The program's options: --port PATH, repeatable, naming serial devices to
// try before the usual ones; --help and --version; and a data file to open. Unknown arguments are
// ignored rather than fatal: a desktop launcher may pass its own.
QStringList explicitPorts(const QStringList &arguments);

// The data file named on the command line (the first argument that is not
// an option), as an absolute path; empty when there is none.
QString fileArgument(const QStringList &arguments);
// The job file of --job, absolute; empty when none was given.
QString jobArgument(const QStringList &arguments);

// What --help (-h) or --version (-v) asks to print before the program starts,
// or an empty string when neither is given. `version` is e.g. "3.0".
QString informationRequested(const QStringList &arguments, const QString &version);
