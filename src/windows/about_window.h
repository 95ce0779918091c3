#pragma once

#include <QDialog>

class SysInfoLauncher;

// frmAbout: the program's title, version, description and legal warning, and
// the system information button. Not modal; it deletes itself when closed, so
// whoever opens it holds it in a QPointer.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    // launcher must outlive the window.
    explicit AboutWindow(SysInfoLauncher &launcher, QWidget *parent = nullptr);
};
