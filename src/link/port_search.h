#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include "link/serial_port.h"

class OnlineState;
class ProgrammerLink;

// Looks for the box on ports 1 to 15 with the connection-test frame and
// leaves the link open on the first port that answers. While a port is
// tried the window shows a notice; testNotice tells when.
class PortSearch : public QObject {
    Q_OBJECT

public:
    PortSearch(ProgrammerLink &link, OnlineState &online, QObject *parent = nullptr);

    void findport();
    void testport();
    // The box is gone: offline, and no port where it answers.
    void lose();
    // Hides the notice of a test (the search's or a failed operation's end).
    void hideNotice() { emit testNotice(false); }

    qint32 PortNumber = 1;
    bool PortFound = false;

    // What to tell the user about a port that was refused.
    static QString refusalText(SerialPort::OpenFailure reason, const QString &device);

signals:
    void testNotice(bool shown);
    // A port that exists could not be opened: the account may not use it
    // (Denied) or another program holds it (Busy). Said once per reason in a
    // run, naming the first device, however often the search comes by again;
    // the port itself counts as one where no box answers.
    void portRefused(SerialPort::OpenFailure reason, const QString &device);

private:
    void showNotFound();
    void reportRefusal(const SerialPort &port);

    ProgrammerLink &link_;
    OnlineState &online_;
    QList<SerialPort::OpenFailure> refusalsSaid_;
};
