#include "operations/box_loan.h"

#include <QTimer>

#include "operations/operation_scope.h"
#include "operations/session.h"

BoxLoan::BoxLoan(Session &session)
    : session_(session),
      scope_(std::make_unique<OperationScope>(session.buffer(), session.link())),
      wasOnline_(session.online().isOnline()),
      wasChecking_(session.checkTimer()->isActive()) {
    session_.checkTimer()->stop();
    session_.online().disableops();
    session_.link().closePort();
}

BoxLoan::~BoxLoan() {
    scope_.reset();
    if (wasChecking_)
        session_.checkTimer()->start();
    if (!wasOnline_) {
        session_.online().enableops();
        return;
    }
    // The search waits for the box: not inside the caller's clean-up.
    PortSearch *search = &session_.search();
    QTimer::singleShot(0, search, [search] { search->findport(); });
}
