#include <QApplication>
#include <cstdio>

#include "app/command_line.h"
#include "app/program.h"

int main(int argc, char *argv[]) {
    // --help and --version are answered before QApplication exists, so that
    // they need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString information = informationRequested(arguments, QStringLiteral(PROGRAM_VERSION));
    if (!information.isEmpty()) {
        std::fputs(information.toLocal8Bit().constData(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    Program program(QApplication::arguments());
    if (!program.mayStart())
        return 0;
    program.showStartupWindow();
    return QApplication::exec();
}
