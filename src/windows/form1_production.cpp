// 工具 → 生产模式: the main window lends its box to the production window
// for as long as that is open.
#include "link/port_numbering.h"
#include "operations/box_loan.h"
#include "windows/form1.h"
#include "windows/production_window.h"

void Form1::openProduction(const QString &jobFile) {
    if (production_) {
        production_->raise();
        production_->activateWindow();
        if (!jobFile.isEmpty())
            production_->openJob(jobFile);
        return;
    }
    // Not above an operation: its wait is its own.
    if (chip().locked())
        return;
    const auto ports = productionPorts_ ? productionPorts_ : [] {
        return PortNumbering().candidates().mid(0, PortNumbering::LastPort);
    };
    loan_ = std::make_unique<BoxLoan>(session());
    production_ = new ProductionWindow(dialogs_, ports, timings_, this);
    connect(production_, &QObject::destroyed, this, [this] { loan_.reset(); });
    // The main window's chip and image as the job's start.
    production_->setModel(chip().ChipCode());
    if (!files().places().lastFile().isEmpty())
        production_->setImage(files().places().lastFile());
    if (!jobFile.isEmpty())
        production_->openJob(jobFile);
    production_->show();
}

ProductionWindow *Form1::productionWindow() const {
    return production_;
}
