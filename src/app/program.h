#pragma once

#include <QStringList>
#include <memory>

#include "app/single_instance.h"

class Form1;
class Form2;
namespace Language {
class Translations;
enum class Choice;
}  // namespace Language
class QtDialogs;

// The program as the user starts it: in the user's language (Qt's own texts
// too), one running copy, the start-up window and the main window over the real serial ports.
// Needs a QApplication.
class Program {
public:
    explicit Program(const QStringList &arguments,
                     const QString &lockPath = SingleInstance::defaultLockPath());
    ~Program();

    // False when another copy runs; the user has been told.
    bool mayStart();
    void showStartupWindow();

    // --lang when given (and taken out of the arguments), else the language
    // chosen in the window, else the user's UI languages.
    static Language::Choice language(QStringList &arguments);

    Form1 &mainWindow() { return *form1_; }
    Form2 &startupWindow() { return *form2_; }

private:
    std::unique_ptr<Language::Translations> translations_;
    std::unique_ptr<QtDialogs> dialogs_;
    SingleInstance instance_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form2> form2_;
};
