#include "production/site.h"

#include "link/port_numbering.h"
#include "link/qt_serial_port.h"
#include "operations/session.h"
#include "production/journal.h"
#include "production/silent_dialogs.h"

SiteWorker::SiteWorker(QString device, SiteSetup setup)
    : device_(std::move(device)), setup_(std::move(setup)) {}

SiteWorker::~SiteWorker() = default;

void SiteWorker::prepare() {
    if (session_)
        return;
    dialogs_ = std::make_unique<SilentDialogs>();
    // The site's device and no other.
    session_ = std::make_unique<Session>(
        *dialogs_, new QtSerialPort(PortNumbering({device_}, QString())), setup_.timings);
    journal_ = std::make_unique<Journal>(
        setup_.journal,
        QStringLiteral("journal-site-%1").arg(reinterpret_cast<quintptr>(this), 0, 16));
    OperationProgress &progress = session_->progress();
    connect(&progress, &OperationProgress::started, this, [this] {
        ++phase_;
        showProgress();
    });
    connect(&progress, &OperationProgress::advanced, this, &SiteWorker::showProgress);
}

void SiteWorker::showProgress() {
    const int phases = setup_.verify ? 2 : 1;
    const qint64 blocks = qint64(session_->buffer().BlockCount()) + 1;
    const qint64 done = qint64(qMax(phase_ - 1, 0)) * blocks + session_->operations().BlockIndex;
    const int percent = int(qMin<qint64>(100, done * 100 / (phases * blocks)));
    if (percent != shownPercent_) {
        shownPercent_ = percent;
        emit progress(percent);
    }
}

bool SiteWorker::findBox() {
    session_->search().findport();
    return session_->online().isOnline();
}

void SiteWorker::probe() {
    prepare();
    emit probed(findBox());
}

void SiteWorker::program() {
    prepare();
    ChipResult result;
    // A box lost in an earlier chip is looked for again; until it answers,
    // the site sits the rounds out without taking a number.
    if (!session_->online().isOnline() && !findBox()) {
        emit done(result);
        return;
    }
    if (!journal_->open()) {
        result.status = ChipResult::Status::JournalFailed;
        result.journalError = journal_->errorText();
        emit done(result);
        return;
    }
    phase_ = 0;
    shownPercent_ = -1;
    result = ChipRun(*session_, *journal_, setup_.job, setup_.model, setup_.image, setup_.verify)
                 .run(device_);
    // Lost: the next chip looks for the box first.
    if (result.status == ChipResult::Status::NoAnswer)
        session_->online().gooffline();
    emit done(result);
}

void SiteWorker::stopAfterBlock() {
    if (session_)
        session_->operations().stopAfterBlock();
}

Site::Site(int number, const QString &device, const SiteSetup &setup, QObject *parent)
    : QObject(parent), number_(number), device_(device), worker_(new SiteWorker(device, setup)) {
    worker_->moveToThread(&thread_);
    // The worker, its session and its journal connection end in their thread.
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(worker_, &SiteWorker::probed, this, [this](bool present) {
        present_ = present;
        busy_ = false;
        emit probed(present);
    });
    connect(worker_, &SiteWorker::progress, this, &Site::progress);
    connect(worker_, &SiteWorker::done, this, [this](const ChipResult &result) {
        present_ = result.status != ChipResult::Status::Absent &&
                   result.status != ChipResult::Status::NoAnswer;
        busy_ = false;
        emit done(result);
    });
    thread_.setObjectName(QStringLiteral("site %1").arg(number));
    thread_.start();
}

Site::~Site() {
    stopAfterBlock();
    thread_.quit();
    thread_.wait();
}

void Site::probe() {
    busy_ = true;
    QMetaObject::invokeMethod(worker_, &SiteWorker::probe, Qt::QueuedConnection);
}

void Site::program() {
    busy_ = true;
    QMetaObject::invokeMethod(worker_, &SiteWorker::program, Qt::QueuedConnection);
}

void Site::stopAfterBlock() {
    QMetaObject::invokeMethod(worker_, &SiteWorker::stopAfterBlock, Qt::QueuedConnection);
}
