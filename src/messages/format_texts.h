#pragma once

#include <QString>

// Texts of the chip image formats, byte for byte.
namespace FormatTexts {

// The open and save dialogs' filter: .BIN first, exactly as before.
inline const QString FileFilter = QStringLiteral(
    "二进制文件(*.BIN)|*.BIN|"
    "Intel HEX 文件(*.hex;*.ihx)|*.hex;*.ihx|"
    "Motorola S 记录文件(*.s19;*.s28;*.s37;*.srec;*.mot)|*.s19;*.s28;*.s37;*.srec;*.mot|"
    "所有文件(*.*)|*.*");

// A failed load: "文件 X 第 12 行：记录校验和错误，缓冲区数据没有改变！！", or without
// the line part when the fault has no line (a .BIN image, an unreadable file).
inline const QString FileBegin = QStringLiteral("文件 ");
inline const QString LineBegin = QStringLiteral(" 第 ");
inline const QString LineEnd = QStringLiteral(" 行：");
inline const QString NoLine = QStringLiteral("：");
inline const QString Unreadable = QStringLiteral(" 读取失败，缓冲区数据没有改变！！");
inline const QString BeyondCapacity =
    QStringLiteral("数据地址超出您选择的芯片型号容量，缓冲区数据没有改变！！");
inline const QString BadChecksum = QStringLiteral("记录校验和错误，缓冲区数据没有改变！！");
inline const QString Malformed = QStringLiteral("记录格式错误，缓冲区数据没有改变！！");
inline const QString Overlap = QStringLiteral("记录地址与前面的记录重复，缓冲区数据没有改变！！");

}  // namespace FormatTexts
