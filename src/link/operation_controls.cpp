#include "link/operation_controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>

#include "windows/texts.h"

OperationControls::OperationControls(QLineEdit *indicator,
                                     QList<QAbstractButton *> operationButtons,
                                     QMenu *operationMenu)
    : indicator_(indicator), buttons_(std::move(operationButtons)), menu_(operationMenu) {}

void OperationControls::setOperationsEnabled(bool enabled) {
    for (QAbstractButton *button : buttons_)
        button->setEnabled(enabled);
    if (menu_) {
        // The menu's own action greys the title in the menu bar and silences
        // the shortcuts of every item below it.
        menu_->menuAction()->setEnabled(enabled);
        menu_->setEnabled(enabled);
    }
}

void OperationControls::disableops() {
    setOperationsEnabled(false);
}

void OperationControls::enableops() {
    // Offline wins: an operation that ends after the link was lost (a line
    // error under a write) must not offer the operations again.
    setOperationsEnabled(online_);
}

void OperationControls::showIndicator(bool online) {
    QPalette palette = indicator_->palette();
    palette.setColor(QPalette::Base, online ? QColor(0, 255, 0) : QColor(255, 0, 0));
    indicator_->setPalette(palette);
}

void OperationControls::goonline() {
    online_ = true;
    showIndicator(true);
    enableops();
    indicator_->setText(Texts::Online);
}

void OperationControls::gooffline() {
    online_ = false;
    showIndicator(false);
    disableops();
    indicator_->setText(Texts::Offline);
}

bool OperationControls::operationsEnabled() const {
    return !buttons_.isEmpty() && buttons_.first()->isEnabled();
}
