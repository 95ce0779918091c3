#pragma once

#include <QString>

// Texts of production programming: serial numbers, the journal, the sites.
namespace ProductionTexts {

// Refusals of a serial profile, before any box is touched.
inline const QString BadSize = QStringLiteral("序列号字段的长度必须是 1 到 8 字节，不是 %1");
inline const QString BadStep = QStringLiteral("序列号的步长必须至少为 1");
inline const QString PastCapacity =
    QStringLiteral("序列号字段 %1H～%2H 超出了芯片 %3 的容量（%4 字节）");
inline const QString Overlapping = QStringLiteral("序列号字段 %1H～%2H 与字段 %3H～%4H 重叠");
inline const QString DoesNotFit =
    QStringLiteral("序列号 %1 放不进 %2 字节的 %3 格式字段（最大为 %4）");
inline const QString EndBeforeStart = QStringLiteral("最后一个序列号 %1 小于第一个序列号 %2");

// The journal.
inline const QString NoDriver =
    QStringLiteral("无法打开生产记录 %1：没有安装 Qt 的 %2 数据库驱动（Debian：%3）");
inline const QString CannotOpen = QStringLiteral("无法打开生产记录 %1：%2");
inline const QString JournalFailed = QStringLiteral("生产记录 %1 出错：%2");
inline const QString BadLocation =
    QStringLiteral("无法识别的生产记录位置：%1（文件路径，或 postgresql://用户@主机:端口/数据库）");
inline const QString JobDiffers = QStringLiteral(
    "作业 %1 已经存在，但它的%2不同（记录中为 %3，现在为 %4）；请用 --job "
    "给新作业起个名字");
inline const QString JobModel = QStringLiteral("芯片型号");
inline const QString JobImage = QStringLiteral("映像文件 CRC-32");
inline const QString JobSerial = QStringLiteral("序列号设置");
inline const QString NoSerial = QStringLiteral("无序列号");
inline const QString JobAtEnd = QStringLiteral("作业 %1 的序列号已经用完（最后一个为 %2）");
inline const QString JobContinues = QStringLiteral("作业 %1：继续，下一个序列号为 %2");
inline const QString StartIgnored =
    QStringLiteral("作业 %1 已经存在，--serial-start 只用于新作业，这里不起作用");
inline const QString JobMade = QStringLiteral("新作业 %1：第一个序列号为 %2");
inline const QString NeedSerialAt =
    QStringLiteral("作业 %1 还不存在：新作业的序列号需要用 --serial-at 给出位置");
inline const QString NoSuchJob = QStringLiteral("生产记录中没有作业 %1");

// How a chip attempt ended, as the journal tells it.
inline const QString OutcomeDone = QStringLiteral("通过");
inline const QString OutcomeMismatch = QStringLiteral("校验不一致");
inline const QString MismatchAt = QStringLiteral("%1（%2H）");
inline const QString OutcomeRefused = QStringLiteral("编程器拒绝");
inline const QString OutcomeNoAnswer = QStringLiteral("编程器无应答");
inline const QString OutcomeStopped = QStringLiteral("已中断");
inline const QString OutcomeUnknown = QStringLiteral("未知");
// What a site did instead of a chip.
inline const QString SiteAbsent = QStringLiteral("编程器不在线");
inline const QString SiteJobAtEnd = QStringLiteral("序列号已用完");
inline const QString SiteJournalFailed = QStringLiteral("生产记录出错");

// The journal's columns, in export order.
inline const QString ColumnRecord = QStringLiteral("记录号");
inline const QString ColumnJob = QStringLiteral("作业");
inline const QString ColumnModel = QStringLiteral("型号");
inline const QString ColumnStation = QStringLiteral("计算机");
inline const QString ColumnSite = QStringLiteral("端口");
inline const QString ColumnSerial = QStringLiteral("序列号");
inline const QString ColumnWritten = QStringLiteral("写入的序列号字节");
inline const QString ColumnStarted = QStringLiteral("开始时间");
inline const QString ColumnEnded = QStringLiteral("结束时间");
inline const QString ColumnOutcome = QStringLiteral("结果");
inline const QString ColumnMismatch = QStringLiteral("不一致地址");
inline const QString ColumnCrc = QStringLiteral("芯片 CRC-32");

}  // namespace ProductionTexts
