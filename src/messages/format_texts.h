#pragma once

#include <QString>

// Texts of the chip image formats, byte for byte.
namespace FormatTexts {

// The entries that the open and save dialogs offer after the .BIN entry.
inline const QString ImageEntries = QStringLiteral(
    "Intel HEX 文件(*.hex;*.ihx)|*.hex;*.ihx|"
    "Motorola S 记录文件(*.s19;*.s28;*.s37;*.srec;*.mot)|*.s19;*.s28;*.s37;*.srec;*.mot");

// The dialogs' whole filter: .BIN first, exactly as before.
inline const QString FileFilter = QStringLiteral("二进制文件(*.BIN)|*.BIN|") + ImageEntries +
                                  QStringLiteral("|所有文件(*.*)|*.*");

// The status after a HEX or S-record load: "正在编辑：X    文件格式为：Intel HEX
// 数据大小为： 200字节" (the data bytes the file held).
inline const QString FormatStatus = QStringLiteral("    文件格式为：");
inline const QString IntelHexName = QStringLiteral("Intel HEX");
inline const QString SRecordName = QStringLiteral("Motorola S 记录");
inline const QString DataSizeStatus = QStringLiteral("    数据大小为：");

// A failed load: "文件 X 第 12 行：记录校验和错误，缓冲区数据没有改变！！", or without
// the line part when the fault has no line (a .BIN image, an unreadable file).
// The window ends it with BufferUnchanged; the command line, which has no
// buffer, with what became of the chip.
inline const QString FileBegin = QStringLiteral("文件 ");
inline const QString LineBegin = QStringLiteral(" 第 ");
inline const QString LineEnd = QStringLiteral(" 行：");
inline const QString NoLine = QStringLiteral("：");
inline const QString Unreadable = QStringLiteral(" 读取失败");
inline const QString BeyondCapacity = QStringLiteral("数据地址超出您选择的芯片型号容量");
inline const QString BadChecksum = QStringLiteral("记录校验和错误");
inline const QString Malformed = QStringLiteral("记录格式错误");
inline const QString Overlap = QStringLiteral("记录地址与前面的记录重复");
inline const QString BufferUnchanged = QStringLiteral("，缓冲区数据没有改变！！");

// Comparing the buffer with a file.
inline const QString CompareTitle = QStringLiteral("选择要与缓冲区比较的数据文件");
// "恭喜您！缓冲区数据与文件 X 完全相同！！"
inline const QString SameBegin = QStringLiteral("恭喜您！缓冲区数据与文件 ");
inline const QString SameEnd = QStringLiteral(" 完全相同！！");
// "缓冲区数据与文件 X 有 3 个字节不同！" CR LF "第一个不同的数据位置为: 0012H
// 电脑数据为：  12H   文件数据为：  34H   !!!" CR LF "不同的数据已在数据区中用颜色标出。"
inline const QString DifferBegin = QStringLiteral("缓冲区数据与文件 ");
inline const QString DifferCount = QStringLiteral(" 有 ");
inline const QString DifferEnd = QStringLiteral(" 个字节不同！");
inline const QString FirstPosition = QStringLiteral("第一个不同的数据位置为: ");
inline const QString PcData = QStringLiteral("H    电脑数据为：  ");
inline const QString FileData = QStringLiteral("H   文件数据为：  ");
inline const QString FirstEnd = QStringLiteral("H   !!!");
inline const QString Marked = QStringLiteral("不同的数据已在数据区中用颜色标出。");
// Another size: "文件数据长度为 100 字节，芯片容量为 256 字节，只比较了前 100 字节！"
inline const QString LengthBegin = QStringLiteral("文件数据长度为 ");
inline const QString LengthCapacity = QStringLiteral(" 字节，芯片容量为 ");
inline const QString LengthCompared = QStringLiteral(" 字节，只比较了前 ");
inline const QString LengthEnd = QStringLiteral(" 字节！");

}  // namespace FormatTexts
