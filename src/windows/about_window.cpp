#include "windows/about_window.h"

#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "messages/info_texts.h"
#include "windows/pictures.h"
#include "windows/sysinfo.h"

namespace {

// Where Debian keeps the licence's text (the package's copyright file names it).
const QString InstalledLicence = QStringLiteral("/usr/share/common-licenses/GPL-3");

QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

// Wrapped labels get a fixed width so that the fixed-size layout can work out
// their height.
QLabel *makeParagraph(const QString &name, const QString &text, int width, QWidget *parent) {
    QLabel *label = makeLabel(name, text, parent);
    label->setWordWrap(true);
    label->setFixedWidth(width);
    // A fixed-size window asks for the size hint, which does not follow the
    // wrapping of a longer (translated) text.
    label->setMinimumHeight(label->heightForWidth(width));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// Line1 is a pair of one-pixel lines, dark over light, which reads as an
// etched groove.
QFrame *makeLine(QPalette::ColorRole role, QWidget *parent) {
    auto *line = new QFrame(parent);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFixedHeight(1);
    line->setAutoFillBackground(true);
    line->setBackgroundRole(role);
    return line;
}

}  // namespace

AboutWindow::AboutWindow(SysInfoLauncher &launcher, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(InfoTexts::AboutCaption());
    setWindowIcon(Pictures::programIcon());
    setAttribute(Qt::WA_DeleteOnClose);

    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(QPixmap::fromImage(Pictures::programIconImage(48)));
    picIcon->setFixedSize(48, 48);

    QLabel *lblTitle = makeLabel(QStringLiteral("lblTitle"), InfoTexts::AboutTitle(), this);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    QLabel *lblVersion = makeLabel(QStringLiteral("lblVersion"), InfoTexts::AboutVersion(), this);
    QLabel *lblDescription =
        makeParagraph(QStringLiteral("lblDescription"), InfoTexts::AboutDescription(), 400, this);
    QLabel *lblDisclaimer =
        makeParagraph(QStringLiteral("lblDisclaimer"), InfoTexts::AboutDisclaimer(), 360, this);
    lblDisclaimer->setForegroundRole(QPalette::PlaceholderText);
    auto *disclaimer = new QVBoxLayout;
    disclaimer->addWidget(lblDisclaimer);
    if (QFileInfo::exists(InstalledLicence)) {
        QLabel *lblLicence = makeLabel(QStringLiteral("lblLicence"),
                                       QStringLiteral("<a href=\"%1\">%2</a>")
                                           .arg(QUrl::fromLocalFile(InstalledLicence).toString(),
                                                InfoTexts::AboutLicenceLink()),
                                       this);
        lblLicence->setOpenExternalLinks(true);
        disclaimer->addWidget(lblLicence);
    }
    disclaimer->addStretch();

    auto *cmdOK = new QPushButton(InfoTexts::AboutOk(), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto *cmdSysInfo = new QPushButton(InfoTexts::SysInfoButton(), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    const int buttonWidth = qMax(cmdOK->sizeHint().width(), cmdSysInfo->sizeHint().width());
    cmdOK->setFixedWidth(buttonWidth);
    cmdSysInfo->setFixedWidth(buttonWidth);
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdSysInfo, &QPushButton::clicked, this, [&launcher] { launcher.StartSysInfo(); });

    auto *texts = new QVBoxLayout;
    texts->setSpacing(6);
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addSpacing(6);
    texts->addWidget(lblDescription);
    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(picIcon, 0, Qt::AlignTop);
    top->addLayout(texts);

    auto *groove = new QVBoxLayout;
    groove->setSpacing(0);
    groove->addWidget(makeLine(QPalette::Mid, this));
    groove->addWidget(makeLine(QPalette::Light, this));

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch();
    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(16);
    bottom->addLayout(disclaimer);
    bottom->addStretch();
    bottom->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(12);
    layout->addLayout(top);
    layout->addLayout(groove);
    layout->addLayout(bottom);
}
