#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

#include "link/serial_port.h"
#include "link/timings.h"
#include "operations/session.h"
#include "windows/window_memory.h"

class LanguageMenu;
class BoxLoan;
class BufferHistory;
class ByteEditor;
class Dialogs;
class ExitCommand;
class Form2;
class HexEditing;
class HexView;
class MarkSteps;
class RecentFilesMenu;
class OperationControls;
class ProgressDisplay;
class ProductionWindow;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QTimer;
class QToolButton;
class QSettings;
class Registry;
class SysInfoLauncher;

// The main window: the controls by the names the user and the tests know
// them by, and the composition of the classes that do the work. It holds no
// logic of its own beyond wiring the controls to the work.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    Form1(Dialogs &dialogs, SerialPort *port, const Timings &timings = Timings(),
          QWidget *parent = nullptr);
    ~Form1() override;

    // The start-up window: its choice of online use, and closed at exit.
    void setStartupWindow(Form2 *startup);
    bool onlineUse() const;

    // Remembers from run to run in `settings`: the last model, the file
    // dialogs' folder, the position and the recent files. Before Form_Load.
    void useSettings(std::unique_ptr<QSettings> settings);

    // Runs once before the window is first shown.
    void Form_Load();

    // The work, for the tests and the benchmark.
    Session &session() { return *session_; }
    ChipBuffer &chip() { return session_->buffer(); }
    ProgrammerLink &link() { return session_->link(); }
    OnlineState &online() { return session_->online(); }
    PortSearch &search() { return session_->search(); }
    OnlineSupervision &supervision() { return session_->supervision(); }
    ModelSelection &selection() { return session_->selection(); }
    ChipOperations &operations() { return session_->operations(); }
    FileCommands &files() { return session_->files(); }
    ExitCommand &exitCommand() { return *exit_; }
    HexView *hexView() const { return hexView_; }
    HexEditing *hexEditing() const { return editing_; }
    BufferHistory *history() const { return history_; }
    QString statusText() const;
    RecentFilesMenu &recentFiles() { return *recent_; }

    QTimer *Timer2 = nullptr;
    QTimer *Timer3 = nullptr;
    QTimer *Timer5 = nullptr;

    // 工具 → 生产模式: the box becomes a site of the production window until
    // it closes; with a job file, that job.
    void openProduction(const QString &jobFile = QString());
    ProductionWindow *productionWindow() const;
    // The devices production looks on; by default every candidate port.
    void setProductionPorts(std::function<QStringList()> ports) {
        productionPorts_ = std::move(ports);
    }

    // The window offers no menu to hide its tool bar.
    QMenu *createPopupMenu() override { return nullptr; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildUi();
    void buildMenus();
    void buildToolsMenu();
    void buildToolButtons();
    void connectHandlers();
    void lockBufferCommands();
    void setStatusText(const QString &text);
    void showPortRefusal(SerialPort::OpenFailure reason, const QString &device);
    void clearPortNotice();
    void updateClock();
    void Combo1_Click();
    void fabout_Click();
    void myhelp_Click();
    void aboutltd_Click();
    void closeWindows();
    // The bench tools beside the specified surface: stop, memory, recent
    // files, drops, the differences and a truthful panel 1.
    void addBenchTools();
    void keepStatusTrue();

    Dialogs &dialogs_;
    Timings timings_;
    QPointer<ProductionWindow> production_;
    std::unique_ptr<BoxLoan> loan_;
    std::function<QStringList()> productionPorts_;
    QPointer<Form2> startup_;

    // The core, made before the controls that show it.
    Session *session_;

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
    QLabel *portNotice_ = nullptr;
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
    QToolButton *cmdStop = nullptr;
    QMenu *recentMenu_ = nullptr;
    std::array<QAction *, 14> modelActions_{};

    // The windows of the help menu, made when first asked for.
    QPointer<QWidget> frmAbout;
    QPointer<QWidget> Form3;
    QPointer<QWidget> Form4;

    // The window's own work.
    ExitCommand *exit_ = nullptr;
    OperationControls *controls_ = nullptr;
    ProgressDisplay *progressDisplay_ = nullptr;
    BufferHistory *history_ = nullptr;
    HexEditing *editing_ = nullptr;
    std::unique_ptr<ByteEditor> editor_;
    std::unique_ptr<Registry> registry_;
    std::unique_ptr<SysInfoLauncher> sysInfo_;
    RecentFilesMenu *recent_ = nullptr;
    MarkSteps *differenceSteps_ = nullptr;
    WindowMemory memory_;
    LanguageMenu *languageMenu_ = nullptr;
    bool allFf_ = true;
};
