#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

#include "production/chip_run.h"
#include "production/job_setup.h"
#include "production/journal_record.h"
#include "production/site.h"

class ProductionRun;
class QTimer;

// Production at a bench with a window: a settled job, a site for every port
// where a box answers, rounds on request, and boxes that come and go while
// no round runs. The window shows what this tells; it holds no logic.
class ProductionDesk : public QObject {
    Q_OBJECT

public:
    // What a tile shows of one site.
    struct SiteView {
        enum class State { Waiting, Programming, Passed, Failed, Lost };
        QString device;
        State state = State::Waiting;
        int percent = 0;
        qint64 serial = -1;
        QString reason;
        int passed = 0;
        int failed = 0;
    };

    // `ports` lists the devices to look on, afresh each time.
    explicit ProductionDesk(std::function<QStringList()> ports, const Timings &timings = Timings(),
                            QObject *parent = nullptr);
    ~ProductionDesk() override;

    // Settles the job (checked, found or made in the journal) and looks for
    // the boxes. False with `error` saying why; `notes` for the user.
    bool settle(const JobRequest &request, QString &error, QStringList &notes);
    bool settled() const { return setup_ != nullptr; }
    // The job as the journal has it now (its next number).
    ProductionJob job();
    QString journalShown() const;

    const QList<SiteView> &sites() const { return views_; }
    bool busy() const;
    bool searching() const { return searching_; }

    // One chip in every box that answers. False when there is none.
    bool startRound();
    void stopAfterBlock();
    // Looks for boxes plugged in or pulled, when no round runs; with or
    // without a job.
    void lookForBoxes();
    // Boxes are looked for every `ms` while no round runs; 0: never.
    void setSearchInterval(int ms);

    // The job's last records, newest first, and its totals.
    QList<JournalRecord> records(int newest, int &passed, int &failed, int &unknown);

signals:
    // Sites came or went, or the job changed.
    void sitesChanged();
    void siteChanged(int index);
    void roundDone();
    void busyChanged(bool busy);

private:
    void makeRun();
    void searched();
    void siteDone(Site *site, const ChipResult &result);
    SiteView *viewOf(const QString &device);

    std::function<QStringList()> ports_;
    Timings timings_;
    std::unique_ptr<JobSetup> setup_;
    SiteSetup siteSetup_;
    ProductionRun *run_ = nullptr;
    QStringList runDevices_;
    QList<SiteView> views_;
    QTimer *searchTimer_;
    bool searching_ = false;
    bool rounding_ = false;
};
