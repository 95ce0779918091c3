#pragma once

#include <QStringList>
#include <memory>

#include "app/single_instance.h"

class Form1;
class Form2;
class QTranslator;
class QtDialogs;

// The program as the user starts it: Chinese for Qt's own texts, one running
// copy, the start-up window and the main window over the real serial ports.
// Needs a QApplication.
class Program {
public:
    explicit Program(const QStringList &arguments,
                     const QString &lockPath = SingleInstance::defaultLockPath());
    ~Program();

    // False when another copy runs; the user has been told.
    bool mayStart();
    void showStartupWindow();

    Form1 &mainWindow() { return *form1_; }
    Form2 &startupWindow() { return *form2_; }

private:
    std::unique_ptr<QTranslator> translator_;
    std::unique_ptr<QtDialogs> dialogs_;
    SingleInstance instance_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form2> form2_;
};
