// eeprom-cli: the programmer's chip operations from a shell.
#include <QCoreApplication>

#include "cli/command_line_tool.h"
#include "files/bin_file.h"

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("eeprom-cli"));
    // A file-size limit fails a save instead of killing the tool.
    BinFile::ignoreFileSizeSignal();
    return CommandLineTool(QCoreApplication::arguments()).run();
}
