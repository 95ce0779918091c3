#pragma once

#include <QObject>
#include <QPointer>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// ProgressBar1, the percentage button Command3 and its heading Label4.
//
// The bar and the caption take their new values after every block, but are
// painted at most 12 times a second: a block over a fast link takes tens of
// microseconds, and painting every one would cost more than the exchange.
class ProgressDisplay : public QObject {
    Q_OBJECT

public:
    ProgressDisplay(QProgressBar *bar, QPushButton *percentage, QLabel *heading);
    ~ProgressDisplay() override;

    // Visible, bar at 0, caption "0.00%".
    void start();
    // After block `block` (from 0) of blocks 0..blockCount was done.
    void blockDone(qint32 block, qint32 blockCount);
    void hide();

private:
    void setPainting(bool on);
    void paintNow();

    QPointer<QProgressBar> bar_;
    QPointer<QPushButton> percentage_;
    QPointer<QLabel> heading_;
    QTimer *frame_;
};
