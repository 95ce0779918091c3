#include "windows/form1.h"

#include "operations/box_loan.h"
#include "windows/production_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "chips/chip_buffer.h"
#include "chips/chip_catalogue.h"
#include "chips/model_selection.h"
#include "files/file_commands.h"
#include "hexview/byte_editor.h"
#include "hexview/hex_view.h"
#include "hexview/mark_colours.h"
#include "link/online_state.h"
#include "link/online_supervision.h"
#include "link/port_search.h"
#include "link/programmer_link.h"
#include "messages/dialogs.h"
#include "messages/hexview_texts.h"
#include "messages/texts.h"
#include "operations/box_loan.h"
#include "operations/chip_operations.h"
#include "operations/operation_progress.h"
#include "operations/session.h"
#include "windows/about_window.h"
#include "windows/company_window.h"
#include "windows/exit_command.h"
#include "windows/form2.h"
#include "windows/help_window.h"
#include "windows/operation_controls.h"
#include "windows/pictures.h"
#include "windows/production_window.h"
#include "windows/progress_display.h"
#include "windows/registry.h"
#include "windows/sysinfo.h"

namespace {

QTimer *makeTimer(QObject *parent, const char *name, int interval) {
    auto *timer = new QTimer(parent);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(interval);
    return timer;
}

}  // namespace

Form1::Form1(Dialogs &dialogs, SerialPort *port, const Timings &timings, QWidget *parent)
    : QMainWindow(parent),
      dialogs_(dialogs),
      timings_(timings),
      session_(new Session(dialogs, port, timings, this)) {
    // The names by which the user's manual and the tests know them.
    link().port().setObjectName(QStringLiteral("MSComm1"));
    link().replyTimer()->setObjectName(QStringLiteral("Timer1"));
    link().receiveTimer()->setObjectName(QStringLiteral("Timer4"));
    Timer2 = makeTimer(this, "Timer2", timings.spareTimer);
    Timer3 = session_->checkTimer();
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer5 = makeTimer(this, "Timer5", timings.loadTimer);

    buildUi();

    exit_ = new ExitCommand(link(), chip(), dialogs_, {link().replyTimer(), Timer2, Timer3}, this);
    controls_ = new OperationControls(
        online(), Text1, {Command6, Command7, Command8, Command9, Command10}, icoprate);
    progressDisplay_ = new ProgressDisplay(session_->progress(), ProgressBar1, Command3, Label4);
    editor_ = std::make_unique<ByteEditor>(chip(), *hexView_, dialogs_, *history_);
    // The bytes that differ from a file compared with the buffer.
    hexView_->addMarks(&files().differences(), MarkColours::Differing, Texts::StripDiffers());
    registry_ = std::make_unique<SystemRegistry>();
    sysInfo_ = std::make_unique<SysInfoLauncher>(*registry_, dialogs_);
    setWindowIcon(Pictures::programIcon());

    connectHandlers();
    addBenchTools();
}

Form1::~Form1() {
    // Production's sites end before the box is taken back.
    delete production_;
    loan_.reset();
    // Whatever way the program ends, the port is closed.
    link().closePort();
}

void Form1::connectHandlers() {
    // A tool button and its menu item run the same work; the item runs it
    // also while the button is disabled, as "硬件测试" does.
    const auto both = [this](QToolButton *button, const char *item, auto work) {
        connect(button, &QToolButton::clicked, this, work);
        if (item)
            connect(findChild<QAction *>(QLatin1String(item)), &QAction::triggered, this, work);
    };
    both(Command4, "fopen", [this] { files().open(); });
    both(Command2, "fsave", [this] { files().save(); });
    both(Command6, "cread", [this] { operations().read(); });
    both(Command7, "cwriteee", [this] { operations().write(); });
    both(Command8, "ccheck", [this] { operations().verify(); });
    both(Command9, "ccrease", [this] { operations().erase(); });
    both(Command10, "cauto", [this] { operations().autoProgram(); });
    both(Command11, "ctest", [this] { supervision().test(); });
    both(Command12, "fquit", [this] { exit_->fquit_Click(); });

    const auto onItem = [this](const char *name, auto handler) {
        connect(findChild<QAction *>(QLatin1String(name)), &QAction::triggered, this, handler);
    };
    onItem("fnew", [this] { selection().newFile(); });
    onItem("cblank", [this] { operations().blankCheck(); });
    onItem("fcompare", [this] { files().compare(); });
    onItem("fabout", &Form1::fabout_Click);
    onItem("myhelp", &Form1::myhelp_Click);
    onItem("aboutltd", &Form1::aboutltd_Click);
    for (int k = 0; k < ChipCatalogue::ModelCount; ++k)
        connect(modelActions_[size_t(k)], &QAction::triggered, this,
                [this, k] { selection().select(k); });
    connect(Combo1, qOverload<int>(&QComboBox::activated), this, &Form1::Combo1_Click);
    connect(hexView_, &HexView::lstHexDoubleClicked, this, [this] { editor_->lstHex_DblClick(); });

    // The controls follow the work.
    connect(&chip(), &ChipBuffer::replaced, this,
            [this] { Combo1->setCurrentIndex(chip().ChipCode()); });
    connect(&selection(), &ModelSelection::statusChanged, this, &Form1::setStatusText);
    connect(&files(), &FileCommands::statusChanged, this, &Form1::setStatusText);
    connect(&search(), &PortSearch::testNotice, this, [this](bool shown) {
        if (shown)
            Text2->setText(Texts::TestNoticeTesting());
        Text2->setVisible(shown);
    });
    connect(&search(), &PortSearch::portRefused, this, &Form1::showPortRefusal);
    connect(&online(), &OnlineState::changed, this, [this] {
        if (online().isOnline())
            clearPortNotice();
    });
    connect(&supervision(), &OnlineSupervision::testEnabled, Command11, &QWidget::setEnabled);
    connect(&supervision(), &OnlineSupervision::exitEnabled, Command12, &QWidget::setEnabled);
    connect(&link(), &ProgrammerLink::frameSent, progressDisplay_, &ProgressDisplay::frameSent);
    connect(exit_, &ExitCommand::closeWindows, this, &Form1::closeWindows);
    lockBufferCommands();
}

void Form1::lockBufferCommands() {
    // While an operation holds the buffer, nothing is offered that would
    // replace it or open a window above the operation's wait. A group keeps
    // each item's own state (undo, redo) for when it comes back.
    auto *commands = new QActionGroup(this);
    commands->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (const char *name :
         {"fnew", "fopen", "fsave", "fcompare", "fundo", "fredo", "fpaste", "ffill", "fgoto",
          "ffind", "ffindnext", "production", "flangzh", "flangen"})
        commands->addAction(findChild<QAction *>(QLatin1String(name)));
    for (QAction *model : modelActions_)
        commands->addAction(model);
    connect(&chip(), &ChipBuffer::lockedChanged, this, [this, commands](bool locked) {
        commands->setEnabled(!locked);
        for (QWidget *control : {static_cast<QWidget *>(Command4), static_cast<QWidget *>(Command2),
                                 static_cast<QWidget *>(Combo1)})
            control->setEnabled(!locked);
    });
}

void Form1::setStartupWindow(Form2 *startup) {
    startup_ = startup;
}

bool Form1::onlineUse() const {
    return startup_ && startup_->lianjibiaozhi;
}

QString Form1::statusText() const {
    return statusPanel_->text();
}

void Form1::setStatusText(const QString &text) {
    clearPortNotice();
    statusPanel_->setText(text);
}

void Form1::showPortRefusal(SerialPort::OpenFailure reason, const QString &device) {
    // In place of panel 1, whose own text shows again at its next change or
    // once the box is found.
    portNotice_->setText(PortSearch::refusalText(reason, device));
    statusPanel_->hide();
    portNotice_->show();
}

void Form1::clearPortNotice() {
    if (portNotice_->isHidden())
        return;
    portNotice_->hide();
    statusPanel_->show();
}

void Form1::Form_Load() {
    if (link().QuitRequested)
        return;
    // Timers that run from the start.
    Timer3->start();
    link().receiveTimer()->start();
    Timer5->start();

    Text2->hide();
    Timer5->stop();
    Label1->setText(Texts::ContactLine());
    session_->progress().hide();

    Label2->setMinimumWidth(width() / 2);

    Combo1->clear();
    for (int k = 0; k < ChipCatalogue::ModelCount; ++k)
        Combo1->addItem(ChipCatalogue::name(k));

    hexView_->showpage();
    // The model of the last run, where there was one; else the 24C02.
    const int model = memory_.model().value_or(0);
    Combo1->setCurrentIndex(model);
    Combo1_Click();
    if (model == 0)
        setStatusText(Texts::StartupStatus());
    if (const std::optional<QPoint> position = memory_.position())
        move(*position);

    supervision().setOnlineUse(onlineUse());
    if (onlineUse()) {
        Command11->setEnabled(false);
        search().findport();
        // The box found is told the remembered model, as a model change tells it.
        if (model != 0)
            operations().sendxh();
    } else {
        Command11->setEnabled(true);
        search().lose();
        Text2->hide();
    }
}

void Form1::Combo1_Click() {
    // Refused (an operation runs, or the user keeps edits): show the model
    // that stays.
    if (!selection().choose(Combo1->currentIndex()))
        Combo1->setCurrentIndex(chip().ChipCode());
}

namespace {

// One window of each kind: shown again if it exists, made if it does not.
template <class Window, class... Args>
void showSingle(QPointer<QWidget> &window, Args &&...args) {
    if (!window)
        window = new Window(std::forward<Args>(args)...);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

void Form1::fabout_Click() {
    showSingle<AboutWindow>(frmAbout, *sysInfo_, this);
}

void Form1::myhelp_Click() {
    showSingle<HelpWindow>(Form4, this);
}

void Form1::aboutltd_Click() {
    showSingle<CompanyWindow>(Form3, this);
}

void Form1::closeWindows() {
    for (QWidget *window : {static_cast<QWidget *>(startup_.data()), Form3.data(), frmAbout.data(),
                            Form4.data(), static_cast<QWidget *>(this)})
        if (window)
            window->close();
}

void Form1::closeEvent(QCloseEvent *event) {
    if (exit_->leaving()) {
        memory_.setPosition(pos());
        event->accept();
        return;
    }
    // The close box leaves the program the same way as "退出系统", question
    // included; the exit itself closes this window when confirmed.
    event->ignore();
    exit_->fquit_Click();
}
