#pragma once

#include <QObject>

class QSocketNotifier;

// Ctrl+C (SIGINT) delivered as a signal of the event loop: the handler only
// writes a byte to a pipe, which the loop reads like any other event.
class InterruptWatch : public QObject {
    Q_OBJECT

public:
    explicit InterruptWatch(QObject *parent = nullptr);
    ~InterruptWatch() override;

    bool interrupted() const { return interrupted_; }

signals:
    void interrupt();

private:
    QSocketNotifier *notifier_ = nullptr;
    bool interrupted_ = false;
};
