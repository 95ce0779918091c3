#pragma once

#include <QPointer>

class OperationControls;
class ProgrammerLink;
class QLineEdit;

// Looks for the box on ports 1 to 15 with the connection-test frame and
// leaves the link open on the first port that answers.
class PortSearch {
public:
    static constexpr quint8 TestCommand = 0xFE;
    static constexpr quint8 TestReply = 0xFD;

    PortSearch(ProgrammerLink &link, OperationControls &controls, QLineEdit *testNotice);

    void findport();
    void testport();
    bool searching() const { return searching_ > 0; }

    qint32 PortNumber = 1;
    bool PortFound = false;

private:
    void showNotFound();

    ProgrammerLink &link_;
    OperationControls &controls_;
    QPointer<QLineEdit> Text2;
    int searching_ = 0;
};
