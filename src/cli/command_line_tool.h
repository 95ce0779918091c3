#pragma once

#include <QStringList>

#include "operations/chip_operations.h"

class Console;
class JobSetup;
class Session;
struct ChipResult;
struct Request;

// eeprom-cli: the chip operations of the program for scripts and production
// benches, on the same core, with exit codes a script can trust.
class CommandLineTool {
public:
    enum ExitCode {
        Success = 0,
        Different = 1,  // verify mismatch, or not blank
        BadUsage = 2,   // or a bad file
        NoBox = 3,      // no box, port missing or busy
        BoxFault = 4,   // the box refused a command or stopped answering
        Interrupted = 130,
    };

    explicit CommandLineTool(QStringList arguments);

    // Runs the command; the application object must exist (no display needed).
    int run();

    // The input image, read and checked against the capacity before the
    // box is touched.
    static int loadImage(Console &console, const Request &request, QByteArray &image);
    // The job of a numbered write or a production run, settled before the
    // box is touched: -1, or the exit code of a refusal said on the console.
    static int settleJob(Console &console, const Request &request, const QByteArray &image,
                         JobSetup &setup);

private:
    int listModels(Console &console);
    int listPorts(Console &console, const Request &request);
    int onChip(Console &console, const Request &request);
    // A write that numbers its chip, once the box answered.
    int numberedWrite(Console &console, Session &session, const Request &request, JobSetup &setup,
                      const QByteArray &image);
    // `ended`: the operation whose outcome it is (a write's verify, say).
    int finish(Console &console, Session &session, const Request &request,
               ChipOperations::Outcome outcome, const QString &ended);

    QStringList arguments_;
};
