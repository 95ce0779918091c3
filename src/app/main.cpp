#include <QApplication>
#include <cstdio>

#include "app/command_line.h"
#include "app/program.h"
#include "messages/language.h"

int main(int argc, char *argv[]) {
    // --help and --version are answered before QApplication exists, so that
    // they need no display; a plain application carries their translation.
    {
        QCoreApplication plain(argc, argv);
        QStringList arguments = QCoreApplication::arguments();
        const Language::Translations translations(Program::language(arguments));
        const QString information =
            informationRequested(arguments, QStringLiteral(PROGRAM_VERSION));
        if (!information.isEmpty()) {
            std::fputs(information.toLocal8Bit().constData(), stdout);
            return 0;
        }
    }

    QApplication app(argc, argv);
    Program program(QApplication::arguments());
    if (!program.mayStart())
        return 0;
    program.showStartupWindow();
    return QApplication::exec();
}
