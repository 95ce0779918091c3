// eeprom-cli: the programmer's chip operations from a shell.
#include <QCoreApplication>

#include "cli/command_line_tool.h"
#include "files/bin_file.h"
#include "messages/language.h"

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("eeprom-cli"));
    // A file-size limit fails a save instead of killing the tool.
    BinFile::ignoreFileSizeSignal();
    // --lang zh|en, else the environment's languages as gettext reads them.
    QStringList arguments = QCoreApplication::arguments();
    const QString forced = Language::takeLangOption(arguments);
    const Language::Translations translations(Language::fromPreferences(
        forced.isEmpty() ? Language::environmentLanguages() : QStringList{forced}));
    return CommandLineTool(arguments).run();
}
