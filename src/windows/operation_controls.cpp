#include "windows/operation_controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>

#include "hexview/contrast.h"
#include "link/online_state.h"
#include "messages/texts.h"

OperationControls::OperationControls(OnlineState &state, QLineEdit *indicator,
                                     QList<QAbstractButton *> operationButtons,
                                     QMenu *operationMenu)
    : QObject(indicator),
      state_(state),
      indicator_(indicator),
      buttons_(std::move(operationButtons)),
      menu_(operationMenu) {
    connect(&state_, &OnlineState::changed, this, &OperationControls::show);
}

void OperationControls::show() {
    const bool enabled = state_.operationsEnabled();
    for (QAbstractButton *button : buttons_)
        button->setEnabled(enabled);
    if (menu_) {
        // The menu's own action greys the title in the menu bar and silences
        // the shortcuts of every item below it.
        menu_->menuAction()->setEnabled(enabled);
        menu_->setEnabled(enabled);
    }
    if (!indicator_)
        return;
    const bool online = state_.isOnline();
    QPalette palette = indicator_->palette();
    const QColor background = online ? QColor(0, 255, 0) : QColor(255, 0, 0);
    palette.setColor(QPalette::Base, background);
    // The palette's own text, unless it would vanish on the colour (the light
    // text of a dark palette on green).
    const QWidget *frame = indicator_->parentWidget();
    palette.setColor(
        QPalette::Text,
        Contrast::textOn(background, (frame ? frame->palette() : palette).color(QPalette::Text)));
    indicator_->setPalette(palette);
    indicator_->setText(online ? Texts::Online() : Texts::Offline());
}
