#include "windows/company_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "messages/info_texts.h"
#include "windows/pictures.h"

CompanyWindow::CompanyWindow(QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(InfoTexts::CompanyCaption());
    setWindowIcon(Pictures::programIcon());
    setAttribute(Qt::WA_DeleteOnClose);

    // The window is exactly the size of its background picture.
    const QImage background = Pictures::companyBackground();
    setFixedSize(background.size());
    QPalette pal = palette();
    pal.setBrush(QPalette::Window, QBrush(background));
    setPalette(pal);
    setAutoFillBackground(true);

    const QImage banner = Pictures::companyBanner();
    auto *Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(QPixmap::fromImage(banner));
    Picture1->setFixedSize(banner.size());

    auto *Label1 = new QLabel(InfoTexts::CompanyProfile(), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setContentsMargins(8, 0, 8, 0);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont profileFont = Label1->font();
    profileFont.setPointSizeF(profileFont.pointSizeF() * 1.15);
    Label1->setFont(profileFont);

    auto *Command1 = new QPushButton(InfoTexts::CompanyClose(), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setMinimumWidth(120);
    connect(Command1, &QPushButton::clicked, this, &QWidget::hide);

    // Side margins that centre the banner; the profile takes the banner's
    // width, so that the layout can give it the height its wrapped text needs.
    const int side = (width() - banner.width()) / 2;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(side, 18, width() - banner.width() - side, 20);
    layout->setSpacing(16);
    layout->addWidget(Picture1);
    layout->addWidget(Label1);
    layout->addStretch();
    layout->addWidget(Command1, 0, Qt::AlignHCenter);
}
