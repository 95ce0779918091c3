#include "app/program.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include "app/command_line.h"
#include "files/bin_file.h"
#include "link/port_numbering.h"
#include "link/qt_serial_port.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/pictures.h"
#include "windows/qt_dialogs.h"

Program::Program(const QStringList &arguments, const QString &lockPath)
    : translator_(std::make_unique<QTranslator>()),
      dialogs_(std::make_unique<QtDialogs>()),
      instance_(lockPath) {
    BinFile::ignoreFileSizeSignal();
    QApplication::setApplicationName(QStringLiteral("eeprom-programmer"));
    // The desktop entry's name: the desktop matches the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.zeltron.EepromProgrammer"));
    // Qt's own buttons and file dialogs speak Chinese too.
    if (translator_->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator_.get());
    QApplication::setWindowIcon(Pictures::programIcon());

    const QStringList ports = explicitPorts(arguments);
    auto *port = new QtSerialPort(PortNumbering(ports));
    form1_ = std::make_unique<Form1>(*dialogs_, port);
    form1_->setProductionPorts(
        [ports] { return PortNumbering(ports).candidates().mid(0, PortNumbering::LastPort); });
    form1_->useSettings(WindowMemory::userSettings());
    form2_ = std::make_unique<Form2>();
    form1_->setStartupWindow(form2_.get());
    form2_->showMainWindow = [this, file = fileArgument(arguments), job = jobArgument(arguments)] {
        form1_->Form_Load();
        form1_->show();
        // A file named on the command line, as if chosen in "打开文件".
        if (!file.isEmpty())
            form1_->files().open(file);
        // --job: straight into production, once the start-up search is over.
        if (!job.isEmpty())
            QTimer::singleShot(0, form1_.get(), [this, job] { form1_->openProduction(job); });
    };
}

// The start-up window goes before the main window, which holds a pointer to it.
Program::~Program() {
    form2_.reset();
    form1_.reset();
    QApplication::removeTranslator(translator_.get());
}

bool Program::mayStart() {
    return mayRun(instance_, *dialogs_);
}

void Program::showStartupWindow() {
    form2_->show();
}
