#include "app/command_line.h"

#include <QCommandLineParser>

QStringList explicitPorts(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(QStringLiteral("port"),
                                        QStringLiteral("Serial device to try first."),
                                        QStringLiteral("PATH")));
    // Unknown arguments are ignored rather than fatal: a desktop launcher may
    // pass its own.
    parser.parse(arguments);
    return parser.values(QStringLiteral("port"));
}
