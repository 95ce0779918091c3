#include "windows/production_window.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "messages/dialogs.h"
#include "messages/production_texts.h"
#include "messages/production_window_texts.h"
#include "production/journal_export.h"
#include "production/journal_location.h"
#include "production/production_desk.h"
#include "windows/production_job_form.h"
#include "windows/site_tile.h"

namespace T = ProductionWindowTexts;

namespace {
constexpr int TileColumns = 4;
constexpr int RecordsShown = 50;
// Boxes plugged in or pulled are looked for this often between rounds.
constexpr int SearchIntervalMs = 3000;
const QString TimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

QString crcText(quint32 crc) {
    return QStringLiteral("%1").arg(crc, 8, 16, QLatin1Char('0')).toUpper();
}
}  // namespace

ProductionWindow::ProductionWindow(Dialogs &dialogs, std::function<QStringList()> ports,
                                   const Timings &timings, QWidget *parent)
    : QWidget(parent, Qt::Window),
      dialogs_(dialogs),
      desk_(new ProductionDesk(std::move(ports), timings, this)),
      form_(new ProductionJobForm(dialogs, this)) {
    setObjectName(QStringLiteral("ProductionWindow"));
    setWindowTitle(T::Title());
    setAttribute(Qt::WA_DeleteOnClose);

    auto *sites = new QGroupBox(T::SitesGroup(), this);
    auto *siteLayout = new QVBoxLayout(sites);
    siteNotice_ = new QLabel(T::Searching(), sites);
    siteNotice_->setObjectName(QStringLiteral("siteNotice"));
    siteLayout->addWidget(siteNotice_);
    tileGrid_ = new QGridLayout;
    siteLayout->addLayout(tileGrid_);
    siteLayout->addStretch();

    auto *top = new QHBoxLayout;
    top->addWidget(form_, 1);
    top->addWidget(buildCommands());
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    notes_ = new QLabel(this);
    notes_->setObjectName(QStringLiteral("jobNotes"));
    notes_->setWordWrap(true);
    layout->addWidget(notes_);
    layout->addWidget(sites, 1);
    layout->addWidget(buildRecords());

    JournalLocation journal;
    JournalLocation::parse(QString(), journal);
    form_->setDefaultJournal(journal.shown());

    connect(form_, &ProductionJobForm::edited, this, [this] { settled_ = false; });
    connect(desk_, &ProductionDesk::sitesChanged, this, &ProductionWindow::showTiles);
    connect(desk_, &ProductionDesk::siteChanged, this, [this](int k) {
        if (k < tiles_.size())
            tiles_[k]->show(k + 1, desk_->sites().at(k));
    });
    connect(desk_, &ProductionDesk::busyChanged, this, &ProductionWindow::showBusy);
    connect(desk_, &ProductionDesk::roundDone, this, [this] {
        showRecords();
        form_->showJournalJob(desk_->job(), desk_->journalShown());
        emit roundDone();
    });
    desk_->setSearchInterval(SearchIntervalMs);
    // The boxes show before the job is settled.
    QTimer::singleShot(0, desk_, &ProductionDesk::lookForBoxes);

    // The keys of a round go to the window, unless a field of the job takes them.
    setFocusPolicy(Qt::StrongFocus);
    showBusy(false);
}

ProductionWindow::~ProductionWindow() = default;

QWidget *ProductionWindow::buildCommands() {
    auto *box = new QWidget(this);
    auto *column = new QVBoxLayout(box);
    const auto button = [&](const char *name, const QString &text) {
        auto *b = new QPushButton(text, box);
        b->setObjectName(QLatin1String(name));
        b->setFocusPolicy(Qt::NoFocus);  // Space and Enter start a round
        column->addWidget(b);
        return b;
    };
    start_ = button("productionStart", T::Start());
    start_->setToolTip(T::StartTip());
    QFont big = start_->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    start_->setFont(big);
    start_->setMinimumHeight(start_->sizeHint().height() * 2);
    stop_ = button("productionStop", T::Stop());
    column->addSpacing(12);
    QPushButton *open = button("openJob", T::OpenJob());
    QPushButton *save = button("saveJob", T::SaveJob());
    QPushButton *exportButton = button("exportRecords", T::ExportRecords());
    column->addStretch();
    jobCommands_ = {open, save, exportButton, form_};
    connect(start_, &QPushButton::clicked, this, [this] {
        setFocus();  // the next round is one key away
        start();
    });
    connect(stop_, &QPushButton::clicked, this, &ProductionWindow::stop);
    connect(open, &QPushButton::clicked, this, &ProductionWindow::chooseAndOpen);
    connect(save, &QPushButton::clicked, this, &ProductionWindow::chooseAndSave);
    connect(exportButton, &QPushButton::clicked, this, &ProductionWindow::chooseAndExport);
    return box;
}

QWidget *ProductionWindow::buildRecords() {
    using namespace ProductionTexts;
    auto *box = new QGroupBox(T::RecordsGroup(), this);
    auto *layout = new QVBoxLayout(box);
    records_ = new QTableWidget(0, 4, box);
    records_->setObjectName(QStringLiteral("records"));
    records_->setHorizontalHeaderLabels(
        {ColumnEnded(), ColumnSite(), ColumnSerial(), ColumnOutcome()});
    records_->horizontalHeader()->setStretchLastSection(true);
    records_->verticalHeader()->hide();
    records_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    records_->setFocusPolicy(Qt::NoFocus);
    records_->setMinimumHeight(120);
    totals_ = new QLabel(box);
    totals_->setObjectName(QStringLiteral("totals"));
    layout->addWidget(records_);
    layout->addWidget(totals_);
    return box;
}

void ProductionWindow::setModel(int model) {
    JobFile job = form_->jobFile();
    job.model = model;
    form_->setJobFile(job);
}

void ProductionWindow::setImage(const QString &path) {
    JobFile job = form_->jobFile();
    job.image = path;
    form_->setJobFile(job);
}

bool ProductionWindow::openJob(const QString &path) {
    JobFile job;
    QString error;
    if (!job.load(path, error)) {
        dialogs_.warning(error);
        return false;
    }
    form_->setJobFile(job);
    crcGiven_ = job.crcGiven;
    savedCrc_ = job.imageCrc;
    return true;
}

bool ProductionWindow::saveJob(const QString &path) {
    const JobFile job = form_->jobFile();
    QString error;
    if (!job.save(path, error)) {
        dialogs_.warning(error);
        return false;
    }
    crcGiven_ = job.crcGiven;
    savedCrc_ = job.imageCrc;
    return true;
}

bool ProductionWindow::settle() {
    JobRequest request;
    QString error;
    if (!form_->request(request, error)) {
        dialogs_.warning(error);
        return false;
    }
    // A job file names the image it was saved with: a changed one is said.
    quint32 crc = 0;
    if (crcGiven_ && form_->imageCrc(crc) && crc != savedCrc_ &&
        !dialogs_.confirm(
            T::ImageChanged().arg(request.imageFile, crcText(savedCrc_), crcText(crc))))
        return false;
    QStringList notes;
    if (!desk_->settle(request, error, notes)) {
        dialogs_.warning(error);
        return false;
    }
    notes_->setText(notes.join(QLatin1Char('\n')));
    form_->showJournalJob(desk_->job(), desk_->journalShown());
    settled_ = true;
    showRecords();
    return true;
}

void ProductionWindow::start() {
    if (desk_->busy()) {
        // The boxes are being looked for: the round starts once they are found.
        startWhenFound_ = desk_->searching();
        return;
    }
    if (!settled_) {
        if (!settle())
            return;
        startWhenFound_ = true;  // settling looks for the boxes first
        return;
    }
    desk_->startRound();
}

void ProductionWindow::stop() {
    startWhenFound_ = false;
    desk_->stopAfterBlock();
}

void ProductionWindow::showBusy(bool busy) {
    const bool rounding = busy && !desk_->searching();
    start_->setEnabled(!rounding);
    stop_->setEnabled(rounding);
    for (QWidget *widget : jobCommands_)
        widget->setEnabled(!rounding);
    if (!busy && startWhenFound_) {
        startWhenFound_ = false;
        start();
    }
}

void ProductionWindow::showTiles() {
    const auto &views = desk_->sites();
    while (tiles_.size() > views.size())
        delete tiles_.takeLast();
    while (tiles_.size() < views.size()) {
        auto *tile = new SiteTile(this);
        tileGrid_->addWidget(tile, int(tiles_.size()) / TileColumns,
                             int(tiles_.size()) % TileColumns);
        tiles_ << tile;
    }
    for (int k = 0; k < views.size(); ++k)
        tiles_[k]->show(k + 1, views.at(k));
    siteNotice_->setText(!views.isEmpty()     ? QString()
                         : desk_->searching() ? T::Searching()
                                              : T::NoSites());
    siteNotice_->setVisible(!siteNotice_->text().isEmpty());
    emit sitesShown();
}

void ProductionWindow::showRecords() {
    int passed = 0, failed = 0, unknown = 0;
    const QList<JournalRecord> records = desk_->records(RecordsShown, passed, failed, unknown);
    records_->setRowCount(int(records.size()));
    for (int row = 0; row < records.size(); ++row) {
        const JournalRecord &record = records.at(row);
        QString outcome = RecordOutcomes::text(record.outcome);
        if (record.mismatchAt >= 0)
            outcome = ProductionTexts::MismatchAt().arg(
                outcome, QString::number(record.mismatchAt, 16).toUpper().rightJustified(4, '0'));
        const QString when = record.ended.isEmpty() ? record.started : record.ended;
        const QDateTime time = QDateTime::fromString(when, Qt::ISODateWithMs);
        const QStringList cells = {
            time.isValid() ? time.toLocalTime().toString(TimeFormat) : when, record.site,
            record.serial < 0 ? QString() : QString::number(record.serial), outcome};
        for (int column = 0; column < cells.size(); ++column)
            records_->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
    records_->resizeColumnsToContents();
    totals_->setText(T::Totals().arg(passed).arg(failed).arg(unknown));
}

bool ProductionWindow::exportRecords(const QString &path) {
    int passed = 0, failed = 0, unknown = 0;
    QList<JournalRecord> records = desk_->records(INT_MAX, passed, failed, unknown);
    std::reverse(records.begin(), records.end());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(JournalExport::csv(records)) < 0 ||
        !file.commit()) {
        dialogs_.warning(T::CannotExport().arg(path, file.errorString()));
        return false;
    }
    notes_->setText(T::Exported().arg(records.size()).arg(path));
    return true;
}

void ProductionWindow::chooseAndOpen() {
    const QString path = dialogs_.openFile(T::OpenJob(), T::JobFilter());
    if (!path.isEmpty())
        openJob(path);
}

void ProductionWindow::chooseAndSave() {
    Dialogs::SaveOptions options;
    options.overwritePrompt = true;
    const QString path = dialogs_.saveFile(T::SaveJob(), T::JobFilter(), options);
    if (!path.isEmpty())
        saveJob(path);
}

void ProductionWindow::chooseAndExport() {
    if (!settled_ && !settle())
        return;
    Dialogs::SaveOptions options;
    options.overwritePrompt = true;
    const QString path = dialogs_.saveFile(T::ExportRecords(), T::CsvFilter(), options);
    if (!path.isEmpty())
        exportRecords(path);
}

void ProductionWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    setFocus();
}

void ProductionWindow::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            start();
            return;
        case Qt::Key_Escape:
            stop();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void ProductionWindow::closeEvent(QCloseEvent *event) {
    // The chips under way are finished first; no box opens above them.
    if (desk_->busy() && !desk_->searching()) {
        notes_->setText(T::BusyClosing());
        event->ignore();
        return;
    }
    event->accept();
}
