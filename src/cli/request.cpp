#include "cli/request.h"

#include <QCommandLineParser>

#include "chips/chip_catalogue.h"
#include "cli/command_line_tool.h"
#include "cli/console.h"
#include "messages/cli_texts.h"

namespace {

const QStringList Known = {"models", "ports", "detect", "read",    "write",
                           "verify", "erase", "blank",  "produce", "journal"};
const QStringList WithModel = {"read", "write", "verify", "erase", "blank", "produce"};
const QStringList WithFile = {"read", "write", "verify", "produce"};

int modelCode(const QString &name) {
    for (int k = 0; k < ChipCatalogue::ModelCount; ++k)
        if (ChipCatalogue::name(k).compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return k;
    return -1;
}

bool parseFormat(const QString &name, ImageFormats::Format &format) {
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("bin") || n == QLatin1String("binary"))
        format = ImageFormats::Format::Binary;
    else if (n == QLatin1String("hex") || n == QLatin1String("ihex") || n == QLatin1String("ihx"))
        format = ImageFormats::Format::IntelHex;
    else if (n == QLatin1String("srec") || n == QLatin1String("s19") || n == QLatin1String("mot"))
        format = ImageFormats::Format::SRecord;
    else
        return false;
    return true;
}

// The words after the command: the journal's subcommand, the file.
bool takeWords(QStringList words, Console &console, Request &request) {
    if (request.command == QLatin1String("journal")) {
        request.subcommand = words.isEmpty() ? QString() : words.takeFirst();
        if (request.subcommand != QLatin1String("show") &&
            request.subcommand != QLatin1String("export")) {
            console.error(CliTexts::JournalSubcommand().arg(request.subcommand));
            return false;
        }
    }
    if (WithFile.contains(request.command)) {
        if (words.isEmpty()) {
            console.error(CliTexts::NeedFile());
            return false;
        }
        request.file = words.takeFirst();
        request.format = ImageFormats::formatForName(request.file);
    }
    if (!words.isEmpty()) {
        console.error(CliTexts::ExtraArguments().arg(words.join(QLatin1Char(' '))));
        return false;
    }
    return true;
}

}  // namespace

int parseRequest(const QStringList &arguments, Console &console, Request &request) {
    constexpr int BadUsage = CommandLineTool::BadUsage;
    QCommandLineParser parser;
    const QCommandLineOption model(QStringList{"m", "model"}, QString(), QStringLiteral("model"));
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("path"));
    const QCommandLineOption format(QStringLiteral("format"), QString(), QStringLiteral("format"));
    const QCommandLineOption noVerify(QStringLiteral("no-verify"));
    const QCommandLineOption count(QStringLiteral("count"), QString(), QStringLiteral("n"));
    const QCommandLineOption noWait(QStringLiteral("no-wait"));
    const QCommandLineOption csv(QStringLiteral("csv"));
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption quiet(QStringList{"q", "quiet"});
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version(QStringList{"v", "version"});
    parser.addOptions(
        {model, port, format, noVerify, count, noWait, csv, json, quiet, help, version});
    parser.addOptions(ProductionOptions::options());
    if (!parser.parse(arguments)) {
        console.error(parser.errorText());
        return BadUsage;
    }
    console.setQuiet(parser.isSet(quiet));
    if (parser.isSet(help)) {
        console.result(CliTexts::Usage().trimmed());
        return CommandLineTool::Success;
    }
    if (parser.isSet(version)) {
        console.result(CliTexts::Version().arg(QStringLiteral(PROGRAM_VERSION)).trimmed());
        return CommandLineTool::Success;
    }

    QStringList words = parser.positionalArguments();
    if (words.isEmpty()) {
        console.error(CliTexts::NoCommand());
        return BadUsage;
    }
    request.command = words.takeFirst();
    if (!Known.contains(request.command)) {
        console.error(CliTexts::UnknownCommand().arg(request.command));
        return BadUsage;
    }
    if (!takeWords(words, console, request))
        return BadUsage;
    if (WithModel.contains(request.command)) {
        if (!parser.isSet(model)) {
            console.error(CliTexts::NeedModel());
            return BadUsage;
        }
        request.model = modelCode(parser.value(model));
        if (request.model < 0) {
            console.error(CliTexts::UnknownModel().arg(parser.value(model)));
            return BadUsage;
        }
    }
    if (parser.isSet(format) && !parseFormat(parser.value(format), request.format)) {
        console.error(CliTexts::UnknownFormat().arg(parser.value(format)));
        return BadUsage;
    }
    if (parser.isSet(count)) {
        bool ok = false;
        request.count = parser.value(count).toInt(&ok);
        if (!ok || request.count < 1) {
            console.error(CliTexts::BadCount().arg(parser.value(count)));
            return BadUsage;
        }
    }
    request.ports = parser.values(port);
    request.verify = !parser.isSet(noVerify);
    request.noWait = parser.isSet(noWait);
    request.listing = parser.isSet(json) ? Request::Listing::Json
                      : parser.isSet(csv) || request.subcommand == QLatin1String("export")
                          ? Request::Listing::Csv
                          : Request::Listing::Table;
    request.production.read(parser);
    if (const QString option = request.production.misplaced(request.command); !option.isEmpty()) {
        console.error(CliTexts::ProductionOnly().arg(option));
        return BadUsage;
    }
    return -1;
}
