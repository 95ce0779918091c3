#include "windows/help_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "messages/info_texts.h"
#include "windows/pictures.h"

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(InfoTexts::HelpCaption());
    setWindowIcon(Pictures::programIcon());
    setAttribute(Qt::WA_DeleteOnClose);

    // Picture1 shows no picture; it is the white page the hints are printed on.
    auto *Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::StyledPanel);
    Picture1->setFrameShadow(QFrame::Sunken);
    Picture1->setAutoFillBackground(true);
    Picture1->setBackgroundRole(QPalette::Base);
    auto *page = new QVBoxLayout(Picture1);
    page->setContentsMargins(16, 14, 16, 14);
    page->setSpacing(8);

    // There is no Label8: the eighth line sits in Label9.
    static const char *const names[] = {"Label1", "Label2", "Label3", "Label4",  "Label5",
                                        "Label6", "Label7", "Label9", "Label10", "Label11"};
    for (int i = 0; i < InfoTexts::HelpLines().size(); ++i) {
        auto *label = new QLabel(InfoTexts::HelpLines().at(i), Picture1);
        label->setObjectName(QLatin1String(names[i]));
        label->setWordWrap(true);
        label->setFixedWidth(600);
        label->setForegroundRole(QPalette::Text);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        page->addWidget(label);
    }

    auto *Command1 = new QPushButton(InfoTexts::HelpClose(), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command1, &QPushButton::clicked, this, &QWidget::hide);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(Picture1);
    layout->addLayout(buttons);
}
