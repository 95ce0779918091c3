#pragma once

#include <QCoreApplication>
#include <QString>

#include "messages/texts.h"

// The hex editor's texts: the byte edit, the edit menu and its boxes, the
// status panels and the whole-chip strip. Same context as the main window's.
namespace Texts {

// Byte editing.
inline QString EditTitle() {
    return QCoreApplication::translate("Texts", "输入新数值");
}
inline QString EditPromptLine1() {
    return QCoreApplication::translate("Texts", "请输入一个十六进制数值，数值不应超过FFH！！");
}
inline QString EditPromptLine2() {
    return QCoreApplication::translate("Texts", "这个数据只能是0－9或A－F或它们的组合！！");
}
inline QString EditInvalid() {
    return QCoreApplication::translate("Texts",
                                       "您输入的数字无效！必须输入16进制数据，且不能超过 FFH ");
}

// The hex view beyond the byte edit: the characters beside the grid, the
// edit menu, its boxes and the status panels.
inline QString AsciiHeading() {
    return QStringLiteral("ASCII");
}
inline QString EditMenu() {
    return QCoreApplication::translate("Texts", "编辑(&E)");
}
inline QString UndoItem() {
    return QCoreApplication::translate("Texts", "撤销");
}
inline QString RedoItem() {
    return QCoreApplication::translate("Texts", "重做");
}
inline QString CopyItem() {
    return QCoreApplication::translate("Texts", "复制");
}
inline QString PasteItem() {
    return QCoreApplication::translate("Texts", "粘贴");
}
inline QString FillItem() {
    return QCoreApplication::translate("Texts", "填充数据");
}
inline QString SelectAllItem() {
    return QCoreApplication::translate("Texts", "全部选定");
}
inline QString GoToItem() {
    return QCoreApplication::translate("Texts", "转到地址");
}
inline QString FindItem() {
    return QCoreApplication::translate("Texts", "查找数据");
}
inline QString FindNextItem() {
    return QCoreApplication::translate("Texts", "查找下一个");
}
// The steps of the edit history.
inline QString StepEdit() {
    return QCoreApplication::translate("Texts", "修改数据");
}
inline QString StepType() {
    return QCoreApplication::translate("Texts", "输入数据");
}
inline QString StepPaste() {
    return QCoreApplication::translate("Texts", "粘贴数据");
}
inline QString StepFill() {
    return QCoreApplication::translate("Texts", "填充数据");
}
inline QString PasteInvalid() {
    return QCoreApplication::translate("Texts",
                                       "剪贴板中的内容不是十六进制数据，不能粘贴！只能粘贴由0－9、A"
                                       "－F和空格组成的数据，如 0A 1B 2C ");
}
inline QString FillTitle() {
    return QCoreApplication::translate("Texts", "填充数据");
}
inline QString FillPrompt() {
    return QCoreApplication::translate(
        "Texts", "请输入一个十六进制数值，选中的数据将全部改为这个数值，数值不应超过FFH！！");
}
inline QString GoToTitle() {
    return QCoreApplication::translate("Texts", "转到地址");
}
inline QString GoToPrompt() {
    return QCoreApplication::translate("Texts",
                                       "请输入要转到的十六进制地址，如 1F0、0x1F0 或 1F0H：");
}
inline QString GoToInvalid() {
    return QCoreApplication::translate(
        "Texts", "您输入的地址无效！必须输入16进制地址，如 1F0、0x1F0 或 1F0H ");
}
//: %1 is the capacity in bytes, %2 the last address.
inline QString GoToBeyond() {
    return QCoreApplication::translate(
        "Texts", "您输入的地址超出了芯片容量！芯片容量为%1字节，地址只能是 000000H 到 %2！！");
}
inline QString FindTitle() {
    return QCoreApplication::translate("Texts", "查找数据");
}
inline QString FindPrompt() {
    return crlf(QCoreApplication::translate(
        "Texts", "请输入要查找的十六进制数据，如 0A 1B 2C；\n查找文本请加引号，如 \"ABC\"："));
}
inline QString FindInvalid() {
    return QCoreApplication::translate("Texts",
                                       "您输入的查找内容无效！十六进制数据每个字节为两位，如 0A 1B "
                                       "2C，查找文本请加引号，如 \"ABC\" ");
}
//: %1 is what was searched for.
inline QString NotFound() {
    return QCoreApplication::translate("Texts", "没有找到 %1 ！！");
}
inline QString FindWrapped() {
    return QCoreApplication::translate("Texts", "已查到末尾，从头继续查找。");
}
inline QString CursorAt() {
    return QCoreApplication::translate("Texts", "地址：%1");
}
//: %1 and %2 are the first and last address, %3 the number of bytes.
inline QString Selected() {
    return QCoreApplication::translate("Texts", "选中：%1－%2\n共 %3字节");
}
inline QString UnsavedChanges() {
    return QCoreApplication::translate("Texts", "数据已修改，尚未保存");
}
inline QString ChecksumHeading() {
    return QCoreApplication::translate("Texts", "校验和：");
}
inline QString Sum8Label() {
    return QCoreApplication::translate("Texts", "8位累加和：");
}
inline QString Sum16Label() {
    return QCoreApplication::translate("Texts", "16位累加和：");
}
inline QString Crc32Label() {
    return QCoreApplication::translate("Texts", "CRC-32：");
}
// The whole chip beside the grid, and what its marks mean.
inline QString StripTitle() {
    return QCoreApplication::translate("Texts", "芯片全貌");
}
inline QString StripHeading() {
    return QCoreApplication::translate("Texts", "全貌");
}
inline QString StripBlank() {
    return QCoreApplication::translate("Texts", "空白（全部为 FFH）");
}
inline QString StripZeros() {
    return QCoreApplication::translate("Texts", "全部为 00H");
}
inline QString StripData() {
    return QCoreApplication::translate("Texts", "数据");
}
inline QString StripChanged() {
    return QCoreApplication::translate("Texts", "已修改（上次读、打开、保存或写入以后）");
}
inline QString StripDiffers() {
    return QCoreApplication::translate("Texts", "与比较的文件不同");
}
inline QString NextDifference() {
    return QCoreApplication::translate("Texts", "下一个差异");
}
inline QString PreviousDifference() {
    return QCoreApplication::translate("Texts", "上一个差异");
}
//: %1 and %2 are the first and last address of a run, %3 what it holds.
inline QString StripRun() {
    return QCoreApplication::translate("Texts", "%1－%2：%3");
}
inline QString StripHint() {
    return QCoreApplication::translate("Texts", "单击或拖动可翻到该页。");
}

}  // namespace Texts
