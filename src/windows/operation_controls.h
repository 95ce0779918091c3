#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class OnlineState;
class QAbstractButton;
class QLineEdit;
class QMenu;

// Shows the online state: the indicator Text1, green "联机" or red "脱机",
// and the controls offered only while the operations are: the five
// chip-operation buttons and the chip-operation menu.
class OperationControls : public QObject {
    Q_OBJECT

public:
    OperationControls(OnlineState &state, QLineEdit *indicator,
                      QList<QAbstractButton *> operationButtons, QMenu *operationMenu);

private:
    void show();

    OnlineState &state_;
    QPointer<QLineEdit> indicator_;
    QList<QAbstractButton *> buttons_;
    QPointer<QMenu> menu_;
};
