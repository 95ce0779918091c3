#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace {

const QString Port = QStringLiteral("port");
const QString Job = QStringLiteral("job");
const QString Help = QStringLiteral("help");
const QString Version = QStringLiteral("version");

// Descriptions live in HelpText, written out so that its Chinese columns line up.
void parse(QCommandLineParser &parser, const QStringList &arguments) {
    parser.addOption(QCommandLineOption(Port, QString(), QStringLiteral("PATH")));
    parser.addOption(QCommandLineOption(Job, QString(), QStringLiteral("FILE")));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), Help}));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("v"), Version}));
    parser.parse(arguments);
}

const char *const HelpText =
    QT_TRANSLATE_NOOP("CommandLine",
                      "用法：eeprom-programmer [--port 路径]... [--job 作业文件] [文件]\n"
                      "存储器编程器软件：通过 USB 编程器读取、写入、校验和擦除\n"
                      "24 系列（I2C）与 93 系列（Microwire）串行 EEPROM。\n"
                      "\n"
                      "选项：\n"
                      "  --port 路径      先尝试此串口设备，再尝试常见的设备；可多次给出\n"
                      "  --job 作业文件   联机后直接进入生产模式，使用此作业\n"
                      "  -h, --help       显示此帮助并退出\n"
                      "  -v, --version    显示版本信息并退出\n"
                      "  --lang 语言      界面语言：zh（简体中文）或 en（English）\n"
                      "  文件             启动后打开此数据文件（.BIN、Intel HEX 或 S-record）\n"
                      "\n"
                      "不带选项时打开启动窗口。详见 eeprom-programmer(1)。\n");

const char *const VersionText = QT_TRANSLATE_NOOP(
    "CommandLine",
    "eeprom-programmer %1\n"
    "Copyright (C) 2026 ZELTRON\n"
    "许可证 GPL-3.0-or-later：GNU 通用公共许可证第 3 版或更高版本\n"
    "<https://www.gnu.org/licenses/gpl-3.0.html>。\n"
    "本程序是自由软件：您可以自由修改和再发布。在法律允许的范围内不提供任何担保。\n");

}  // namespace

QStringList explicitPorts(const QStringList &arguments) {
    QCommandLineParser parser;
    parse(parser, arguments);
    return parser.values(Port);
}

QString jobArgument(const QStringList &arguments) {
    QCommandLineParser parser;
    parse(parser, arguments);
    const QString job = parser.value(Job);
    return job.isEmpty() ? QString() : QFileInfo(job).absoluteFilePath();
}

QString fileArgument(const QStringList &arguments) {
    QCommandLineParser parser;
    parse(parser, arguments);
    const QStringList files = parser.positionalArguments();
    return files.isEmpty() ? QString() : QFileInfo(files.first()).absoluteFilePath();
}

QString informationRequested(const QStringList &arguments, const QString &version) {
    QCommandLineParser parser;
    parse(parser, arguments);
    if (parser.isSet(Help))
        return QCoreApplication::translate("CommandLine", HelpText);
    if (parser.isSet(Version))
        return QCoreApplication::translate("CommandLine", VersionText).arg(version);
    return QString();
}
