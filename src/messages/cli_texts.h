#pragma once

#include <QCoreApplication>
#include <QString>

// What the command line prints, in the program's language and style.
namespace CliTexts {

inline QString Usage() {
    return QCoreApplication::translate(
        "CliTexts",
        "用法：eeprom-cli 命令 [选项] [文件]\n"
        "通过 USB 编程器读取、写入、校验、擦除和查空 24 系列与 93 系列串行 EEPROM。\n"
        "\n"
        "命令：\n"
        "  models                     列出十四种芯片型号及其容量\n"
        "  ports                      列出端口 1～15 对应的串口设备\n"
        "  detect                     像桌面程序一样查找编程器，并给出它所在的端口\n"
        "  read   -m 型号 文件        读芯片，存入文件（原子写入：不完整就不留文件）\n"
        "  write  -m 型号 文件        把文件写入芯片，然后校验（--no-verify 不校验）\n"
        "  verify -m 型号 文件        把芯片和文件比对\n"
        "  erase  -m 型号             擦除芯片（全部写入 FFH）\n"
        "  blank  -m 型号             检查芯片是否为空（全部为 FFH）\n"
        "  produce -m 型号 文件       批量生产：所有编程器同时各写入并校验一片芯片，\n"
        "                             每轮按回车开始，输入 q 或按 Ctrl+C 在本轮后结束\n"
        "  journal show|export        显示或导出生产记录（--job 只看一个作业）\n"
        "\n"
        "选项：\n"
        "  -m, --model 型号           芯片型号，如 24C64、93C46\n"
        "  --port 路径                只在此串口设备上找编程器；可多次给出\n"
        "  --format 格式              文件格式：bin、hex（Intel HEX）或 srec（S 记录）；\n"
        "                             默认按扩展名：.hex .ihx 为 HEX，.s19 .s28 .s37 .srec\n"
        "                             .mot 为 S 记录，其他为二进制\n"
        "  --no-verify                写芯片后不校验\n"
        "  -q, --quiet                只报告错误\n"
        "  -h, --help                 显示此帮助并退出\n"
        "  -v, --version              显示版本信息并退出\n"
        "  --lang 语言                界面语言：zh（简体中文）或 en（English）；默认按\n"
        "                             LANGUAGE、LC_ALL、LC_MESSAGES、LANG 环境变量\n"
        "\n"
        "序列号（write 与 produce）：每片芯片写入映像和它自己的序列号\n"
        "  --serial-at 地址           序列号在映像中的地址（十进制或 0x 开头的十六进制）；\n"
        "                             可多次给出，同一个号写入每个位置\n"
        "  --serial-size N            序列号字段的字节数，1～8（默认 4）\n"
        "  --serial-format 格式       le、be（二进制低/高字节在前）、bcd（压缩 BCD）、\n"
        "                             dec（十进制 ASCII，前面补零）、hex（大写十六进制 ASCII）\n"
        "  --serial-start N           新作业的第一个序列号（默认 1）\n"
        "  --serial-step N            步长（默认 1）\n"
        "  --serial-end N             最后一个序列号（默认为字段能容纳的最大值）\n"
        "  --job 名称                 作业名（默认为映像文件名）；已有的作业从记录中的\n"
        "                             下一个序列号继续\n"
        "  --journal 位置             生产记录：SQLite 文件，或\n"
        "                             postgresql://用户@主机:端口/数据库\n"
        "  --count N                  produce：做 N 轮后结束\n"
        "  --no-wait                  produce：不等回车，一轮接一轮\n"
        "  --csv, --json              journal：输出格式（show 默认为表格，export 默认为 CSV）\n"
        "\n"
        "进度显示在标准错误上（仅当它是终端时）。按 Ctrl+C 在当前块完成后停止。\n"
        "\n"
        "退出码：\n"
        "  0    成功\n"
        "  1    校验不一致，或芯片不空（给出第一个不同之处）\n"
        "  2    用法错误、文件错误或生产记录出错\n"
        "  3    没有编程器、端口不存在或正被占用\n"
        "  4    编程器拒绝了命令或不再应答\n"
        "  130  被 Ctrl+C 中断\n");
}

inline QString Version() {
    return QStringLiteral("eeprom-cli %1\n");
}

inline QString UnknownCommand() {
    return QCoreApplication::translate("CliTexts", "未知的命令：%1（用 --help 查看用法）");
}
inline QString NoCommand() {
    return QCoreApplication::translate("CliTexts", "请给出命令（用 --help 查看用法）");
}
inline QString UnknownModel() {
    return QCoreApplication::translate("CliTexts", "未知的芯片型号：%1（用 models 命令查看）");
}
inline QString NeedModel() {
    return QCoreApplication::translate("CliTexts", "请用 -m 给出芯片型号");
}
inline QString NeedFile() {
    return QCoreApplication::translate("CliTexts", "请给出文件名");
}
inline QString ExtraArguments() {
    return QCoreApplication::translate("CliTexts", "多余的参数：%1");
}
inline QString UnknownFormat() {
    return QCoreApplication::translate("CliTexts", "未知的文件格式：%1（bin、hex 或 srec）");
}
inline QString TooLarge() {
    return QCoreApplication::translate("CliTexts",
                                       "文件 %1 大于芯片 %2 的容量（%3 字节），芯片没有改动！！");
}
inline QString ModelLine() {
    return QCoreApplication::translate("CliTexts", "%1\t%2 字节");
}
inline QString PortLine() {
    return QStringLiteral("%1\t%2");
}
inline QString NoPorts() {
    return QCoreApplication::translate("CliTexts", "没有可用的串口设备");
}
inline QString Found() {
    return QCoreApplication::translate("CliTexts", "编程器在端口 %1：%2");
}
inline QString NotFound() {
    return QCoreApplication::translate("CliTexts", "没有找到编程器：请确认编程器已连接");
}
inline QString Saved() {
    return QCoreApplication::translate("CliTexts", "已读出芯片 %1（%2 字节），存入 %3");
}
inline QString SaveFailed() {
    return QCoreApplication::translate(
        "CliTexts", "文件 %1 保存失败，没有留下文件！请检查磁盘空间和文件权限。");
}
inline QString Written() {
    return QCoreApplication::translate("CliTexts", "已把 %1 写入芯片 %2");
}
inline QString Interrupted() {
    return QCoreApplication::translate("CliTexts", "已中断：完成 %1/%2 块（%3 字节）。");
}
inline QString InterruptedWrite() {
    return QCoreApplication::translate("CliTexts", "芯片只写入了前 %1 字节，其余部分保持原样。");
}
inline QString InterruptedRead() {
    return QCoreApplication::translate("CliTexts", "没有写出文件。");
}
// A box that stopped answering or refused in the middle of an operation.
inline QString BoxLost() {
    return QCoreApplication::translate("CliTexts", "编程器不再应答：完成 %1/%2 块（%3 字节）。");
}
inline QString BoxRefused() {
    return QCoreApplication::translate("CliTexts", "编程器拒绝了命令：完成 %1/%2 块（%3 字节）。");
}
inline QString PartialWrite() {
    return QCoreApplication::translate("CliTexts",
                                       "芯片中现在是不完整的映像：只有前 %1 字节确定已写入。");
}
inline QString PartialErase() {
    return QCoreApplication::translate("CliTexts",
                                       "芯片只擦除了一部分：只有前 %1 字节确定已擦除。");
}
inline QString ChipUntouched() {
    return QCoreApplication::translate("CliTexts", "芯片没有改动。");
}
// The end of a message about an input file that could not be used.
//: %1 is the load failure.
inline QString FileUnused() {
    return QCoreApplication::translate("CliTexts", "%1，没有写入任何数据，芯片没有改动！！");
}
inline QString Progress() {
    return QLatin1Char('\r') + QCoreApplication::translate("CliTexts", "%1  %2/%3 块  剩余 %4 ");
}

// Serial numbers and the journal.
inline QString BadNumber() {
    return QCoreApplication::translate(
        "CliTexts", "%1 需要一个不小于 0 的数（十进制，或 0x 开头的十六进制），不是：%2");
}
inline QString PerField() {
    return QCoreApplication::translate("CliTexts",
                                       "%1 要么只给一次，要么每个 --serial-at 各给一次");
}
inline QString BadSerialFormat() {
    return QCoreApplication::translate("CliTexts",
                                       "未知的序列号格式：%1（le、be、bcd、dec 或 hex）");
}
inline QString JournalSubcommand() {
    return QCoreApplication::translate("CliTexts", "journal 需要子命令 show 或 export，不是：%1");
}
inline QString ProductionOnly() {
    return QCoreApplication::translate(
        "CliTexts", "%1 只用于 write 和 produce（--job、--journal 还用于 journal）");
}
inline QString SerialTaken() {
    return QCoreApplication::translate("CliTexts", "序列号 %1（生产记录第 %2 条）");
}

// Production over several boxes.
inline QString BadCount() {
    return QCoreApplication::translate("CliTexts", "--count 需要一个正整数，不是：%1");
}
inline QString SiteFound() {
    return QCoreApplication::translate("CliTexts", "站 %1：%2");
}
inline QString SiteSilent() {
    return QCoreApplication::translate("CliTexts", "站 %1：%2 没有应答，等它应答后再加入");
}
inline QString RoundPrompt() {
    return QCoreApplication::translate("CliTexts", "放好芯片后按回车开始第 %1 轮（输入 q 结束）");
}
inline QString EndsAfterRound() {
    return QCoreApplication::translate("CliTexts",
                                       "本轮的芯片完成后结束（再按一次 Ctrl+C 则在当前块后停止）");
}
inline QString SiteLine() {
    return QCoreApplication::translate("CliTexts", "第 %1 轮  站 %2  %3  序列号 %4  %5  %6 秒");
}
inline QString RoundProgress() {
    return QLatin1Char('\r') + QCoreApplication::translate("CliTexts", "第 %1 轮%2 ");
}
inline QString SitePercent() {
    return QCoreApplication::translate("CliTexts", "  站 %1 %2%");
}
inline QString Totals() {
    return QCoreApplication::translate("CliTexts", "合计：%1 片通过，%2 片失败");
}

}  // namespace CliTexts
