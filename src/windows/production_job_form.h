#pragma once

#include <QGroupBox>

#include "production/job_file.h"
#include "production/job_setup.h"

class Dialogs;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// The job of the production window, as the user sets it or a job file
// brings it: name, model, image, serial numbers and journal.
class ProductionJobForm : public QGroupBox {
    Q_OBJECT

public:
    ProductionJobForm(Dialogs &dialogs, QWidget *parent = nullptr);

    JobFile jobFile() const;
    void setJobFile(const JobFile &job);
    // What to settle: the image read from its file. False with `error`.
    bool request(JobRequest &request, QString &error) const;
    // The image's CRC-32 now, or false when it cannot be read.
    bool imageCrc(quint32 &crc) const;
    // The job as the journal has it: its next and last numbers.
    void showJournalJob(const ProductionJob &job, const QString &journal);
    void setDefaultJournal(const QString &shown);

signals:
    // Anything the user changed: the job is to be settled again.
    void edited();

private:
    void chooseImage();
    void showCrc();
    bool profile(SerialProfile &profile, QString &error) const;

    Dialogs &dialogs_;
    QLineEdit *name_;
    QComboBox *model_;
    QLineEdit *image_;
    QLabel *crc_;
    QCheckBox *numbered_;
    QLineEdit *at_;
    QSpinBox *size_;
    QComboBox *format_;
    QLineEdit *start_;
    QSpinBox *step_;
    QLineEdit *end_;
    QLineEdit *journal_;
    QLabel *next_;
};
