#include "link/port_search.h"

#include "link/online_state.h"
#include "link/port_numbering.h"
#include "link/programmer_link.h"
#include "link/protocol.h"
#include "messages/texts.h"

PortSearch::PortSearch(ProgrammerLink &link, OnlineState &online, QObject *parent)
    : QObject(parent), link_(link), online_(online) {}

void PortSearch::lose() {
    online_.gooffline();
    PortFound = false;
}

void PortSearch::showNotFound() {
    lose();
    hideNotice();
}

QString PortSearch::refusalText(SerialPort::OpenFailure reason, const QString &device) {
    return reason == SerialPort::OpenFailure::Denied ? Texts::PortDenied().arg(device)
                                                     : Texts::PortBusy().arg(device);
}

void PortSearch::reportRefusal(const SerialPort &port) {
    const SerialPort::OpenFailure reason = port.openFailure();
    if ((reason != SerialPort::OpenFailure::Denied && reason != SerialPort::OpenFailure::Busy) ||
        refusalsSaid_.contains(reason))
        return;
    refusalsSaid_ << reason;
    emit portRefused(reason, port.deviceName());
}

void PortSearch::findport() {
    const ProgrammerLink::Hold searching(link_, ProgrammerLink::Use::Search);
    for (PortNumber = PortNumbering::FirstPort; PortNumber <= PortNumbering::LastPort;
         ++PortNumber) {
        testport();
        // Leaving the program ends the search too: no port is opened after that.
        if (PortFound || link_.QuitRequested)
            break;
    }
    if (!PortFound)
        showNotFound();
}

void PortSearch::testport() {
    PortFound = false;
    if (link_.QuitRequested) {
        showNotFound();
        return;
    }
    const ProgrammerLink::Hold searching(link_, ProgrammerLink::Use::Search);
    SerialPort &port = link_.port();
    link_.closePort();
    emit testNotice(true);

    port.setPortNumber(PortNumber);
    // A port that does not exist, is busy or is not ours answers nothing.
    if (!port.applySettings()) {
        showNotFound();
        return;
    }
    if (!port.open()) {
        reportRefusal(port);
        showNotFound();
        return;
    }
    link_.setCommand(Protocol::ConnectionTest);
    if (!link_.sendandread() || link_.replyCode() != Protocol::ConnectionOk) {
        link_.closePort();
        showNotFound();
        return;
    }
    online_.goonline();
    PortFound = true;
    hideNotice();
}
