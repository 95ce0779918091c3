#include "cli/produce_command.h"

#include <QTimer>

#include "cli/command_line_tool.h"
#include "cli/console.h"
#include "cli/request.h"
#include "link/port_numbering.h"
#include "messages/cli_texts.h"
#include "messages/production_texts.h"
#include "production/job_setup.h"
#include "production/production_run.h"

namespace {
constexpr qint64 ProgressIntervalMs = 100;
// How often a run without a person looks again for boxes that are all gone.
constexpr int AbsentPauseMs = 1000;
}  // namespace

ProduceCommand::ProduceCommand(Console &console, const Request &request)
    : console_(console), request_(request) {
    connect(&interrupt_, &InterruptWatch::interrupt, this, [this] {
        if (quit_) {
            stopped_ = true;
        } else {
            quit_ = true;
            console_.note(CliTexts::EndsAfterRound());
        }
        wake();
    });
    connect(&input_, &LineReader::line, this, [this](const QString &text) {
        if (text.compare(QLatin1String("q"), Qt::CaseInsensitive) == 0) {
            if (!quit_ && !waitingForEnter_)
                console_.note(CliTexts::EndsAfterRound());
            quit_ = true;
        } else if (waitingForEnter_) {
            enter_ = true;
        }
        wake();
    });
    // Nobody can press Enter any more; a run that does not wait goes on.
    connect(&input_, &LineReader::end, this, [this] {
        if (!request_.noWait)
            quit_ = true;
        wake();
    });
}

void ProduceCommand::waitUntil(const std::function<bool()> &done) {
    while (!done())
        loop_.exec();
}

int ProduceCommand::run() {
    QByteArray image;
    if (const int failed = CommandLineTool::loadImage(console_, request_, image); failed >= 0)
        return failed;
    JobSetup job;
    if (const int refused = CommandLineTool::settleJob(console_, request_, image, job);
        refused >= 0)
        return refused;

    SiteSetup setup;
    setup.model = request_.model;
    setup.image = image;
    setup.job = job.job();
    setup.journal = job.journal().location();
    setup.verify = request_.verify;
    // --port names the boxes; without it, every port where a box answers.
    const QStringList devices = request_.ports.isEmpty()
                                    ? PortNumbering().candidates().mid(0, PortNumbering::LastPort)
                                    : request_.ports;
    ProductionRun run(setup, devices);
    int code = CommandLineTool::Success;
    if (!findSites(run, code))
        return code;
    if (quit_)
        return CommandLineTool::Interrupted;

    connect(&run, &ProductionRun::siteProgress, this, [this](Site *site, int percent) {
        percent_[site->number()] = percent;
        wake();
    });
    for (int round = 1; request_.count < 0 || round <= request_.count;) {
        if (quit_ || run.jobAtEnd() || (!request_.noWait && !awaitEnter(round)))
            break;
        // Without a person at the bench, a round in which no box answered
        // does not count: the run looks for the boxes again a little later.
        if (!runRound(run, round) && request_.noWait) {
            pause();
            continue;
        }
        if (stopped_)
            break;
        ++round;
    }
    if (run.jobAtEnd())
        console_.note(ProductionTexts::JobAtEnd().arg(setup.job.name).arg(setup.job.serial.last()));
    console_.result(CliTexts::Totals().arg(passed_).arg(failed_));
    return exitCode();
}

bool ProduceCommand::findSites(ProductionRun &run, int &code) {
    bool found = false;
    connect(&run, &ProductionRun::boxesFound, this, [this, &found] {
        found = true;
        wake();
    });
    run.findBoxes();
    waitUntil([&found] { return found; });
    if (request_.ports.isEmpty())
        run.dropAbsent();
    bool any = false;
    for (const Site *site : run.sites()) {
        any = any || site->present();
        console_.note((site->present() ? CliTexts::SiteFound() : CliTexts::SiteSilent())
                          .arg(site->number())
                          .arg(site->device()));
    }
    if (!any) {
        console_.error(CliTexts::NotFound());
        code = CommandLineTool::NoBox;
    }
    return any;
}

bool ProduceCommand::awaitEnter(int round) {
    console_.note(CliTexts::RoundPrompt().arg(round));
    enter_ = false;
    waitingForEnter_ = true;
    waitUntil([this] { return enter_ || quit_; });
    waitingForEnter_ = false;
    return !quit_;
}

void ProduceCommand::pause() {
    bool over = false;
    QTimer::singleShot(AbsentPauseMs, this, [this, &over] {
        over = true;
        wake();
    });
    waitUntil([this, &over] { return over || quit_; });
}

bool ProduceCommand::runRound(ProductionRun &run, int round) {
    QMap<int, QString> lines;
    bool done = false;
    bool anyChip = false;
    const auto siteDone =
        connect(&run, &ProductionRun::siteDone, this, [&, round](Site *site, const ChipResult &r) {
            anyChip = anyChip || r.status != ChipResult::Status::Absent;
            count(r);
            lines[site->number()] = line(round, *site, r);
            if (!r.journalError.isEmpty())
                console_.error(r.journalError);
        });
    const auto roundDone = connect(&run, &ProductionRun::roundDone, this, [this, &done] {
        done = true;
        wake();
    });
    percent_.clear();
    sinceShown_.invalidate();
    run.startRound();
    bool stopAsked = false;
    waitUntil([&] {
        if (stopped_ && !stopAsked) {
            stopAsked = true;
            run.stopAfterBlock();
        }
        if (!done)
            showProgress(round, false);
        return done;
    });
    disconnect(siteDone);
    disconnect(roundDone);
    if (anyChip || !request_.noWait)
        for (const QString &text : lines)
            console_.result(text);
    return anyChip;
}

void ProduceCommand::count(const ChipResult &result) {
    using Status = ChipResult::Status;
    journalFault_ = journalFault_ || !result.journalError.isEmpty();
    switch (result.status) {
        case Status::Done:
            ++passed_;
            return;
        case Status::Mismatch:
            mismatch_ = true;
            break;
        case Status::Refused:
        case Status::NoAnswer:
            boxFault_ = true;
            break;
        case Status::Stopped:
            break;
        case Status::Absent:
            boxFault_ = true;  // a box lost and not back
            return;
        case Status::AtEnd:
        case Status::JournalFailed:
            return;
    }
    ++failed_;
}

QString ProduceCommand::line(int round, const Site &site, const ChipResult &result) const {
    return CliTexts::SiteLine()
        .arg(round)
        .arg(site.number())
        .arg(site.device(),
             result.serial < 0 ? QStringLiteral("-") : QString::number(result.serial),
             result.text(), QString::number(result.seconds, 'f', 2));
}

void ProduceCommand::showProgress(int round, bool force) {
    if (!console_.showsProgress() ||
        (!force && sinceShown_.isValid() && sinceShown_.elapsed() < ProgressIntervalMs))
        return;
    sinceShown_.start();
    QString sites;
    for (auto it = percent_.cbegin(); it != percent_.cend(); ++it)
        sites += CliTexts::SitePercent().arg(it.key()).arg(it.value());
    console_.progress(CliTexts::RoundProgress().arg(round).arg(sites));
}

int ProduceCommand::exitCode() const {
    if (stopped_)
        return CommandLineTool::Interrupted;
    if (boxFault_)
        return CommandLineTool::BoxFault;
    if (journalFault_)
        return CommandLineTool::BadUsage;
    return mismatch_ ? CommandLineTool::Different : CommandLineTool::Success;
}
