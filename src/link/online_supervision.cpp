#include "link/online_supervision.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTimer>

#include "link/operation_controls.h"
#include "link/port_search.h"
#include "link/programmer_link.h"
#include "operations/progress_display.h"
#include "windows/dialogs.h"
#include "windows/texts.h"

OnlineSupervision::OnlineSupervision(ProgrammerLink &link, OperationControls &operationControls,
                                     PortSearch &search, ProgressDisplay &progress,
                                     Dialogs &dialogs, Controls controls,
                                     const QString &failureHint)
    : link_(link),
      operationControls_(operationControls),
      search_(search),
      progress_(progress),
      dialogs_(dialogs),
      Command11(controls.testButton),
      Command12(controls.exitButton),
      Text2(controls.testNotice),
      Timer3(controls.checkTimer),
      failureHint_(failureHint) {}

bool OnlineSupervision::linkInUse() const {
    return link_.busy() || search_.searching() || operationRunning();
}

void OnlineSupervision::opfailed() {
    dialogs_.warning(failureHint_);
    operationControls_.gooffline();
    search_.PortFound = false;
    Text2->hide();
    progress_.hide();
}

void OnlineSupervision::Command11_Click() {
    // A search now would close the port under the exchange that waits.
    if (linkInUse() || link_.QuitRequested)
        return;
    progress_.hide();
    operationControls_.gooffline();
    search_.PortFound = false;
    Command11->setEnabled(false);
    search_.findport();
}

void OnlineSupervision::Timer3_Timer() {
    const bool online = onlineUse();
    Command11->setEnabled(!online);
    if (!online)
        return;

    const bool idle = (operationControls_.isOnline() && operationControls_.operationsEnabled()) ||
                      (operationControls_.isOffline() && !operationControls_.operationsEnabled());
    Command12->setEnabled(idle);

    // A tick that falls inside a waiting exchange, a search or this check's
    // own message box is skipped; the next one comes soon enough.
    if (linkInUse() || tickDepth_ > 0 || link_.QuitRequested)
        return;
    ++tickDepth_;

    if (operationControls_.isOffline()) {
        Command11_Click();
        // An exit confirmed during the search stopped the timer for good.
        if (operationControls_.isOffline() && !Timer3->isActive() && !link_.QuitRequested)
            Timer3->start();
    }
    if (operationControls_.isOnline() && operationControls_.operationsEnabled()) {
        link_.setCommand(PortSearch::TestCommand);
        if (!link_.sendandread() && !link_.QuitRequested) {
            link_.closePort();
            operationControls_.gooffline();
            search_.PortFound = false;
            dialogs_.warning(Texts::CommunicationFault);
        }
    }
    --tickDepth_;
}
