#pragma once

#include <QObject>
#include <QString>

// The progress of a chip operation as values: whether it is shown, the bar's
// value and the percentage caption. The window's display follows the signals.
class OperationProgress : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Shown, bar at 0, caption "0.00%".
    void start();
    // After block `block` (from 0) of blocks 0..blockCount was done.
    void blockDone(qint32 block, qint32 blockCount);
    void hide();
    // A message box is about to cover the window: show the values now.
    void showNow() { emit showNowRequested(); }

    bool isShown() const { return shown_; }
    int bar() const { return bar_; }
    const QString &caption() const { return caption_; }

signals:
    void started();
    void advanced();
    void hidden();
    void showNowRequested();

private:
    bool shown_ = false;
    int bar_ = 0;
    QString caption_;
};
