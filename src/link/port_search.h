#pragma once

#include <QObject>

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
    // Hides the notice of a test (the search's or a failed operation's end).
    void hideNotice() { emit testNotice(false); }

    qint32 PortNumber = 1;
    bool PortFound = false;

signals:
    void testNotice(bool shown);

private:
    void showNotFound();

    ProgrammerLink &link_;
    OnlineState &online_;
};
