#include <QApplication>

#include "app/program.h"

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    Program program(QApplication::arguments());
    if (!program.mayStart())
        return 0;
    program.showStartupWindow();
    return QApplication::exec();
}
