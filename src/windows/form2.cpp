#include "windows/form2.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "messages/texts.h"
#include "windows/pictures.h"

namespace {
constexpr int Width = 497;
constexpr int Height = 330;
}  // namespace

Form2::Form2(QWidget *parent)
    : QWidget(parent),
      Command1(new QPushButton(Texts::UseOnline(), this)),
      Command2(new QPushButton(Texts::UseOffline(), this)),
      Label4(new QLabel(Texts::Connecting(), this)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(Texts::StartupCaption());
    setFixedSize(Width, Height);

    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Label4->setObjectName(QStringLiteral("Label4"));
    Command1->setGeometry(90, 272, 130, 36);
    Command2->setGeometry(277, 272, 130, 36);
    Label4->setGeometry(90, 236, 317, 28);
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setStyleSheet(QStringLiteral("color: #b00000; background: rgba(255,255,255,200);"));

    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    Form_Load();
}

void Form2::Form_Load() {
    Label4->hide();
}

void Form2::Command1_Click() {
    Command1->setEnabled(false);
    Command2->setEnabled(false);
    lianjibiaozhi = true;
    Label4->show();
    starting_ = true;
    showMainWindow();
    starting_ = false;
    Label4->hide();
    hide();
}

void Form2::Command2_Click() {
    Command2->setEnabled(false);
    lianjibiaozhi = false;
    starting_ = true;
    showMainWindow();
    starting_ = false;
    hide();
}

void Form2::closeEvent(QCloseEvent *event) {
    // Closing while the main window loads would pull the ground from under the
    // search that is running.
    if (starting_)
        event->ignore();
    else
        event->accept();
}

void Form2::paintEvent(QPaintEvent *) {
    static const QImage background = Pictures::startupBackground();
    QPainter(this).drawImage(rect(), background);
}
