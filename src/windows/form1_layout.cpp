// The controls of the main window: names, captions, tooltips, shortcuts and
// their design-time state.
#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "chips/chip_catalogue.h"
#include "hexview/buffer_history.h"
#include "hexview/checksum_panel.h"
#include "hexview/contrast.h"
#include "hexview/hex_editing.h"
#include "hexview/hex_view.h"
#include "hexview/mark_steps.h"
#include "messages/production_window_texts.h"
#include "messages/texts.h"
#include "windows/form1.h"
#include "windows/language_menu.h"
#include "windows/tool_icons.h"

namespace {

QAction *addItem(QMenu *menu, const char *name, const QString &caption,
                 const QKeySequence &shortcut = QKeySequence()) {
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

void addSeparator(QMenu *menu, const char *name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

QMenu *addMenu(QMenu *parent, const char *name, const QString &caption) {
    QMenu *menu = parent->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QMenu *addMenu(QMenuBar *bar, const char *name, const QString &caption) {
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QLineEdit *makeIndicator(QWidget *parent, const char *name, const QString &text) {
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setAlignment(Qt::AlignCenter);
    return box;
}

// A combo box whose change discards data takes the wheel only with focus:
// Qt's own turns to the next item under a passing wheel and reports it as
// the user's choice.
class WheelNeedsFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Wheel && !static_cast<QWidget *>(watched)->hasFocus()) {
            event->ignore();
            return true;
        }
        return false;
    }
};

// Asks for room for all of its contents, so that the window's least size is
// the designed one; given less all the same, it scrolls them.
class WholeScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

    QSize minimumSizeHint() const override {
        return widget() ? whole(widget()->minimumSizeHint()) : QScrollArea::minimumSizeHint();
    }
    QSize sizeHint() const override {
        return widget() ? whole(widget()->sizeHint()) : QScrollArea::sizeHint();
    }

protected:
    // As tall as wrapped texts need at that width.
    QSize whole(QSize size) const {
        if (widget()->hasHeightForWidth())
            size.setHeight(qMax(size.height(), widget()->heightForWidth(size.width())));
        return size;
    }

    bool eventFilter(QObject *watched, QEvent *event) override {
        // The contents' needs changed: so did the window's.
        if (watched == widget() && event->type() == QEvent::LayoutRequest)
            updateGeometry();
        return QScrollArea::eventFilter(watched, event);
    }
};

QFrame *makeShape(QWidget *parent, const char *name) {
    auto *shape = new QFrame(parent);
    shape->setObjectName(QLatin1String(name));
    shape->setFrameShape(QFrame::StyledPanel);
    shape->setFrameShadow(QFrame::Sunken);
    return shape;
}

}  // namespace

void Form1::buildMenus() {
    QMenuBar *bar = menuBar();

    QMenu *fileop = addMenu(bar, "fileop", tr("文件操作(&F)"));
    addItem(fileop, "fnew", tr("新建"), QKeySequence(Qt::CTRL | Qt::Key_F1));
    addSeparator(fileop, "p1");
    addItem(fileop, "fopen", tr("打开文件"), QKeySequence(Qt::Key_F2));
    addItem(fileop, "fsave", tr("保存文件"), QKeySequence(Qt::Key_F3));
    recentMenu_ = addMenu(fileop, "frecent", Texts::RecentMenu());
    addSeparator(fileop, "p2");
    addItem(fileop, "fquit", tr("退出系统"), QKeySequence(Qt::CTRL | Qt::Key_C));

    QMenu *settings = addMenu(bar, "fsetting", tr("系统设置(&S)"));
    addItem(settings, "ffont", tr("字体设置"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    addSeparator(settings, "p567");
    // Beside the specified items: the language of the next start.
    languageMenu_ =
        new LanguageMenu(settings, Language::current(), dialogs_,
                         [this](Language::Choice choice) { memory_.setLanguage(choice); });

    icoprate = addMenu(bar, "icoprate", tr("芯片操作(&O)"));
    QMenu *cselect = addMenu(icoprate, "cselect", tr("芯片选择(&X)"));
    QMenu *xilie24 = addMenu(cselect, "xilie24", tr("24C系列 EEPROM"));
    QMenu *xilie93 = addMenu(cselect, "xilie93", tr("93C系列 EEPROM"));
    for (int k = 0; k < ChipCatalogue::ModelCount; ++k) {
        const ChipModel &model = ChipCatalogue::model(k);
        modelActions_[static_cast<size_t>(k)] =
            addItem(ChipCatalogue::isMicrowire(k) ? xilie93 : xilie24, model.menuName,
                    QLatin1String(model.menuCaption));
    }
    addSeparator(icoprate, "p4");
    addItem(icoprate, "cread", tr("读芯片"), QKeySequence(Qt::Key_F5));
    addItem(icoprate, "cwriteee", tr("写芯片"), QKeySequence(Qt::Key_F6));
    addItem(icoprate, "ccheck", tr("校验芯片"), QKeySequence(Qt::Key_F7));
    addItem(icoprate, "ccrease", tr("擦除"), QKeySequence(Qt::Key_F8));
    addSeparator(icoprate, "p5");
    addItem(icoprate, "cauto", tr("组合操作"), QKeySequence(Qt::Key_F9));
    addSeparator(icoprate, "pblank");
    addItem(icoprate, "cblank", tr("查空"), QKeySequence(Qt::Key_F4));

    QMenu *help = addMenu(bar, "fhelp", tr("帮助(&H)"));
    addItem(help, "ctest", tr("硬件测试"), QKeySequence(Qt::Key_F11));
    addItem(help, "aboutltd", tr("公司介绍"));
    addItem(help, "myhelp", tr("程序帮助"), QKeySequence(Qt::Key_F1));
    addSeparator(help, "p6");
    addItem(help, "fabout", tr("关于本软件"), QKeySequence(Qt::Key_F12));
}

void Form1::buildToolsMenu() {
    QMenu *tools = addMenu(menuBar(), "ftools", tr("工具(&T)"));
    addItem(tools, "fcompare", tr("与文件比较..."), QKeySequence(Qt::Key_F10));
    // Through the differences the last compare found.
    differenceSteps_ = new MarkSteps(files().differences(), editing_->cursor(), *hexView_, this);
    addSeparator(tools, "p9");
    tools->addAction(differenceSteps_->nextAction());
    tools->addAction(differenceSteps_->previousAction());
    addSeparator(tools, "p10");
    connect(addItem(tools, "production", ProductionWindowTexts::MenuItem(),
                    QKeySequence(Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, [this] { openProduction(); });
}

void Form1::buildToolButtons() {
    auto *toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    toolBar->setIconSize(QSize(32, 32));
    addToolBar(Qt::TopToolBarArea, toolBar);

    const auto add = [&](const char *name, const QString &caption, const QString &tip,
                         ToolIcons::Kind icon) {
        auto *button = new QToolButton(toolBar);
        button->setObjectName(QLatin1String(name));
        button->setText(caption);
        button->setToolTip(tip);
        button->setIcon(ToolIcons::icon(icon));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setMinimumWidth(64);
        toolBar->addWidget(button);
        return button;
    };
    Command4 = add("Command4", tr("打开"), tr("打开已保存的存储器数据"), ToolIcons::Kind::Open);
    Command2 =
        add("Command2", tr("保存"), tr("把数据存入电脑，以便以后使用"), ToolIcons::Kind::Save);
    Command6 = add("Command6", tr("读芯片"), tr("读取芯片内容"), ToolIcons::Kind::Read);
    Command7 = add("Command7", tr("写芯片"), tr("把当前显示数据写入芯片"), ToolIcons::Kind::Write);
    Command8 = add("Command8", tr("校验"), tr("把芯片数据和当前电脑数据比对，看是否一致"),
                   ToolIcons::Kind::Verify);
    Command9 = add("Command9", tr("擦除"), tr("擦除当前芯片，即把芯片全部写入 FFH"),
                   ToolIcons::Kind::Erase);
    Command10 =
        add("Command10", tr("自动"), tr("先把当前数据写入芯片，再把芯片数据和当前数据进行比对"),
            ToolIcons::Kind::Auto);
    Command11 = add("Command11", tr("测试"),
                    tr("测试当前编程器是否联机,联机使用时，程序每3秒钟自动检测一次！！"),
                    ToolIcons::Kind::Test);
    Command12 = add("Command12", tr("退出"), tr("退出芯片读写编程系统"), ToolIcons::Kind::Exit);
    cmdStop = add("cmdStop", Texts::StopButton(), Texts::StopTip(), ToolIcons::Kind::Stop);
}

void Form1::buildUi() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Texts::MainCaption());

    buildMenus();
    buildToolButtons();

    // The parts scroll rather than overlap should the window ever be smaller
    // than designed (a window manager that ignores the minimum, say).
    auto *scroll = new WholeScrollArea(this);
    scroll->setObjectName(QStringLiteral("centralScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto *central = new QWidget(scroll);
    scroll->setWidget(central);
    setCentralWidget(scroll);

    Label2 = new QLabel(Texts::WelcomeBanner(), central);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    QFont bannerFont = Label2->font();
    bannerFont.setPointSizeF(bannerFont.pointSizeF() * 1.4);
    bannerFont.setBold(true);
    Label2->setFont(bannerFont);
    Label2->setMargin(4);
    Contrast::keepText(Label2, QColor(0x1d, 0x4f, 0x91));

    // The chooser row: model, online indicator, test notice, progress.
    QFrame *Shape1 = makeShape(central, "Shape1");
    Command1 = new QPushButton(Texts::ModelButton(), Shape1);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(Texts::ModelButtonTip());
    Combo1 = new QComboBox(Shape1);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setMinimumWidth(100);
    Combo1->setFocusPolicy(Qt::StrongFocus);
    Combo1->installEventFilter(new WheelNeedsFocus(Combo1));
    Command1->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    Combo1->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    Text1 = makeIndicator(Shape1, "Text1", Texts::Offline());
    Text1->setFixedWidth(64);
    QFont indicatorFont = Text1->font();
    indicatorFont.setBold(true);
    Text1->setFont(indicatorFont);
    Text2 = makeIndicator(Shape1, "Text2", Texts::TestNoticeInitial());
    Text2->setMinimumWidth(260);
    auto *chooserRow = new QHBoxLayout(Shape1);
    chooserRow->addWidget(Command1);
    chooserRow->addWidget(Combo1);
    chooserRow->addSpacing(12);
    chooserRow->addWidget(Text1);
    chooserRow->addWidget(Text2, 1);

    // The progress display sits on an opaque panel of its own: it is painted
    // many times a second during an operation, and an opaque panel keeps each
    // paint from reaching into the frame around it.
    auto *progressPanel = new QWidget(Shape1);
    progressPanel->setObjectName(QStringLiteral("progressPanel"));
    progressPanel->setAutoFillBackground(true);
    Label4 = new QLabel(Texts::ProgressHeading(), progressPanel);
    Label4->setObjectName(QStringLiteral("Label4"));
    ProgressBar1 = new QProgressBar(progressPanel);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setMinimumWidth(220);
    // The classic bar of separate blocks: filled rectangles, painted in a
    // fraction of the time of the default style's shaded and striped bar.
    if (QStyle *blocks = QStyleFactory::create(QStringLiteral("Windows"))) {
        blocks->setParent(ProgressBar1);
        ProgressBar1->setStyle(blocks);
    }
    Command3 = new QPushButton(Texts::PercentDesign(), progressPanel);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setFocusPolicy(Qt::NoFocus);
    // A fixed size: the caption changes after every block, and a button that
    // may resize makes the whole window lay itself out again each time.
    Command3->setFixedSize(qMax(80, Command3->sizeHint().width()), Command3->sizeHint().height());
    auto *progressRow = new QHBoxLayout(progressPanel);
    progressRow->setContentsMargins(0, 0, 0, 0);
    progressRow->addWidget(Label4);
    progressRow->addWidget(ProgressBar1, 1);
    progressRow->addWidget(Command3);
    chooserRow->addWidget(progressPanel, 1);
    chooserRow->addStretch(1);
    // Keep the row's height when the progress display hides.
    Shape1->setMinimumHeight(Command3->sizeHint().height() + 20);

    // The hex grid in its picture frame, the notes beside it.
    auto *Picture1 = new QFrame(central);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::Panel);
    Picture1->setFrameShadow(QFrame::Sunken);
    hexView_ = new HexView(chip(), Picture1);
    // Editing beyond the byte edit; its menu follows the window's own.
    history_ = new BufferHistory(chip(), this);
    editing_ = new HexEditing(chip(), *hexView_, *history_, dialogs_, this);
    editing_->addMenu(menuBar());
    buildToolsMenu();
    auto *pictureLayout = new QVBoxLayout(Picture1);
    pictureLayout->addWidget(hexView_);

    QFrame *Shape2 = makeShape(central, "Shape2");
    auto *notes = new QVBoxLayout(Shape2);
    const QStringList noteTexts = {Texts::SupportedDevices(), Texts::Series24(), Texts::Series93()};
    for (int i = 0; i < noteTexts.size(); ++i) {
        auto *note = new QLabel(noteTexts.at(i), Shape2);
        note->setObjectName(QStringLiteral("lblAddr"));
        note->setProperty("index", 16 + i);
        notes->addWidget(note);
    }
    notes->addSpacing(16);
    Label5 = new QLabel(Texts::EditHint(), Shape2);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setWordWrap(true);
    Contrast::keepText(Label5, QColor(0xa0, 0x30, 0x00));
    notes->addWidget(Label5);
    notes->addSpacing(16);
    notes->addWidget(new ChecksumPanel(chip(), Shape2));
    notes->addSpacing(8);
    notes->addWidget(editing_->addCursorNote(Shape2));
    notes->addStretch();
    Label1 = new QLabel(Shape2);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    notes->addWidget(Label1);
    Shape2->setMinimumWidth(200);

    auto *body = new QHBoxLayout;
    body->addWidget(Picture1);
    body->addWidget(Shape2, 1);

    auto *layout = new QVBoxLayout(central);
    layout->addWidget(Label2);
    QFrame *Shape3 = makeShape(central, "Shape3");
    Shape3->setFrameShape(QFrame::HLine);
    layout->addWidget(Shape3);
    layout->addWidget(Shape1);
    layout->addLayout(body, 1);

    // Panel 1 for the program's texts, then the date and the time.
    QStatusBar *StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    statusPanel_ = new QLabel(StatusBar1);
    statusPanel_->setObjectName(QStringLiteral("Panel1"));
    datePanel_ = new QLabel(StatusBar1);
    datePanel_->setObjectName(QStringLiteral("Panel2"));
    timePanel_ = new QLabel(StatusBar1);
    timePanel_->setObjectName(QStringLiteral("Panel3"));
    StatusBar1->addWidget(statusPanel_, 1);
    // Why a port cannot be used, when that is worth saying.
    portNotice_ = new QLabel(StatusBar1);
    portNotice_->setObjectName(QStringLiteral("portNotice"));
    Contrast::keepText(portNotice_, QColor(0xb0, 0x00, 0x00));
    portNotice_->hide();
    StatusBar1->addWidget(portNotice_, 1);
    editing_->addStatusPanel(StatusBar1);
    StatusBar1->addPermanentWidget(datePanel_);
    StatusBar1->addPermanentWidget(timePanel_);
    clock_ = new QTimer(this);
    clock_->setObjectName(QStringLiteral("clock"));
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &Form1::updateClock);
    updateClock();
    clock_->start();
}

void Form1::updateClock() {
    const QDateTime now = QDateTime::currentDateTime();
    datePanel_->setText(now.toString(QStringLiteral("yyyy-MM-dd")));
    timePanel_->setText(now.toString(QStringLiteral("HH:mm:ss")));
}
