#include "link/online_supervision.h"

#include <QTimer>

#include "link/online_state.h"
#include "link/port_search.h"
#include "link/programmer_link.h"
#include "link/protocol.h"
#include "messages/dialogs.h"
#include "messages/texts.h"

OnlineSupervision::OnlineSupervision(ProgrammerLink &link, OnlineState &online, PortSearch &search,
                                     Dialogs &dialogs, QTimer *checkTimer, QObject *parent)
    : QObject(parent),
      link_(link),
      online_(online),
      search_(search),
      dialogs_(dialogs),
      checkTimer_(checkTimer) {}

void OnlineSupervision::opfailed() {
    dialogs_.warning(Texts::FailureHint());
    search_.lose();
    search_.hideNotice();
}

void OnlineSupervision::test() {
    // A search now would close the port under whatever holds it.
    if (!link_.mayStart(ProgrammerLink::Use::Search))
        return;
    emit testStarted();
    search_.lose();
    emit testEnabled(false);
    search_.findport();
}

void OnlineSupervision::check() {
    emit testEnabled(!onlineUse_);
    if (!onlineUse_)
        return;

    const bool idle = online_.isOnline() == online_.operationsEnabled();
    emit exitEnabled(idle);

    // A tick that falls inside a waiting exchange, a search, an operation or
    // this check's own message box is skipped; the next one comes soon enough.
    if (!link_.mayStart(ProgrammerLink::Use::Check))
        return;
    const ProgrammerLink::Hold checking(link_, ProgrammerLink::Use::Check);

    if (!online_.isOnline()) {
        test();
        // An exit confirmed during the search stopped the timer for good.
        if (!online_.isOnline() && checkTimer_ && !checkTimer_->isActive() && !link_.QuitRequested)
            checkTimer_->start();
    }
    if (online_.isOnline() && online_.operationsEnabled()) {
        link_.setCommand(Protocol::ConnectionTest);
        if (!link_.sendandread() && !link_.QuitRequested) {
            link_.closePort();
            search_.lose();
            dialogs_.warning(Texts::CommunicationFault());
        }
    }
}
