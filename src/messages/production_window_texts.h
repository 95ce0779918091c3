#pragma once

#include <QCoreApplication>
#include <QString>

// Texts of the production window. Chinese is the source; each goes through
// Qt's translation system under one context.
namespace ProductionWindowTexts {

inline QString MenuItem() {
    return QCoreApplication::translate("ProductionWindowTexts", "生产模式...");
}
inline QString Title() {
    return QCoreApplication::translate("ProductionWindowTexts", "生产模式");
}

// The job.
inline QString JobGroup() {
    return QCoreApplication::translate("ProductionWindowTexts", "生产作业");
}
inline QString JobName() {
    return QCoreApplication::translate("ProductionWindowTexts", "作业名称：");
}
inline QString Model() {
    return QCoreApplication::translate("ProductionWindowTexts", "芯片型号：");
}
inline QString Image() {
    return QCoreApplication::translate("ProductionWindowTexts", "映像文件：");
}
inline QString ImageCrc() {
    return QCoreApplication::translate("ProductionWindowTexts", "CRC-32：%1");
}
inline QString ChooseImage() {
    return QCoreApplication::translate("ProductionWindowTexts", "选择...");
}
inline QString Numbered() {
    return QCoreApplication::translate("ProductionWindowTexts", "写入序列号");
}
inline QString SerialAt() {
    return QCoreApplication::translate("ProductionWindowTexts", "地址（H）：");
}
inline QString SerialSize() {
    return QCoreApplication::translate("ProductionWindowTexts", "长度（字节）：");
}
inline QString SerialFormat() {
    return QCoreApplication::translate("ProductionWindowTexts", "格式：");
}
inline QString SerialStart() {
    return QCoreApplication::translate("ProductionWindowTexts", "第一个序列号：");
}
inline QString SerialStep() {
    return QCoreApplication::translate("ProductionWindowTexts", "步长：");
}
inline QString SerialEnd() {
    return QCoreApplication::translate("ProductionWindowTexts", "最后一个序列号：");
}
inline QString NoEnd() {
    return QCoreApplication::translate("ProductionWindowTexts", "（不限）");
}
inline QString NextNumber() {
    return QCoreApplication::translate("ProductionWindowTexts",
                                       "下一个序列号：%1    最后一个序列号：%2");
}
inline QString NoNumbers() {
    return QCoreApplication::translate("ProductionWindowTexts", "本作业不写入序列号");
}
inline QString NumbersUsedUp() {
    return QCoreApplication::translate("ProductionWindowTexts", "本作业的序列号已用完");
}
inline QString NotSettled() {
    return QCoreApplication::translate("ProductionWindowTexts",
                                       "按“开始”时按上面的设置建立或继续作业");
}
inline QString Journal() {
    return QCoreApplication::translate("ProductionWindowTexts", "生产记录：");
}
inline QString DefaultJournal() {
    return QCoreApplication::translate("ProductionWindowTexts", "默认（%1）");
}
inline QString FormatLe() {
    return QCoreApplication::translate("ProductionWindowTexts", "二进制，低字节在前");
}
inline QString FormatBe() {
    return QCoreApplication::translate("ProductionWindowTexts", "二进制，高字节在前");
}
inline QString FormatBcd() {
    return QCoreApplication::translate("ProductionWindowTexts", "压缩 BCD 码");
}
inline QString FormatDec() {
    return QCoreApplication::translate("ProductionWindowTexts", "十进制 ASCII");
}
inline QString FormatHex() {
    return QCoreApplication::translate("ProductionWindowTexts", "十六进制 ASCII");
}

// Commands.
inline QString Start() {
    return QCoreApplication::translate("ProductionWindowTexts", "开始");
}
inline QString StartTip() {
    return QCoreApplication::translate("ProductionWindowTexts",
                                       "在每个编程器中编程并校验一片芯片（空格键或回车键）");
}
inline QString Stop() {
    return QCoreApplication::translate("ProductionWindowTexts", "停止");
}
inline QString OpenJob() {
    return QCoreApplication::translate("ProductionWindowTexts", "打开作业...");
}
inline QString SaveJob() {
    return QCoreApplication::translate("ProductionWindowTexts", "保存作业...");
}
inline QString ExportRecords() {
    return QCoreApplication::translate("ProductionWindowTexts", "导出记录...");
}
inline QString JobFilter() {
    return QCoreApplication::translate("ProductionWindowTexts", "生产作业(*.json)|*.json");
}
inline QString CsvFilter() {
    return QCoreApplication::translate("ProductionWindowTexts", "CSV 文件(*.csv)|*.csv");
}

// The sites.
inline QString SitesGroup() {
    return QCoreApplication::translate("ProductionWindowTexts", "编程器");
}
inline QString SiteTitle() {
    return QCoreApplication::translate("ProductionWindowTexts", "站 %1  %2");
}
inline QString Waiting() {
    return QCoreApplication::translate("ProductionWindowTexts", "等待开始");
}
inline QString Programming() {
    return QCoreApplication::translate("ProductionWindowTexts", "正在编程 %1%");
}
inline QString Passed() {
    return QCoreApplication::translate("ProductionWindowTexts", "通过");
}
inline QString Failed() {
    return QCoreApplication::translate("ProductionWindowTexts", "失败：%1");
}
inline QString Lost() {
    return QCoreApplication::translate("ProductionWindowTexts", "编程器已断开");
}
inline QString Serial() {
    return QCoreApplication::translate("ProductionWindowTexts", "序列号：%1");
}
inline QString Counts() {
    return QCoreApplication::translate("ProductionWindowTexts", "通过 %1 片    失败 %2 片");
}
inline QString NoSites() {
    return QCoreApplication::translate("ProductionWindowTexts",
                                       "没有找到编程器。请连接编程器，它会自动出现在这里。");
}
inline QString Searching() {
    return QCoreApplication::translate("ProductionWindowTexts", "正在查找编程器...");
}

// The journal view.
inline QString RecordsGroup() {
    return QCoreApplication::translate("ProductionWindowTexts", "最近的生产记录");
}
inline QString Totals() {
    return QCoreApplication::translate("ProductionWindowTexts",
                                       "本作业合计：%1 片通过，%2 片失败，%3 片结果未知");
}
inline QString Exported() {
    return QCoreApplication::translate("ProductionWindowTexts", "已将 %1 条记录导出到 %2");
}
inline QString CannotExport() {
    return QCoreApplication::translate("ProductionWindowTexts", "无法写入文件 %1：%2");
}

// Messages.
inline QString CannotReadJob() {
    return QCoreApplication::translate("ProductionWindowTexts", "无法打开作业文件 %1：%2");
}
inline QString NotAJob() {
    return QCoreApplication::translate("ProductionWindowTexts", "不是有效的作业文件（%1）");
}
inline QString UnknownModel() {
    return QCoreApplication::translate("ProductionWindowTexts", "未知的芯片型号 %1");
}
inline QString BadSerial() {
    return QCoreApplication::translate("ProductionWindowTexts", "序列号设置无效：%1");
}
inline QString CannotSaveJob() {
    return QCoreApplication::translate("ProductionWindowTexts", "无法保存作业文件 %1：%2");
}
inline QString NoImage() {
    return QCoreApplication::translate("ProductionWindowTexts", "请先选择映像文件。");
}
inline QString ImageChanged() {
    return QCoreApplication::translate(
        "ProductionWindowTexts",
        "映像文件 %1 在保存作业后已被修改（作业中的 CRC-32 为 %2，现在为 %3）。"
        "\n仍然使用现在的文件吗？");
}
inline QString BusyClosing() {
    return QCoreApplication::translate("ProductionWindowTexts",
                                       "正在编程，请先停止或等待本轮结束。");
}

}  // namespace ProductionWindowTexts
