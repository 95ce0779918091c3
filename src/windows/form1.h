#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "chips/chip_state.h"
#include "link/timings.h"

class ByteEditor;
class ChipOperations;
class Dialogs;
class ExitCommand;
class FileCommands;
class Form2;
class HexView;
class ModelSelection;
class OnlineSupervision;
class OperationControls;
class PortSearch;
class ProgrammerLink;
class ProgressDisplay;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QTimer;
class QToolButton;
class Registry;
class SerialPort;
class SysInfoLauncher;

// The main window. It owns the state of the program and composes the classes
// that do the work; the controls keep the names the rest of the code and the
// tests know them by.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    Form1(Dialogs &dialogs, SerialPort *port, const Timings &timings = Timings(),
          QWidget *parent = nullptr);
    ~Form1() override;

    // The start-up window: its choice of online use, and closed at exit.
    void setStartupWindow(Form2 *startup);
    bool onlineUse() const;

    // Runs once before the window is first shown.
    void Form_Load();

    ChipState &chip() { return chip_; }
    ProgrammerLink &link() { return *link_; }
    PortSearch &search() { return *search_; }
    HexView *hexView() const { return hexView_; }
    QString statusText() const;

    QString FailureHint;

    // Procedures shared by the handlers.
    bool sendandread();
    void showpage();
    void DrawPage();
    void sendxh();
    void disableops();
    void enableops();
    void goonline();
    void gooffline();
    void opfailed();
    void findport();
    void testport();
    void writechip();

    // Handlers, as the controls and menu items run them.
    void selectModel(int k);
    void Combo1_Click();
    void fnew_Click();
    void fopen_Click();
    void fsave_Click();
    void fquit_Click();
    void cread_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Timer3_Timer();
    void lstHex_DblClick();
    void fabout_Click();
    void myhelp_Click();
    void aboutltd_Click();

    QTimer *Timer2 = nullptr;
    QTimer *Timer3 = nullptr;
    QTimer *Timer5 = nullptr;

    // The window offers no menu to hide its tool bar.
    QMenu *createPopupMenu() override { return nullptr; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildUi();
    void buildMenus();
    void buildToolButtons();
    void connectHandlers();
    void setStatusText(const QString &text);
    void updateClock();

    Dialogs &dialogs_;
    Timings timings_;
    ChipState chip_;
    ProgrammerLink *link_;
    QPointer<Form2> startup_;

    // Controls.
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QComboBox *Combo1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command3 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *statusPanel_ = nullptr;
    QLabel *datePanel_ = nullptr;
    QLabel *timePanel_ = nullptr;
    QTimer *clock_ = nullptr;
    HexView *hexView_ = nullptr;
    QMenu *icoprate = nullptr;
    QToolButton *Command4 = nullptr;
    QToolButton *Command2 = nullptr;
    QToolButton *Command6 = nullptr;
    QToolButton *Command7 = nullptr;
    QToolButton *Command8 = nullptr;
    QToolButton *Command9 = nullptr;
    QToolButton *Command10 = nullptr;
    QToolButton *Command11 = nullptr;
    QToolButton *Command12 = nullptr;
    std::array<QAction *, 14> modelActions_{};

    // The windows of the help menu, made when first asked for.
    QPointer<QWidget> frmAbout;
    QPointer<QWidget> Form3;
    QPointer<QWidget> Form4;

    // The work.
    std::unique_ptr<OperationControls> controls_;
    std::unique_ptr<ProgressDisplay> progress_;
    std::unique_ptr<PortSearch> search_;
    std::unique_ptr<OnlineSupervision> supervision_;
    std::unique_ptr<ModelSelection> selection_;
    std::unique_ptr<ByteEditor> editor_;
    std::unique_ptr<FileCommands> files_;
    std::unique_ptr<ChipOperations> operations_;
    std::unique_ptr<ExitCommand> exit_;
    std::unique_ptr<Registry> registry_;
    std::unique_ptr<SysInfoLauncher> sysInfo_;
};
