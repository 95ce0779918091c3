#pragma once

#include <QList>
#include <QWidget>
#include <functional>

#include "link/timings.h"

class Dialogs;
class ProductionDesk;
class ProductionJobForm;
class QGridLayout;
class QLabel;
class QPushButton;
class QTableWidget;
class SiteTile;

// 生产模式: the job, a tile per box, one key for a round in every box, and
// the journal's last records. The work is the desk's; this shows it.
class ProductionWindow : public QWidget {
    Q_OBJECT

public:
    // `ports` lists the devices to look on for boxes, afresh each time.
    ProductionWindow(Dialogs &dialogs, std::function<QStringList()> ports,
                     const Timings &timings = Timings(), QWidget *parent = nullptr);
    ~ProductionWindow() override;

    ProductionDesk &desk() { return *desk_; }
    ProductionJobForm &form() { return *form_; }
    const QList<SiteTile *> &tiles() const { return tiles_; }

    // The job of a job file; false, having said why, when it cannot be read.
    bool openJob(const QString &path);
    bool saveJob(const QString &path);
    // A round in every box (after settling the job and finding the boxes).
    void start();
    void stop();
    bool exportRecords(const QString &path);
    void setModel(int model);
    void setImage(const QString &path);

signals:
    // The sites found, a round ended: for whoever waits on the window.
    void roundDone();
    void sitesShown();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *buildCommands();
    QWidget *buildRecords();
    bool settle();
    void showTiles();
    void showRecords();
    void showBusy(bool busy);
    void chooseAndOpen();
    void chooseAndSave();
    void chooseAndExport();

    Dialogs &dialogs_;
    ProductionDesk *desk_;
    ProductionJobForm *form_;
    QGridLayout *tileGrid_ = nullptr;
    QLabel *siteNotice_ = nullptr;
    QLabel *notes_ = nullptr;
    QLabel *totals_ = nullptr;
    QTableWidget *records_ = nullptr;
    QPushButton *start_ = nullptr;
    QPushButton *stop_ = nullptr;
    QList<QWidget *> jobCommands_;
    QList<SiteTile *> tiles_;
    bool settled_ = false;
    bool startWhenFound_ = false;
    bool crcGiven_ = false;
    quint32 savedCrc_ = 0;
};
