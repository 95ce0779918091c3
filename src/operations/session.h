#pragma once

#include <QObject>

#include "chips/chip_buffer.h"
#include "chips/model_selection.h"
#include "files/file_commands.h"
#include "link/online_state.h"
#include "link/online_supervision.h"
#include "link/port_search.h"
#include "link/programmer_link.h"
#include "link/timings.h"
#include "operations/chip_operations.h"
#include "operations/operation_progress.h"

class Dialogs;
class QTimer;

// The core of one run of the program, wired together: the buffer, the link
// to the box, its supervision, the chip operations and the file commands. The
// window shows it; a command line or a test drives it without a display.
class Session : public QObject {
    Q_OBJECT

public:
    // Takes `port` over. `dialogs` must outlive the session.
    Session(Dialogs &dialogs, SerialPort *port, const Timings &timings = Timings(),
            QObject *parent = nullptr);

    ChipBuffer &buffer() { return buffer_; }
    ProgrammerLink &link() { return link_; }
    OnlineState &online() { return online_; }
    PortSearch &search() { return search_; }
    OnlineSupervision &supervision() { return supervision_; }
    OperationProgress &progress() { return progress_; }
    ChipOperations &operations() { return operations_; }
    ModelSelection &selection() { return selection_; }
    FileCommands &files() { return files_; }
    // Runs the periodic check while started.
    QTimer *checkTimer() const { return checkTimer_; }

private:
    // Members with the session as their parent, so that findChild() sees
    // them; being members, they go before the parent's own clean-up.
    QTimer *checkTimer_;
    ChipBuffer buffer_;
    ProgrammerLink link_;
    OnlineState online_;
    PortSearch search_;
    OnlineSupervision supervision_;
    OperationProgress progress_;
    ChipOperations operations_;
    ModelSelection selection_;
    FileCommands files_;
};
