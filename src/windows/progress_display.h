#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class OperationProgress;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// ProgressBar1, the percentage button Command3 and its heading Label4.
//
// The bar and the caption take their new values after every block, but are
// painted at most 8 times a second, just after a command frame has gone out:
// the reply is then still on the line, so painting delays nothing. When no
// frames go out (a message box is open), a slow timer paints instead.
class ProgressDisplay : public QObject {
    Q_OBJECT

public:
    // The three share one parent panel. Follows `progress`.
    ProgressDisplay(OperationProgress &progress, QProgressBar *bar, QPushButton *percentage,
                    QLabel *heading);
    ~ProgressDisplay() override;

    // A frame went out and its reply is awaited: paints the new values if the
    // last painting is long enough ago.
    void frameSent();

private:
    void start();
    void advance();
    void hide();
    // Paints values not yet painted: before a message box covers the window.
    void paintPending();

    void setPainting(bool on);
    void paintNow();

    OperationProgress &progress_;
    QPointer<QProgressBar> bar_;
    QPointer<QPushButton> percentage_;
    QPointer<QLabel> heading_;
    QElapsedTimer sincePainted_;  // valid while shown with painting held back
    QTimer *fallback_;
    bool changed_ = false;
};
