#pragma once

#include <QPointer>

class QLabel;
class QProgressBar;
class QPushButton;

// ProgressBar1, the percentage button Command3 and its heading Label4.
class ProgressDisplay {
public:
    ProgressDisplay(QProgressBar *bar, QPushButton *percentage, QLabel *heading);

    // Visible, bar at 0, caption "0.00%".
    void start();
    // After block `block` (from 0) of blocks 0..blockCount was done.
    void blockDone(qint32 block, qint32 blockCount);
    void hide();

private:
    QPointer<QProgressBar> bar_;
    QPointer<QPushButton> percentage_;
    QPointer<QLabel> heading_;
};
