#include "production/production_run.h"

ProductionRun::ProductionRun(const SiteSetup &setup, const QStringList &devices, QObject *parent)
    : QObject(parent) {
    for (const QString &device : devices) {
        auto *site = new Site(int(sites_.size()) + 1, device, setup, this);
        sites_ << site;
        connect(site, &Site::probed, this, [this] {
            if (--waiting_ == 0)
                emit boxesFound();
        });
        connect(site, &Site::progress, this,
                [this, site](int percent) { emit siteProgress(site, percent); });
        connect(site, &Site::done, this, [this, site](const ChipResult &result) {
            jobAtEnd_ = jobAtEnd_ || result.jobAtEnd();
            emit siteDone(site, result);
            if (--waiting_ == 0)
                emit roundDone();
        });
    }
}

ProductionRun::~ProductionRun() {
    // Each site ends its own thread.
    qDeleteAll(sites_);
}

bool ProductionRun::busy() const {
    return waiting_ > 0;
}

void ProductionRun::findBoxes() {
    everySite(&Site::probe, &ProductionRun::boxesFound);
}

void ProductionRun::dropAbsent() {
    for (auto it = sites_.begin(); it != sites_.end();) {
        if ((*it)->present()) {
            ++it;
            continue;
        }
        delete *it;
        it = sites_.erase(it);
    }
    for (int k = 0; k < sites_.size(); ++k)
        sites_[k]->setNumber(k + 1);
}

void ProductionRun::startRound() {
    everySite(&Site::program, &ProductionRun::roundDone);
}

void ProductionRun::everySite(void (Site::*work)(), void (ProductionRun::*allDone)()) {
    waiting_ = int(sites_.size());
    for (Site *site : sites_)
        (site->*work)();
    if (sites_.isEmpty())
        emit(this->*allDone)();
}

void ProductionRun::stopAfterBlock() {
    for (Site *site : sites_)
        if (site->busy())
            site->stopAfterBlock();
}
