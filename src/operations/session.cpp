#include "operations/session.h"

#include <QTimer>

Session::Session(Dialogs &dialogs, SerialPort *port, const Timings &timings, QObject *parent)
    : QObject(parent),
      checkTimer_(new QTimer(this)),
      buffer_(this),
      link_(port, timings, this),
      online_(this),
      search_(link_, online_, this),
      supervision_(link_, online_, search_, dialogs, checkTimer_, this),
      progress_(this),
      operations_(buffer_, link_, dialogs, online_, supervision_, progress_, this),
      selection_(buffer_, this),
      files_(buffer_, dialogs, this) {
    checkTimer_->setInterval(timings.onlineCheck);
    // Edits neither saved nor written are asked about before they go.
    buffer_.setDiscardQuestion([this] { return files_.askToSaveEdits(); });
    connect(checkTimer_, &QTimer::timeout, &supervision_, &OnlineSupervision::check);
    // The box is told every model chosen while it is online.
    connect(&selection_, &ModelSelection::selected, &operations_, &ChipOperations::sendxh);
    // A hardware test starts with the progress display hidden.
    connect(&supervision_, &OnlineSupervision::testStarted, &progress_, &OperationProgress::hide);
    // A line error: offline at once, without a message; a waiting exchange
    // runs on and ends by itself.
    connect(&link_, &ProgrammerLink::lineError, this, [this] {
        online_.gooffline();
        search_.hideNotice();
    });
}
