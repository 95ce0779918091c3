#pragma once

#include <QStringList>

#include "files/image_formats.h"
#include "operations/chip_operations.h"

class Console;
class Session;

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

private:
    struct Request {
        QString command;
        int model = -1;
        QStringList ports;
        QString file;
        ImageFormats::Format format = ImageFormats::Format::Binary;
        bool verify = true;
    };

    int parse(Console &console, Request &request);
    int listModels(Console &console);
    int listPorts(Console &console, const Request &request);
    int onChip(Console &console, const Request &request);
    // The input image, read and checked against the capacity before the
    // box is touched.
    int loadImage(Console &console, const Request &request, QByteArray &image);
    // `ended`: the operation whose outcome it is (a write's verify, say).
    int finish(Console &console, Session &session, const Request &request,
               ChipOperations::Outcome outcome, const QString &ended);

    QStringList arguments_;
};
