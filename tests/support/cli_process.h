#pragma once

#include <QByteArray>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "support/emulator_process.h"

// eeprom-cli, the real executable, as a test runs it.
namespace CliProcess {

struct Run {
    int code = -1;  // -1: it did not end normally (killed, crashed, hung)
    QString out;
    QString err;
};

// Starts the tool; `finish` waits for it.
void start(QProcess &tool, const QStringList &arguments);
Run finish(QProcess &tool);
Run run(const QStringList &arguments);
// Any of the programs, with these variables set over the test's environment.
Run runWith(const QString &program, const QStringList &arguments,
            const QMap<QString, QString> &variables);

}  // namespace CliProcess

// A box on a pseudo-terminal, reached through a link in its own folder; its
// frames logged to box.log, the 24C64 and 24C02 chips kept in image files.
class PtyBox {
public:
    // `chip` fills the 24C64 and, unless `chip02` does, the 24C02 (its first
    // 256 bytes) before the start; an empty one stays blank.
    explicit PtyBox(const QStringList &more = {}, const QByteArray &chip = {},
                    const QByteArray &chip02 = {});

    // Starts box-emulator (again, after it ended) on the same link and chips.
    bool start(const QStringList &more = {});
    QString path() const { return dir.filePath("ttyBOX"); }
    QString log() const { return dir.filePath("box.log"); }
    int frames() const;
    // The chip as the box holds it once it has ended.
    QByteArray chip(const char *model);
    void setChip(const char *model, const QByteArray &bytes);

    QTemporaryDir dir;
    EmulatorProcess emulator;
    bool started = false;
};
