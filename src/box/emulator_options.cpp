#include "box/emulator_options.h"

#include "chips/chip_catalogue.h"

const char EmulatorUsage[] =
    "Usage: box-emulator [options]\n"
    "Serves a virtual EEPROM programmer box on a pseudo-terminal and prints the\n"
    "device path as the first line of its output. Ends on SIGTERM or SIGINT.\n"
    "\n"
    "  --link PATH          also make PATH a symlink to the device (removed on exit)\n"
    "  --image MODEL=FILE   load MODEL's chip (e.g. 24C02, 93C46) from FILE and write\n"
    "                       it back on exit; a missing file starts blank (FFH)\n"
    "  --pattern            fill every chip with a recognisable pattern, not FFH\n"
    "  --wire               take as long as a 57600-baud line would\n"
    "  --write-cycle MS     write time of one block with --wire (default 5)\n"
    "  --log FILE           append every received frame to FILE as a hex line\n"
    "  --fault FAULT        misbehave on demand (repeatable); FAULT is KIND[:KEY=VALUE]...\n"
    "      kinds: noreply, wrongcode, short (9 bytes), long (12 bytes), delay,\n"
    "             garbage, stopafter (stop answering after n frames),\n"
    "             pull (the cable pulled: the emulator ends at once, saving its images),\n"
    "             kill (the PC crashes: SIGKILL to every other process that has the\n"
    "             device open, before any reply), nowrite (a block write is\n"
    "             acknowledged but the chip keeps its old bytes)\n"
    "      keys:  cmd=HEX      only frames with this command code (e.g. cmd=F8)\n"
    "             block=N      only this block of F8H/D8H\n"
    "             times=N      only the next N matching frames\n"
    "             ms=N         delay: milliseconds\n"
    "             code=HEX     wrongcode: the code sent instead (default EE)\n"
    "             n=N          garbage: bytes sent instead of the reply (default 10);\n"
    "                          stopafter: frames still answered\n"
    "      e.g. --fault wrongcode:cmd=F8:block=5  --fault delay:ms=600:times=1\n"
    "  --help               show this text\n";

namespace {

bool parseNumber(const QString &text, int base, int &value) {
    QString digits = text.trimmed();
    if (base == 16) {
        if (digits.startsWith("0x", Qt::CaseInsensitive))
            digits = digits.mid(2);
        else if (digits.endsWith('h', Qt::CaseInsensitive))
            digits.chop(1);
    }
    bool ok = false;
    value = digits.toInt(&ok, base);
    return ok && value >= 0;
}

}  // namespace

int modelByName(const QString &name) {
    for (int code = 0; code < ChipCatalogue::ModelCount; ++code) {
        if (ChipCatalogue::name(code).compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return code;
    }
    return -1;
}

bool parseFault(const QString &text, EmulatorOptions &options, QString &error) {
    const QStringList parts = text.split(':');
    const QString kind = parts.front().toLower();
    static const QList<QPair<QString, BoxFault::Kind>> kinds = {
        {"noreply", BoxFault::Kind::NoReply},  {"wrongcode", BoxFault::Kind::WrongCode},
        {"short", BoxFault::Kind::ShortReply}, {"long", BoxFault::Kind::LongReply},
        {"delay", BoxFault::Kind::Delay},      {"garbage", BoxFault::Kind::Garbage},
        {"pull", BoxFault::Kind::Pull},        {"kill", BoxFault::Kind::Kill},
        {"nowrite", BoxFault::Kind::NoWrite},
    };
    BoxFault fault;
    bool known = kind == "stopafter";
    for (const auto &entry : kinds) {
        if (entry.first == kind) {
            fault.kind = entry.second;
            known = true;
        }
    }
    if (!known) {
        error = QString("unknown fault kind '%1'").arg(parts.front());
        return false;
    }
    int stopAfter = -1;
    bool hasMs = false;
    for (const QString &part : parts.mid(1)) {
        const QString key = part.section('=', 0, 0).toLower();
        const QString number = part.section('=', 1);
        const bool hex = key == "cmd" || key == "code";
        int value = 0;
        if (!part.contains('=') || !parseNumber(number, hex ? 16 : 10, value)) {
            error = QString("bad fault setting '%1' in '%2'").arg(part, text);
            return false;
        }
        if (key == "cmd") {
            fault.command = value;
        } else if (key == "block") {
            fault.block = value;
        } else if (key == "times") {
            fault.remaining = value;
        } else if (key == "ms" && fault.kind == BoxFault::Kind::Delay) {
            fault.value = value;
            hasMs = true;
        } else if (key == "code" && fault.kind == BoxFault::Kind::WrongCode) {
            fault.value = value;
        } else if (key == "n" && kind == "stopafter") {
            stopAfter = value;
        } else if (key == "n" && fault.kind == BoxFault::Kind::Garbage) {
            fault.value = value;
        } else {
            error = QString("'%1' does not apply to '%2'").arg(key, kind);
            return false;
        }
    }
    if (kind == "stopafter") {
        if (stopAfter < 0 || fault.command >= 0 || fault.block >= 0 || fault.remaining >= 0) {
            error = "stopafter takes n=N and nothing else";
            return false;
        }
        options.stopAfter = stopAfter;
        return true;
    }
    if (fault.kind == BoxFault::Kind::Delay && !hasMs) {
        error = "delay needs ms=N";
        return false;
    }
    options.faults.append(fault);
    return true;
}

bool parseEmulatorArguments(const QStringList &arguments, EmulatorOptions &options,
                            QString &error) {
    for (int i = 0; i < arguments.size(); ++i) {
        QString name = arguments[i];
        QString value;
        bool hasValue = false;
        if (name.startsWith("--") && name.contains('=')) {
            value = name.section('=', 1);
            name = name.section('=', 0, 0);
            hasValue = true;
        }
        auto takeValue = [&]() -> bool {
            if (hasValue)
                return true;
            if (i + 1 >= arguments.size()) {
                error = QString("%1 needs a value").arg(name);
                return false;
            }
            value = arguments[++i];
            return true;
        };

        if (name == "--help" || name == "-h") {
            options.help = true;
        } else if (name == "--pattern") {
            options.pattern = true;
        } else if (name == "--wire") {
            options.wire = true;
        } else if (name == "--write-cycle") {
            if (!takeValue() || !parseNumber(value, 10, options.writeCycleMs)) {
                error = error.isEmpty() ? "--write-cycle needs a number of ms" : error;
                return false;
            }
        } else if (name == "--link" || name == "--log") {
            if (!takeValue())
                return false;
            (name == "--link" ? options.link : options.log) = value;
        } else if (name == "--image") {
            if (!takeValue())
                return false;
            const int model = modelByName(value.section('=', 0, 0));
            const QString file = value.section('=', 1);
            if (model < 0 || !value.contains('=') || file.isEmpty()) {
                error = QString("--image wants MODEL=FILE, not '%1'").arg(value);
                return false;
            }
            options.images.append({model, file});
        } else if (name == "--fault") {
            if (!takeValue() || !parseFault(value, options, error))
                return false;
        } else {
            error = QString("unknown argument '%1'").arg(arguments[i]);
            return false;
        }
    }
    return true;
}
