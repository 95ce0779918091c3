#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThread>
#include <memory>

#include "link/timings.h"
#include "production/chip_run.h"
#include "production/journal_location.h"
#include "production/production_job.h"

class Journal;
class Session;
class SilentDialogs;

// What every site of a run programs, and where it records it.
struct SiteSetup {
    int model = 0;
    QByteArray image;
    ProductionJob job;
    JournalLocation journal;
    bool verify = true;
    Timings timings;
};

// The work of one site, in the site's own thread: its port, link, chip
// operations, dialogs and journal connection are its own, so a wait for its
// box never holds another site's, and its fault stays its own.
class SiteWorker : public QObject {
    Q_OBJECT

public:
    SiteWorker(QString device, SiteSetup setup);
    ~SiteWorker() override;

    void probe();
    void program();
    void stopAfterBlock();

signals:
    void probed(bool present);
    void progress(int percent);
    void done(const ChipResult &result);

private:
    // Made on first use, in the site's thread.
    void prepare();
    bool findBox();
    void showProgress();

    const QString device_;
    const SiteSetup setup_;
    std::unique_ptr<SilentDialogs> dialogs_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<Journal> journal_;
    int phase_ = 0;
    int shownPercent_ = -1;
};

// One box of a production run, numbered from 1, as the run's thread sees
// it: it hands its work to its own thread and reports through signals.
class Site : public QObject {
    Q_OBJECT

public:
    Site(int number, const QString &device, const SiteSetup &setup, QObject *parent = nullptr);
    // Ends the site's thread, after the chip under way.
    ~Site() override;

    int number() const { return number_; }
    void setNumber(int number) { number_ = number; }
    const QString &device() const { return device_; }
    // The box answered last time it was asked.
    bool present() const { return present_; }
    bool busy() const { return busy_; }

    // Asks for the box: probed() tells.
    void probe();
    // Programs one chip (first looking for a box that was lost): done() tells.
    void program();
    // The chip under way stops after its block.
    void stopAfterBlock();

signals:
    void probed(bool present);
    void progress(int percent);
    void done(const ChipResult &result);

private:
    int number_;
    const QString device_;
    QThread thread_;
    SiteWorker *worker_;
    bool present_ = false;
    bool busy_ = false;
};
