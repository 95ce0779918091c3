#include "windows/stop_command.h"

#include <QAbstractButton>
#include <QAction>

#include "chips/chip_buffer.h"
#include "messages/dialogs.h"
#include "messages/texts.h"
#include "operations/chip_operations.h"

StopCommand::StopCommand(ChipBuffer &buffer, ChipOperations &operations, Dialogs &dialogs,
                         QAbstractButton *button, QAction *escape, QObject *parent)
    : QObject(parent),
      operations_(operations),
      dialogs_(dialogs),
      button_(button),
      escape_(escape) {
    // A chip operation holds the buffer for as long as it runs.
    connect(&buffer, &ChipBuffer::lockedChanged, this, &StopCommand::running);
    connect(button, &QAbstractButton::clicked, this, &StopCommand::stop);
    connect(escape, &QAction::triggered, this, &StopCommand::stop);
    connect(&operations_, &ChipOperations::stopped, this, [this](const QString &report) {
        dialogs_.message(report, Texts::NoticeTitle(), Dialogs::Icon::Information,
                         Dialogs::Buttons::Ok);
    });
    running(buffer.locked());
}

void StopCommand::stop() {
    operations_.stopAfterBlock();
}

void StopCommand::running(bool running) {
    button_->setEnabled(running);
    escape_->setEnabled(running);
    // A stop during the last block found the operation done: it must not
    // end the next one.
    if (!running)
        operations_.cancelStop();
}
