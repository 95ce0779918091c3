#pragma once

#include <QCoreApplication>
#include <QString>

#include "messages/dialogs.h"
#include "messages/texts.h"

// Texts of the chip image formats, byte for byte.
namespace FormatTexts {

// The entries that the open and save dialogs offer after the .BIN entry.
inline QString ImageEntries() {
    return QCoreApplication::translate(
        "FormatTexts",
        "Intel HEX 文件(*.hex;*.ihx)|*.hex;*.ihx|"
        "Motorola S 记录文件(*.s19;*.s28;*.s37;*.srec;*.mot)|*.s19;*.s28;*.s37;*.srec;*.mot");
}

// The dialogs' whole filter: .BIN first, exactly as before.
inline QString FileFilter() {
    return Dialogs::withEntries(Texts::FileFilter(), ImageEntries());
}

// The status after a HEX or S-record load: "正在编辑：X    文件格式为：Intel HEX
// 数据大小为： 200字节" (the data bytes the file held).
//: %1 is the file path, %2 the format's name, %3 the data bytes the file held.
inline QString FormatStatus() {
    return QCoreApplication::translate("FormatTexts",
                                       "正在编辑：%1    文件格式为：%2    数据大小为： %3字节");
}
inline QString IntelHexName() {
    return QCoreApplication::translate("FormatTexts", "Intel HEX");
}
inline QString SRecordName() {
    return QCoreApplication::translate("FormatTexts", "Motorola S 记录");
}

// A failed load: "文件 X 第 12 行：记录校验和错误，缓冲区数据没有改变！！", or without
// the line part when the fault has no line (a .BIN image, an unreadable file).
// The window ends it with BufferUnchanged; the command line, which has no
// buffer, with what became of the chip.
//: %1 is the file, %2 the line, %3 what is wrong.
inline QString FaultAtLine() {
    return QCoreApplication::translate("FormatTexts", "文件 %1 第 %2 行：%3");
}
//: %1 is the file, %2 what is wrong.
inline QString Fault() {
    return QCoreApplication::translate("FormatTexts", "文件 %1：%2");
}
//: %1 is the file.
inline QString Unreadable() {
    return QCoreApplication::translate("FormatTexts", "文件 %1 读取失败");
}
inline QString BeyondCapacity() {
    return QCoreApplication::translate("FormatTexts", "数据地址超出您选择的芯片型号容量");
}
inline QString BadChecksum() {
    return QCoreApplication::translate("FormatTexts", "记录校验和错误");
}
inline QString Malformed() {
    return QCoreApplication::translate("FormatTexts", "记录格式错误");
}
inline QString Overlap() {
    return QCoreApplication::translate("FormatTexts", "记录地址与前面的记录重复");
}
//: %1 is the load failure.
inline QString BufferUnchanged() {
    return QCoreApplication::translate("FormatTexts", "%1，缓冲区数据没有改变！！");
}

// Comparing the buffer with a file.
inline QString CompareTitle() {
    return QCoreApplication::translate("FormatTexts", "选择要与缓冲区比较的数据文件");
}
// "恭喜您！缓冲区数据与文件 X 完全相同！！"
inline QString Same() {
    return QCoreApplication::translate("FormatTexts", "恭喜您！缓冲区数据与文件 %1 完全相同！！");
}
//: %1 is the file, %2 the number of differing bytes.
inline QString Differ() {
    return QCoreApplication::translate("FormatTexts", "缓冲区数据与文件 %1 有 %2 个字节不同！");
}
//: %1 is the address, %2 the byte in the buffer, %3 the byte in the file, all hexadecimal.
inline QString FirstDifference() {
    return QCoreApplication::translate(
        "FormatTexts",
        "第一个不同的数据位置为: %1H    电脑数据为：  %2H   文件数据为：  %3H   !!!");
}
// "缓冲区数据与文件 X 有 3 个字节不同！" CR LF "第一个不同的数据位置为: 0012H
// 电脑数据为：  12H   文件数据为：  34H   !!!" CR LF "不同的数据已在数据区中用颜色标出。"
inline QString Marked() {
    return QCoreApplication::translate("FormatTexts", "不同的数据已在数据区中用颜色标出。");
}
// Another size: "文件数据长度为 100 字节，芯片容量为 256 字节，只比较了前 100 字节！"
inline QString LengthDiffers() {
    return QCoreApplication::translate(
        "FormatTexts", "文件数据长度为 %1 字节，芯片容量为 %2 字节，只比较了前 %3 字节！");
}

}  // namespace FormatTexts
