#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

#include "production/job_setup.h"
#include "production/serial_profile.h"

class QCommandLineParser;

// The serial-number and journal options that write and produce share.
struct ProductionOptions {
    QStringList at;
    QStringList sizes;
    QStringList formats;
    QString start;
    QString step;
    QString end;
    QString job;
    QString journal;

    static QList<QCommandLineOption> options();
    void read(const QCommandLineParser &parser);

    // A serial option or a job: the write goes through the journal.
    bool any() const;
    // The chips get numbers given here (rather than a job's own).
    bool numbers() const { return !at.isEmpty(); }
    // The profile the options describe, or false with `error` saying why.
    bool profile(SerialProfile &profile, QString &error) const;
    // The job they ask for, of `model` with the image of `imageFile`; false
    // with `error` saying why not.
    bool jobRequest(int model, const QString &imageFile, const QByteArray &image,
                    JobRequest &request, QString &error) const;
    // The first option given that `command` does not take, or an empty text.
    QString misplaced(const QString &command) const;
};
