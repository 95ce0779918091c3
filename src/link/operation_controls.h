#pragma once

#include <QList>
#include <QPointer>

class QAbstractButton;
class QLineEdit;
class QMenu;

// The online indicator Text1 and the controls that are offered only while the
// box is online: the five chip-operation buttons and the chip-operation menu.
class OperationControls {
public:
    OperationControls(QLineEdit *indicator, QList<QAbstractButton *> operationButtons,
                      QMenu *operationMenu);

    void disableops();
    void enableops();
    void goonline();
    void gooffline();

    bool isOnline() const { return online_; }
    bool isOffline() const { return !online_; }
    // Command6 stands for the five: a running operation disables it.
    bool operationsEnabled() const;

private:
    void setOperationsEnabled(bool enabled);
    void showIndicator(bool online);

    QPointer<QLineEdit> indicator_;
    QList<QAbstractButton *> buttons_;
    QPointer<QMenu> menu_;
    bool online_ = false;
};
