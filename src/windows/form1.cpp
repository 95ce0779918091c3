#include "windows/form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "chips/byte_editor.h"
#include "chips/chip_catalogue.h"
#include "chips/hex_view.h"
#include "chips/model_selection.h"
#include "files/exit_command.h"
#include "files/file_commands.h"
#include "link/online_supervision.h"
#include "link/operation_controls.h"
#include "link/port_search.h"
#include "link/programmer_link.h"
#include "operations/chip_operations.h"
#include "operations/progress_display.h"
#include "windows/about_window.h"
#include "windows/company_window.h"
#include "windows/dialogs.h"
#include "windows/form2.h"
#include "windows/help_window.h"
#include "windows/pictures.h"
#include "windows/registry.h"
#include "windows/sysinfo.h"
#include "windows/texts.h"

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
      link_(new ProgrammerLink(port, timings, this)) {
    Timer2 = makeTimer(this, "Timer2", timings.timer2);
    Timer3 = makeTimer(this, "Timer3", timings.onlineCheck);
    Timer5 = makeTimer(this, "Timer5", timings.timer5);

    buildUi();

    controls_ = std::make_unique<OperationControls>(
        Text1, QList<QAbstractButton *>{Command6, Command7, Command8, Command9, Command10},
        icoprate);
    progress_ = std::make_unique<ProgressDisplay>(ProgressBar1, Command3, Label4);
    connect(link_, &ProgrammerLink::frameSent, progress_.get(), &ProgressDisplay::frameSent);
    search_ = std::make_unique<PortSearch>(*link_, *controls_, Text2);
    supervision_ = std::make_unique<OnlineSupervision>(
        *link_, *controls_, *search_, *progress_, dialogs_,
        OnlineSupervision::Controls{Command11, Command12, Text2, Timer3}, FailureHint);
    supervision_->onlineUse = [this] { return onlineUse(); };
    supervision_->operationRunning = [this] { return chip_.operationRunning(); };

    hexView_->setBuffer(&chip_.DataBuffer);
    hexView_->eightRowPage = [this] { return Combo1->currentIndex() == ChipCatalogue::Model93C46; };
    selection_ =
        std::make_unique<ModelSelection>(chip_, Combo1, *hexView_, *link_, *controls_, dialogs_);
    selection_->setStatus = [this](const QString &text) { setStatusText(text); };
    editor_ = std::make_unique<ByteEditor>(chip_, *hexView_, dialogs_);

    files_ = std::make_unique<FileCommands>(chip_, dialogs_);
    files_->selectedModel = [this] {
        const int k = Combo1->currentIndex();
        return k < 0 ? 0 : k;
    };
    files_->showpage = [this] { showpage(); };
    files_->setStatus = [this](const QString &text) { setStatusText(text); };

    operations_ = std::make_unique<ChipOperations>(chip_, *link_, dialogs_, *controls_, *progress_,
                                                   FailureHint);
    operations_->opfailed = [this] { opfailed(); };
    operations_->showpage = [this] { showpage(); };

    exit_ = std::make_unique<ExitCommand>(*link_, dialogs_,
                                          std::array<QTimer *, 3>{link_->Timer1, Timer2, Timer3});
    exit_->windows = [this] {
        return QList<QPointer<QWidget>>{startup_.data(), Form3, frmAbout, Form4, this};
    };

    registry_ = std::make_unique<SystemRegistry>();
    sysInfo_ = std::make_unique<SysInfoLauncher>(*registry_, dialogs_);
    setWindowIcon(Pictures::programIcon());

    connectHandlers();
}

Form1::~Form1() {
    // Whatever way the program ends, the port is closed.
    link_->closePort();
}

void Form1::connectHandlers() {
    const auto onClick = [this](QToolButton *button, void (Form1::*handler)()) {
        connect(button, &QToolButton::clicked, this, handler);
    };
    onClick(Command4, &Form1::fopen_Click);
    onClick(Command2, &Form1::fsave_Click);
    onClick(Command6, &Form1::cread_Click);
    onClick(Command7, &Form1::Command7_Click);
    onClick(Command8, &Form1::Command8_Click);
    onClick(Command9, &Form1::Command9_Click);
    onClick(Command10, &Form1::Command10_Click);
    onClick(Command11, &Form1::Command11_Click);
    onClick(Command12, &Form1::fquit_Click);

    const auto onItem = [this](const char *name, void (Form1::*handler)()) {
        QAction *action = findChild<QAction *>(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
    };
    onItem("fnew", &Form1::fnew_Click);
    onItem("fopen", &Form1::fopen_Click);
    onItem("fsave", &Form1::fsave_Click);
    onItem("fquit", &Form1::fquit_Click);
    onItem("cread", &Form1::cread_Click);
    onItem("cwriteee", &Form1::Command7_Click);
    onItem("ccheck", &Form1::Command8_Click);
    onItem("ccrease", &Form1::Command9_Click);
    onItem("cauto", &Form1::Command10_Click);
    onItem("ctest", &Form1::Command11_Click);
    onItem("fabout", &Form1::fabout_Click);
    onItem("myhelp", &Form1::myhelp_Click);
    onItem("aboutltd", &Form1::aboutltd_Click);
    for (int k = 0; k < ChipCatalogue::ModelCount; ++k)
        connect(modelActions_[static_cast<size_t>(k)], &QAction::triggered, this,
                [this, k] { selectModel(k); });

    connect(Combo1, qOverload<int>(&QComboBox::activated), this, &Form1::Combo1_Click);
    connect(hexView_, &HexView::lstHexDoubleClicked, this, &Form1::lstHex_DblClick);
    connect(Timer3, &QTimer::timeout, this, &Form1::Timer3_Timer);
    // A line error: offline at once, without a message; a waiting exchange
    // runs on and ends by itself.
    connect(link_, &ProgrammerLink::lineError, this, [this] {
        controls_->gooffline();
        Text2->hide();
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
    statusPanel_->setText(text);
}

void Form1::Form_Load() {
    if (link_->QuitRequested)
        return;
    // Timers that run from the start.
    Timer3->start();
    link_->Timer4->start();
    Timer5->start();

    Text2->hide();
    Timer5->stop();
    Label1->setText(Texts::ContactLine);
    progress_->hide();

    FailureHint = QStringList{Texts::FailureHintLine1, Texts::FailureHintLine2,
                              Texts::FailureHintLine3, Texts::FailureHintLine4}
                      .join(QLatin1String("\r\n"));

    Label2->setMinimumWidth(width() / 2);

    for (int k = 0; k < ChipCatalogue::ModelCount; ++k)
        chip_.ModelCapacity[static_cast<size_t>(k)] = ChipCatalogue::model(k).capacity;
    Combo1->clear();
    for (int k = 0; k < ChipCatalogue::ModelCount; ++k)
        Combo1->addItem(ChipCatalogue::name(k));

    chip_.DataBuffer = QByteArray(ChipCatalogue::model(0).capacity, '\xFF');
    chip_.VerifyBuffer = QByteArray(ChipCatalogue::model(0).capacity, '\0');
    showpage();
    Combo1->setCurrentIndex(0);
    Combo1_Click();
    setStatusText(Texts::StartupStatus);

    if (onlineUse()) {
        Command11->setEnabled(false);
        findport();
    } else {
        Command11->setEnabled(true);
        gooffline();
        search_->PortFound = false;
        Text2->hide();
    }
}

// --- Procedures ---------------------------------------------------------------

bool Form1::sendandread() {
    return link_->sendandread();
}

void Form1::showpage() {
    hexView_->showpage();
}

void Form1::DrawPage() {
    hexView_->DrawPage();
}

void Form1::sendxh() {
    selection_->sendxh();
}

void Form1::disableops() {
    controls_->disableops();
}

void Form1::enableops() {
    controls_->enableops();
}

void Form1::goonline() {
    controls_->goonline();
}

void Form1::gooffline() {
    controls_->gooffline();
}

void Form1::opfailed() {
    supervision_->opfailed();
}

void Form1::findport() {
    search_->findport();
}

void Form1::testport() {
    search_->testport();
}

void Form1::writechip() {
    operations_->writechip();
}

// --- Handlers -----------------------------------------------------------------

void Form1::selectModel(int k) {
    selection_->select(k);
}

void Form1::Combo1_Click() {
    selection_->Combo1_Click();
}

void Form1::fnew_Click() {
    selection_->fnew_Click();
}

void Form1::fopen_Click() {
    files_->fopen_Click();
}

void Form1::fsave_Click() {
    files_->fsave_Click();
}

void Form1::fquit_Click() {
    exit_->fquit_Click();
}

void Form1::cread_Click() {
    operations_->cread_Click();
}

void Form1::Command7_Click() {
    operations_->Command7_Click();
}

void Form1::Command8_Click() {
    operations_->Command8_Click();
}

void Form1::Command9_Click() {
    operations_->Command9_Click();
}

void Form1::Command10_Click() {
    operations_->Command10_Click();
}

void Form1::Command11_Click() {
    supervision_->Command11_Click();
}

void Form1::Timer3_Timer() {
    supervision_->Timer3_Timer();
}

void Form1::lstHex_DblClick() {
    editor_->lstHex_DblClick();
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

void Form1::closeEvent(QCloseEvent *event) {
    if (exit_->leaving()) {
        event->accept();
        return;
    }
    // The close box leaves the program the same way as "退出系统", question
    // included; the exit itself closes this window when confirmed.
    event->ignore();
    fquit_Click();
}
