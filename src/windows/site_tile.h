#pragma once

#include <QFrame>

#include "production/production_desk.h"

class QLabel;
class QProgressBar;

// One box of the production window: its port, its state in colour, the
// serial it writes or last wrote, and its counts.
class SiteTile : public QFrame {
    Q_OBJECT

public:
    explicit SiteTile(QWidget *parent = nullptr);

    void show(int number, const ProductionDesk::SiteView &view);
    ProductionDesk::SiteView::State state() const { return state_; }
    QString stateText() const;

    // The tile's colour for each state; text on it keeps its contrast.
    static QColor colour(ProductionDesk::SiteView::State state, const QPalette &palette);

private:
    QLabel *title_;
    QLabel *state_label_;
    QProgressBar *progress_;
    QLabel *serial_;
    QLabel *counts_;
    ProductionDesk::SiteView::State state_ = ProductionDesk::SiteView::State::Waiting;
};
