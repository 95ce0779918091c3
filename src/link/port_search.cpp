#include "link/port_search.h"

#include <QLineEdit>

#include "link/operation_controls.h"
#include "link/port_numbering.h"
#include "link/programmer_link.h"
#include "windows/texts.h"

PortSearch::PortSearch(ProgrammerLink &link, OperationControls &controls, QLineEdit *testNotice)
    : link_(link), controls_(controls), Text2(testNotice) {}

void PortSearch::showNotFound() {
    controls_.gooffline();
    PortFound = false;
    Text2->hide();
}

void PortSearch::findport() {
    ++searching_;
    for (PortNumber = PortNumbering::FirstPort; PortNumber <= PortNumbering::LastPort;
         ++PortNumber) {
        testport();
        // Leaving the program ends the search too: no port is opened after that.
        if (PortFound || link_.QuitRequested)
            break;
    }
    if (!PortFound)
        showNotFound();
    --searching_;
}

void PortSearch::testport() {
    PortFound = false;
    if (link_.QuitRequested) {
        showNotFound();
        return;
    }
    ++searching_;
    SerialPort &port = link_.port();
    link_.closePort();
    Text2->setText(Texts::Text2Testing);
    Text2->show();

    port.setPortNumber(PortNumber);
    // A port that does not exist, is busy or is not ours answers nothing.
    if (!port.applySettings() || !port.open()) {
        showNotFound();
        --searching_;
        return;
    }
    link_.setCommand(TestCommand);
    if (link_.sendandread() && link_.replyCode() == TestReply) {
        controls_.goonline();
        PortFound = true;
    } else {
        link_.closePort();
        controls_.gooffline();
        PortFound = false;
    }
    Text2->hide();
    --searching_;
}
