#include "production/production_desk.h"

#include <QTimer>
#include <algorithm>

#include "production/journal.h"
#include "production/production_run.h"

using State = ProductionDesk::SiteView::State;

ProductionDesk::ProductionDesk(std::function<QStringList()> ports, const Timings &timings,
                               QObject *parent)
    : QObject(parent), ports_(std::move(ports)), timings_(timings), searchTimer_(new QTimer(this)) {
    connect(searchTimer_, &QTimer::timeout, this, &ProductionDesk::lookForBoxes);
}

// The run ends each site's thread after the chip under way.
ProductionDesk::~ProductionDesk() = default;

bool ProductionDesk::settle(const JobRequest &request, QString &error, QStringList &notes) {
    if (busy())
        return false;
    auto setup = std::make_unique<JobSetup>();
    if (!setup->prepare(request)) {
        error = setup->error();
        return false;
    }
    notes = setup->notes();
    setup_ = std::move(setup);
    siteSetup_ = SiteSetup();
    siteSetup_.model = request.model;
    siteSetup_.image = request.image;
    siteSetup_.job = setup_->job();
    siteSetup_.journal = setup_->journal().location();
    siteSetup_.timings = timings_;
    makeRun();
    emit sitesChanged();
    lookForBoxes();
    return true;
}

void ProductionDesk::makeRun() {
    delete run_;
    runDevices_ = ports_();
    run_ = new ProductionRun(siteSetup_, runDevices_, this);
    connect(run_, &ProductionRun::boxesFound, this, &ProductionDesk::searched);
    connect(run_, &ProductionRun::siteProgress, this, [this](Site *site, int percent) {
        if (SiteView *view = viewOf(site->device())) {
            view->state = State::Programming;
            view->percent = percent;
            emit siteChanged(int(view - views_.data()));
        }
    });
    connect(run_, &ProductionRun::siteDone, this, &ProductionDesk::siteDone);
    connect(run_, &ProductionRun::roundDone, this, [this] {
        rounding_ = false;
        emit busyChanged(false);
        emit roundDone();
    });
}

ProductionJob ProductionDesk::job() {
    ProductionJob job = siteSetup_.job;
    bool found = false;
    if (setup_)
        setup_->journal().findJob(job.name, job, found);
    return job;
}

QString ProductionDesk::journalShown() const {
    return setup_ ? setup_->journal().location().shown() : QString();
}

bool ProductionDesk::busy() const {
    return rounding_ || searching_;
}

void ProductionDesk::lookForBoxes() {
    if (busy())
        return;
    // Devices that came or went since the sites were made: sites afresh.
    // Before a job is settled the sites only answer whether a box is there.
    if (!run_ || ports_() != runDevices_)
        makeRun();
    searching_ = true;
    emit busyChanged(true);
    run_->findBoxes();
}

void ProductionDesk::setSearchInterval(int ms) {
    searchTimer_->stop();
    if (ms > 0)
        searchTimer_->start(ms);
}

void ProductionDesk::searched() {
    searching_ = false;
    QList<SiteView> views;
    for (const Site *site : run_->sites()) {
        if (!site->present())
            continue;
        SiteView *known = viewOf(site->device());
        SiteView view = known ? *known : SiteView();
        view.device = site->device();
        // A box that answers again is ready for its next chip.
        if (view.state == State::Lost)
            view.state = State::Waiting;
        views << view;
    }
    views_ = views;
    emit sitesChanged();
    emit busyChanged(false);
}

bool ProductionDesk::startRound() {
    if (!settled() || busy() || views_.isEmpty() || run_->jobAtEnd())
        return false;
    for (SiteView &view : views_) {
        view.state = State::Programming;
        view.percent = 0;
        view.reason.clear();
    }
    rounding_ = true;
    emit sitesChanged();
    emit busyChanged(true);
    run_->startRound();
    return true;
}

void ProductionDesk::stopAfterBlock() {
    if (run_ && rounding_)
        run_->stopAfterBlock();
}

void ProductionDesk::siteDone(Site *site, const ChipResult &result) {
    using Status = ChipResult::Status;
    SiteView *view = viewOf(site->device());
    if (!view) {
        // A box that came between the searches and got a chip gets a tile.
        if (result.status == Status::Absent)
            return;
        views_ << SiteView();
        view = &views_.last();
        view->device = site->device();
        emit sitesChanged();
    }
    if (result.serial >= 0)
        view->serial = result.serial;
    view->reason = result.text();
    switch (result.status) {
        case Status::Done:
            view->state = State::Passed;
            ++view->passed;
            break;
        case Status::Absent:
        case Status::NoAnswer:
            view->state = State::Lost;
            view->failed += result.touched() ? 1 : 0;
            break;
        default:
            view->state = State::Failed;
            view->failed += result.touched() ? 1 : 0;
            break;
    }
    emit siteChanged(int(view - views_.data()));
}

ProductionDesk::SiteView *ProductionDesk::viewOf(const QString &device) {
    const auto it = std::find_if(views_.begin(), views_.end(),
                                 [&device](const SiteView &view) { return view.device == device; });
    return it == views_.end() ? nullptr : &*it;
}

QList<JournalRecord> ProductionDesk::records(int newest, int &passed, int &failed, int &unknown) {
    passed = failed = unknown = 0;
    QList<JournalRecord> all;
    if (!setup_ || !setup_->journal().records(siteSetup_.job.name, all))
        return {};
    for (const JournalRecord &record : all) {
        if (record.outcome == RecordOutcome::Done)
            ++passed;
        else if (record.outcome == RecordOutcome::Unknown)
            ++unknown;
        else
            ++failed;
    }
    QList<JournalRecord> last = all.mid(qMax(0, int(all.size()) - newest));
    std::reverse(last.begin(), last.end());
    return last;
}
