#pragma once

#include <QObject>
#include <QPointer>

class ChipBuffer;
class ChipOperations;
class Dialogs;
class QAbstractButton;
class QAction;

// "停止" and Esc: while a chip operation runs, end it after the block under
// way, as the command line's Ctrl+C does; then say how far it got and what
// that leaves behind. Offered only while an operation runs.
class StopCommand : public QObject {
    Q_OBJECT

public:
    StopCommand(ChipBuffer &buffer, ChipOperations &operations, Dialogs &dialogs,
                QAbstractButton *button, QAction *escape, QObject *parent = nullptr);

    void stop();

private:
    void running(bool running);

    ChipOperations &operations_;
    Dialogs &dialogs_;
    QPointer<QAbstractButton> button_;
    QPointer<QAction> escape_;
};
