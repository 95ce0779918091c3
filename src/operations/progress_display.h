#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

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
    // The three share one parent panel.
    ProgressDisplay(QProgressBar *bar, QPushButton *percentage, QLabel *heading);
    ~ProgressDisplay() override;

    // Visible, bar at 0, caption "0.00%".
    void start();
    // After block `block` (from 0) of blocks 0..blockCount was done.
    void blockDone(qint32 block, qint32 blockCount);
    void hide();

    // A frame went out and its reply is awaited: paints the new values if the
    // last painting is long enough ago.
    void frameSent();
    // Paints values not yet painted: before a message box covers the window.
    void paintPending();

private:
    void setPainting(bool on);
    void paintNow();

    QPointer<QProgressBar> bar_;
    QPointer<QPushButton> percentage_;
    QPointer<QLabel> heading_;
    QElapsedTimer sincePainted_;  // valid while shown with painting held back
    QTimer *fallback_;
    bool changed_ = false;
};
