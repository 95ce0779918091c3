#pragma once

#include <QCoreApplication>
#include <QString>

// Texts of production programming: serial numbers, the journal, the sites.
namespace ProductionTexts {

// Refusals of a serial profile, before any box is touched.
inline QString BadSize() {
    return QCoreApplication::translate("ProductionTexts",
                                       "序列号字段的长度必须是 1 到 8 字节，不是 %1");
}
inline QString BadStep() {
    return QCoreApplication::translate("ProductionTexts", "序列号的步长必须至少为 1");
}
inline QString PastCapacity() {
    return QCoreApplication::translate("ProductionTexts",
                                       "序列号字段 %1H～%2H 超出了芯片 %3 的容量（%4 字节）");
}
inline QString Overlapping() {
    return QCoreApplication::translate("ProductionTexts",
                                       "序列号字段 %1H～%2H 与字段 %3H～%4H 重叠");
}
inline QString DoesNotFit() {
    return QCoreApplication::translate("ProductionTexts",
                                       "序列号 %1 放不进 %2 字节的 %3 格式字段（最大为 %4）");
}
inline QString EndBeforeStart() {
    return QCoreApplication::translate("ProductionTexts", "最后一个序列号 %1 小于第一个序列号 %2");
}

// The journal.
inline QString NoDriver() {
    return QCoreApplication::translate(
        "ProductionTexts", "无法打开生产记录 %1：没有安装 Qt 的 %2 数据库驱动（Debian：%3）");
}
inline QString CannotOpen() {
    return QCoreApplication::translate("ProductionTexts", "无法打开生产记录 %1：%2");
}
inline QString JournalFailed() {
    return QCoreApplication::translate("ProductionTexts", "生产记录 %1 出错：%2");
}
inline QString BadLocation() {
    return QCoreApplication::translate(
        "ProductionTexts",
        "无法识别的生产记录位置：%1（文件路径，或 postgresql://用户@主机:端口/数据库）");
}
inline QString JobDiffers() {
    return QCoreApplication::translate(
        "ProductionTexts",
        "作业 %1 已经存在，但它的%2不同（记录中为 %3，现在为 %4）；请用 --job "
        "给新作业起个名字");
}
inline QString JobModel() {
    return QCoreApplication::translate("ProductionTexts", "芯片型号");
}
inline QString JobImage() {
    return QCoreApplication::translate("ProductionTexts", "映像文件 CRC-32");
}
inline QString JobSerial() {
    return QCoreApplication::translate("ProductionTexts", "序列号设置");
}
inline QString NoSerial() {
    return QCoreApplication::translate("ProductionTexts", "无序列号");
}
inline QString JobAtEnd() {
    return QCoreApplication::translate("ProductionTexts",
                                       "作业 %1 的序列号已经用完（最后一个为 %2）");
}
inline QString JobContinues() {
    return QCoreApplication::translate("ProductionTexts", "作业 %1：继续，下一个序列号为 %2");
}
inline QString StartIgnored() {
    return QCoreApplication::translate(
        "ProductionTexts", "作业 %1 已经存在，--serial-start 只用于新作业，这里不起作用");
}
inline QString JobMade() {
    return QCoreApplication::translate("ProductionTexts", "新作业 %1：第一个序列号为 %2");
}
inline QString NeedSerialAt() {
    return QCoreApplication::translate(
        "ProductionTexts", "作业 %1 还不存在：新作业的序列号需要用 --serial-at 给出位置");
}
inline QString NoSuchJob() {
    return QCoreApplication::translate("ProductionTexts", "生产记录中没有作业 %1");
}

// How a chip attempt ended, as the journal tells it.
inline QString OutcomeDone() {
    return QCoreApplication::translate("ProductionTexts", "通过");
}
inline QString OutcomeMismatch() {
    return QCoreApplication::translate("ProductionTexts", "校验不一致");
}
inline QString MismatchAt() {
    return QCoreApplication::translate("ProductionTexts", "%1（%2H）");
}
inline QString OutcomeRefused() {
    return QCoreApplication::translate("ProductionTexts", "编程器拒绝");
}
inline QString OutcomeNoAnswer() {
    return QCoreApplication::translate("ProductionTexts", "编程器无应答");
}
inline QString OutcomeStopped() {
    return QCoreApplication::translate("ProductionTexts", "已中断");
}
inline QString OutcomeUnknown() {
    return QCoreApplication::translate("ProductionTexts", "未知");
}
// What a site did instead of a chip.
inline QString SiteAbsent() {
    return QCoreApplication::translate("ProductionTexts", "编程器不在线");
}
inline QString SiteJobAtEnd() {
    return QCoreApplication::translate("ProductionTexts", "序列号已用完");
}
inline QString SiteJournalFailed() {
    return QCoreApplication::translate("ProductionTexts", "生产记录出错");
}

// The journal's columns, in export order.
inline QString ColumnRecord() {
    return QCoreApplication::translate("ProductionTexts", "记录号");
}
inline QString ColumnJob() {
    return QCoreApplication::translate("ProductionTexts", "作业");
}
inline QString ColumnModel() {
    return QCoreApplication::translate("ProductionTexts", "型号");
}
inline QString ColumnStation() {
    return QCoreApplication::translate("ProductionTexts", "计算机");
}
inline QString ColumnSite() {
    return QCoreApplication::translate("ProductionTexts", "端口");
}
inline QString ColumnSerial() {
    return QCoreApplication::translate("ProductionTexts", "序列号");
}
inline QString ColumnWritten() {
    return QCoreApplication::translate("ProductionTexts", "写入的序列号字节");
}
inline QString ColumnStarted() {
    return QCoreApplication::translate("ProductionTexts", "开始时间");
}
inline QString ColumnEnded() {
    return QCoreApplication::translate("ProductionTexts", "结束时间");
}
inline QString ColumnOutcome() {
    return QCoreApplication::translate("ProductionTexts", "结果");
}
inline QString ColumnMismatch() {
    return QCoreApplication::translate("ProductionTexts", "不一致地址");
}
inline QString ColumnCrc() {
    return QCoreApplication::translate("ProductionTexts", "芯片 CRC-32");
}

}  // namespace ProductionTexts
