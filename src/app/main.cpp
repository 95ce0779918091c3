#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/command_line.h"
#include "app/single_instance.h"
#include "link/port_numbering.h"
#include "link/qt_serial_port.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/pictures.h"
#include "windows/qt_dialogs.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("eeprom-programmer"));

    // Qt's own buttons and file dialogs speak Chinese too.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    QApplication::setWindowIcon(Pictures::programIcon());

    QtDialogs dialogs;
    SingleInstance instance;
    if (!mayRun(instance, dialogs))
        return 0;

    auto *port = new QtSerialPort(PortNumbering(explicitPorts(QApplication::arguments())));
    Form1 form1(dialogs, port);
    Form2 form2;
    form1.setStartupWindow(&form2);
    form2.showMainWindow = [&form1] {
        form1.Form_Load();
        form1.show();
    };
    form2.show();
    return QApplication::exec();
}
