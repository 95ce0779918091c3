#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QMap>
#include <QObject>
#include <functional>

#include "cli/interrupt_watch.h"
#include "cli/line_reader.h"
#include "production/chip_run.h"

class Console;
class ProductionRun;
class Site;
struct Request;

// eeprom-cli produce: one chip in every box at once, round after round,
// each round started by Enter (or at once with --no-wait); one line per
// site and the run's totals on stdout. q, Ctrl+C or the end of input ends
// the run after the chips under way; a second Ctrl+C stops them after their
// block.
class ProduceCommand : public QObject {
    Q_OBJECT

public:
    ProduceCommand(Console &console, const Request &request);
    int run();

private:
    // The sites whose box answers; false (with `code`) when there is none.
    bool findSites(ProductionRun &run, int &code);
    // Enter starts round `round`; false when the run is to end instead.
    bool awaitEnter(int round);
    // False when no site had a box to program.
    bool runRound(ProductionRun &run, int round);
    // A second, or less when the run is to end.
    void pause();
    void count(const ChipResult &result);
    QString line(int round, const Site &site, const ChipResult &result) const;
    void showProgress(int round, bool force);
    int exitCode() const;
    // Runs the event loop until `done` says so; every event wakes it.
    void waitUntil(const std::function<bool()> &done);
    void wake() { loop_.quit(); }

    Console &console_;
    const Request &request_;
    InterruptWatch interrupt_;
    LineReader input_;
    QEventLoop loop_;
    bool waitingForEnter_ = false;
    bool enter_ = false;
    bool quit_ = false;
    bool stopped_ = false;
    QMap<int, int> percent_;
    QElapsedTimer sinceShown_;
    int passed_ = 0;
    int failed_ = 0;
    bool boxFault_ = false;
    bool journalFault_ = false;
    bool mismatch_ = false;
};
