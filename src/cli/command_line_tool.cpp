#include "cli/command_line_tool.h"

#include <QObject>

#include "chips/chip_catalogue.h"
#include "cli/console.h"
#include "cli/console_dialogs.h"
#include "cli/interrupt_watch.h"
#include "cli/journal_command.h"
#include "cli/produce_command.h"
#include "cli/progress_meter.h"
#include "cli/request.h"
#include "link/port_numbering.h"
#include "link/qt_serial_port.h"
#include "messages/cli_texts.h"
#include "messages/production_texts.h"
#include "operations/session.h"
#include "production/chip_run.h"
#include "production/job_setup.h"

CommandLineTool::CommandLineTool(QStringList arguments) : arguments_(std::move(arguments)) {}

int CommandLineTool::run() {
    Console console;
    Request request;
    if (const int done = parseRequest(arguments_, console, request); done >= 0)
        return done;
    if (request.command == QLatin1String("models"))
        return listModels(console);
    if (request.command == QLatin1String("ports"))
        return listPorts(console, request);
    if (request.command == QLatin1String("journal"))
        return JournalCommand::run(console, request);
    if (request.command == QLatin1String("produce"))
        return ProduceCommand(console, request).run();
    return onChip(console, request);
}

int CommandLineTool::listModels(Console &console) {
    for (int k = 0; k < ChipCatalogue::ModelCount; ++k)
        console.result(CliTexts::ModelLine()
                           .arg(ChipCatalogue::name(k))
                           .arg(ChipCatalogue::model(k).capacity));
    return Success;
}

int CommandLineTool::listPorts(Console &console, const Request &request) {
    const QStringList devices = PortNumbering(request.ports).candidates();
    if (devices.isEmpty())
        console.note(CliTexts::NoPorts());
    for (int n = PortNumbering::FirstPort; n <= PortNumbering::LastPort && n <= devices.size(); ++n)
        console.result(CliTexts::PortLine().arg(n).arg(devices.at(n - 1)));
    return Success;
}

int CommandLineTool::loadImage(Console &console, const Request &request, QByteArray &image) {
    const qint32 capacity = ChipCatalogue::model(request.model).capacity;
    const ImageFormats::LoadResult loaded =
        ImageFormats::load(request.file, capacity, request.format);
    if (loaded.status == ImageFormats::LoadStatus::Loaded) {
        image = loaded.buffer;
        return -1;
    }
    if (loaded.status == ImageFormats::LoadStatus::BeyondCapacity && loaded.line == 0)
        console.error(CliTexts::TooLarge().arg(request.file, ChipCatalogue::name(request.model),
                                               QString::number(capacity)));
    else
        console.error(ImageFormats::failureText(request.file, loaded.status, loaded.line,
                                                CliTexts::FileUnused()));
    return BadUsage;
}

int CommandLineTool::settleJob(Console &console, const Request &request, const QByteArray &image,
                               JobSetup &setup) {
    JobRequest wanted;
    QString error;
    if (!request.production.jobRequest(request.model, request.file, image, wanted, error) ||
        !setup.prepare(wanted)) {
        console.error(error.isEmpty() ? setup.error() : error);
        return BadUsage;
    }
    for (const QString &note : setup.notes())
        console.note(note);
    return -1;
}

int CommandLineTool::onChip(Console &console, const Request &request) {
    QByteArray image;
    if (request.command == QLatin1String("write") || request.command == QLatin1String("verify"))
        if (const int failed = loadImage(console, request, image); failed >= 0)
            return failed;
    // A numbered write takes its number from the journal: the job is
    // settled before the box is looked for.
    std::unique_ptr<JobSetup> job;
    if (request.command == QLatin1String("write") && request.production.any()) {
        job = std::make_unique<JobSetup>();
        if (const int refused = settleJob(console, request, image, *job); refused >= 0)
            return refused;
    }

    ConsoleDialogs dialogs(console);
    // --port names the devices to try, and no others.
    const PortNumbering numbering =
        request.ports.isEmpty() ? PortNumbering() : PortNumbering(request.ports, QString());
    Session session(dialogs, new QtSerialPort(numbering));
    ProgressMeter meter(session.progress(), session.operations(), session.buffer(), console);
    InterruptWatch interrupt;
    // Ctrl+C: an operation stops after its block; a search at once.
    QObject::connect(&interrupt, &InterruptWatch::interrupt, [&session] {
        if (session.buffer().locked())
            session.operations().stopAfterBlock();
        else
            session.link().requestQuit();
    });

    // A port that is busy (the window program holds it) or not ours to use
    // is named, instead of "no box".
    QString refusal;
    QObject::connect(&session.search(), &PortSearch::portRefused,
                     [&refusal](SerialPort::OpenFailure reason, const QString &device) {
                         if (refusal.isEmpty())
                             refusal = PortSearch::refusalText(reason, device);
                     });
    session.search().findport();
    if (interrupt.interrupted()) {
        console.error(CliTexts::Interrupted().arg(0).arg(0).arg(0));
        return Interrupted;
    }
    if (!session.online().isOnline()) {
        console.error(refusal.isEmpty() ? CliTexts::NotFound() : refusal);
        return NoBox;
    }
    if (request.command == QLatin1String("detect")) {
        console.result(CliTexts::Found()
                           .arg(session.search().PortNumber)
                           .arg(numbering.device(session.search().PortNumber)));
        return Success;
    }

    session.selection().select(request.model);
    if (job)
        return numberedWrite(console, session, request, *job, image);
    ChipOperations &operations = session.operations();
    ChipOperations::Outcome outcome = ChipOperations::Outcome::NotStarted;
    // The operation that ended the command: a write's own or its verify's.
    QString ended = request.command;
    if (request.command == QLatin1String("read")) {
        outcome = operations.read();
    } else if (request.command == QLatin1String("write")) {
        session.buffer().replace(image);
        outcome = operations.writechip();
        if (outcome == ChipOperations::Outcome::Done && request.verify) {
            ended = QStringLiteral("verify");
            outcome = operations.verify();
        }
    } else if (request.command == QLatin1String("verify")) {
        session.buffer().replace(image);
        outcome = operations.verify();
    } else if (request.command == QLatin1String("erase")) {
        outcome = operations.erase();
    } else if (request.command == QLatin1String("blank")) {
        outcome = operations.blankCheck();
    }
    return finish(console, session, request, outcome, ended);
}

int CommandLineTool::numberedWrite(Console &console, Session &session, const Request &request,
                                   JobSetup &setup, const QByteArray &image) {
    using Status = ChipResult::Status;
    const QString device = session.link().port().deviceName();
    const ChipResult result =
        ChipRun(session, setup.journal(), setup.job(), request.model, image, request.verify)
            .run(device);
    if (result.status == Status::AtEnd) {
        console.error(
            ProductionTexts::JobAtEnd().arg(setup.job().name).arg(setup.job().serial.last()));
        return BadUsage;
    }
    if (result.serial >= 0)
        console.note(CliTexts::SerialTaken().arg(result.serial).arg(result.record));
    if (result.lastNumber)
        console.note(
            ProductionTexts::JobAtEnd().arg(setup.job().name).arg(setup.job().serial.last()));
    const int code = result.status == Status::JournalFailed
                         ? int(BadUsage)
                         : finish(console, session, request, result.outcome,
                                  result.inVerify ? QStringLiteral("verify") : request.command);
    // The chip is done, but the journal does not say so: its record reads
    // "unknown".
    if (!result.journalError.isEmpty()) {
        console.error(result.journalError);
        return code == Success ? int(BadUsage) : code;
    }
    return code;
}

int CommandLineTool::finish(Console &console, Session &session, const Request &request,
                            ChipOperations::Outcome outcome, const QString &ended) {
    using Outcome = ChipOperations::Outcome;
    const QString model = ChipCatalogue::name(request.model);
    const qint32 done = session.operations().BlockIndex;
    const qint32 blocks = session.buffer().BlockCount() + 1;
    switch (outcome) {
        case Outcome::Done:
            if (request.command == QLatin1String("read")) {
                // Complete or not at all: a failed read never got here.
                if (!ImageFormats::save(request.file, session.buffer().DataBuffer(),
                                        request.format)) {
                    console.error(CliTexts::SaveFailed().arg(request.file));
                    return BadUsage;
                }
                console.note(
                    CliTexts::Saved().arg(model).arg(session.buffer().size()).arg(request.file));
            } else if (request.command == QLatin1String("write")) {
                console.note(CliTexts::Written().arg(request.file, model));
            }
            return Success;
        case Outcome::Mismatch:
            return Different;
        case Outcome::Stopped:
        case Outcome::Left:
            console.error(CliTexts::Interrupted().arg(done).arg(blocks).arg(done * 8));
            if (request.command == QLatin1String("read"))
                console.error(CliTexts::InterruptedRead());
            else if (request.command == QLatin1String("write"))
                console.error(CliTexts::InterruptedWrite().arg(done * 8));
            return Interrupted;
        case Outcome::NoAnswer:
        case Outcome::Refused:
            // The box's own messages are out; say how far it got and what
            // that left on the chip and on the disk.
            console.error(
                (outcome == Outcome::NoAnswer ? CliTexts::BoxLost() : CliTexts::BoxRefused())
                    .arg(done)
                    .arg(blocks)
                    .arg(done * 8));
            if (ended == QLatin1String("read"))
                console.error(CliTexts::InterruptedRead());
            else if (ended == QLatin1String("write") || ended == QLatin1String("erase"))
                console.error(!session.operations().reachedBlocks() ? CliTexts::ChipUntouched()
                              : ended == QLatin1String("write")
                                  ? CliTexts::PartialWrite().arg(done * 8)
                                  : CliTexts::PartialErase().arg(done * 8));
            break;
        case Outcome::NotStarted:
        case Outcome::Declined:
            break;
    }
    return BoxFault;
}
