#pragma once

#include <QByteArray>
#include <QObject>

class QSocketNotifier;

// Lines typed on standard input, as signals of the event loop: nothing
// blocks while the user has not pressed Enter.
class LineReader : public QObject {
    Q_OBJECT

public:
    explicit LineReader(QObject *parent = nullptr);

    bool ended() const { return ended_; }

signals:
    void line(const QString &text);
    // End of input: nobody will press Enter any more.
    void end();

private:
    void readSome();

    QSocketNotifier *notifier_;
    QByteArray pending_;
    bool ended_ = false;
};
