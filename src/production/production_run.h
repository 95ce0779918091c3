#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

#include "production/chip_run.h"
#include "production/site.h"

// Production over several boxes at once: a site per box, each in its own
// thread, sharing nothing but the journal. A round programs one chip in
// every box that answers; a box that fails or is lost affects its own site
// only, and a lost one sits the rounds out until it answers again.
class ProductionRun : public QObject {
    Q_OBJECT

public:
    // A site for each device, numbered from 1 in this order.
    ProductionRun(const SiteSetup &setup, const QStringList &devices, QObject *parent = nullptr);
    ~ProductionRun() override;

    const QList<Site *> &sites() const { return sites_; }
    bool busy() const;
    // A site took the job's last number, or found none left: the run should end.
    bool jobAtEnd() const { return jobAtEnd_; }

    // Every site asks for its box at once; boxesFound() when all have answered.
    void findBoxes();
    // Forgets the sites whose box did not answer (a search of every port),
    // numbering the others from 1 again.
    void dropAbsent();
    // One chip in every box; siteDone() as each ends, roundDone() after the last.
    void startRound();
    // The chips under way stop after their block.
    void stopAfterBlock();

signals:
    void boxesFound();
    void siteProgress(Site *site, int percent);
    void siteDone(Site *site, const ChipResult &result);
    void roundDone();

private:
    // Hands `work` to every site; `allDone` once each has answered.
    void everySite(void (Site::*work)(), void (ProductionRun::*allDone)());

    QList<Site *> sites_;
    int waiting_ = 0;
    bool jobAtEnd_ = false;
};
