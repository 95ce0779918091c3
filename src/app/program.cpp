#include "app/program.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QTimer>

#include "app/command_line.h"
#include "files/bin_file.h"
#include "link/port_numbering.h"
#include "link/qt_serial_port.h"
#include "messages/language.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/pictures.h"
#include "windows/qt_dialogs.h"
#include "windows/window_memory.h"

Language::Choice Program::language(QStringList &arguments) {
    const QString forced = Language::takeLangOption(arguments);
    if (!forced.isEmpty())
        return Language::fromPreferences({forced});
    if (const auto chosen = WindowMemory(WindowMemory::userSettings()).language())
        return *chosen;
    return Language::fromPreferences(QLocale::system().uiLanguages());
}

Program::Program(const QStringList &commandLine, const QString &lockPath)
    : dialogs_(std::make_unique<QtDialogs>()), instance_(lockPath) {
    QStringList arguments = commandLine;
    translations_ = std::make_unique<Language::Translations>(language(arguments));
    BinFile::ignoreFileSizeSignal();
    QApplication::setApplicationName(QStringLiteral("eeprom-programmer"));
    // The desktop entry's name: the desktop matches the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.zeltron.EepromProgrammer"));
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
}

bool Program::mayStart() {
    return mayRun(instance_, *dialogs_);
}

void Program::showStartupWindow() {
    form2_->show();
}
