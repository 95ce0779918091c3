#pragma once

#include <QCoreApplication>
#include <QString>

// Every text the user reads in the main window, the start-up window and the
// program's message boxes, byte for byte (the hex editor's are in
// hexview_texts.h). Kept together so that a test can compare them and a
// translator never has to hunt for them.
namespace Texts {

// Application title, shown by boxes that name no title of their own.
inline QString AppTitle() {
    return QCoreApplication::translate("Texts", "存储器编程器软件");
}

// Titles of the message boxes.
inline QString WarningTitle() {
    return QCoreApplication::translate("Texts", "警告信息");
}
inline QString SuccessTitle() {
    return QCoreApplication::translate("Texts", "操作成功");
}
inline QString NoticeTitle() {
    return QCoreApplication::translate("Texts", "提示信息");
}
inline QString QuestionTitle() {
    return QCoreApplication::translate("Texts", "询问信息");
}

// The maker's contact details are placeholders until the maker supplies them.
inline QString ContactLine() {
    return QCoreApplication::translate("Texts",
                                       "服务电话：000-00000000    电子邮件：support@example.com");
}
inline QString TelephoneLine() {
    return QCoreApplication::translate("Texts", "服务电话：000-00000000");
}

// Main window.
inline QString MainCaption() {
    return QCoreApplication::translate(
        "Texts", "ZELTRON－存储器编程器软件V3.0    Harvenco欢迎您！  本公司全部产品办理邮购");
}
inline QString WelcomeBanner() {
    return QCoreApplication::translate("Texts", "欢迎使用 ZELTRON 存储器编程器");
}
inline QString Online() {
    return QCoreApplication::translate("Texts", "联机");
}
inline QString Offline() {
    return QCoreApplication::translate("Texts", "脱机");
}
inline QString TestNoticeInitial() {
    return QCoreApplication::translate("Texts", "正在测试,请稍候.......");
}
inline QString TestNoticeTesting() {
    return QCoreApplication::translate("Texts", "请确认编程器已连接，正在测试，请稍后－－－");
}
inline QString ModelButton() {
    return QCoreApplication::translate("Texts", "型号选择");
}
inline QString ModelButtonTip() {
    return QCoreApplication::translate("Texts", "选择您要操作的芯片型号");
}
inline QString SupportedDevices() {
    return QCoreApplication::translate("Texts", "支持器件：");
}
inline QString Series24() {
    return QCoreApplication::translate("Texts", "24 系列 EEPROM");
}
inline QString Series93() {
    return QCoreApplication::translate("Texts", "93 系列 EEPROM");
}
inline QString AddressHeading() {
    return QStringLiteral("ADDRESS");
}
inline QString EditHint() {
    return QCoreApplication::translate("Texts", "鼠标左键双击当前数据，可对当前数据进行修改编辑");
}
inline QString PercentDesign() {
    return QStringLiteral("99.99%");
}
inline QString PercentStart() {
    return QStringLiteral("0.00%");
}
inline QString ProgressHeading() {
    return QCoreApplication::translate("Texts", "  操    作  完成比例");
}

// Status texts.
inline QString StartupStatus() {
    return QCoreApplication::translate(
        "Texts", "您还没有打开文件，系统默认芯片为24C02，芯片容量为256字节，缓冲区为全 FF。 ");
}
inline QString NewFileStatus() {
    return QCoreApplication::translate(
        "Texts", "您还没有打开文件，默认新建文件芯片为24C02，芯片容量为256字节，缓冲区为全 FF。 ");
}
//: %1 is the chip model, %2 its capacity in bytes.
inline QString ModelStatus() {
    return QCoreApplication::translate(
        "Texts", "您还没有打开文件，您选择芯片为%1，芯片容量为%2字节，缓冲区为全 FF。 ");
}
//: %1 is the file path, %2 its size in bytes.
inline QString EditingStatus() {
    return QCoreApplication::translate("Texts", "正在编辑：%1    文件大小为： %2字节");
}
// After a read: "缓冲区数据读自芯片24C512，芯片容量为65536字节。 ".
//: %1 is the chip model, %2 its capacity in bytes.
inline QString ReadStatus() {
    return QCoreApplication::translate("Texts", "缓冲区数据读自芯片%1，芯片容量为%2字节。 ");
}
// A status that said "缓冲区为全 FF。 " of a buffer that an edit changed.
inline QString AllFfEnd() {
    return QCoreApplication::translate("Texts", "缓冲区为全 FF。 ");
}
inline QString EditedEnd() {
    return QCoreApplication::translate("Texts", "缓冲区数据已修改。 ");
}

// Lines of a box's text are joined by CR LF; translations keep plain line ends.
inline QString crlf(QString text) {
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

// The advice shown whenever the box does not answer.
inline QString FailureHint() {
    return crlf(QCoreApplication::translate(
        "Texts",
        "操作未成功，可能有以下原因：\n"
        "1.编程器USB编程电缆没有连接，\n"
        "2.若编程器已连接送电，重新插拔一次USB编程电缆，再测试！！\n"
        "3.芯片型号选择错误，注意（24C02－24C16）和（24C32－24C64）的芯片不能互换！！,93C46-"
        "93C86之间也不要互相代换！！"));
}

// Link supervision.
inline QString CommunicationFault() {
    return QCoreApplication::translate(
        "Texts",
        "编程器通讯故障，请按编程器  复位键 或 重新拔插一次编程器USB通讯电缆， 重新建立通讯！！");
}

// A port that is there but cannot be opened, said once in the status bar.
//: %1 is the serial device.
inline QString PortDenied() {
    return QCoreApplication::translate("Texts",
                                       "无权使用串口 %1：请把当前用户加入 dialout 组（sudo adduser "
                                       "$USER dialout），重新登录后再试。");
}
//: %1 is the serial device.
inline QString PortBusy() {
    return QCoreApplication::translate("Texts", "串口 %1 正被其他程序使用，请先关闭该程序。");
}

// Chip operations.
inline QString WriteConfirm() {
    return QCoreApplication::translate(
        "Texts", "写芯片操作将会将当前芯片的全部内容擦除，您确认要写芯片吗？");
}
inline QString AutoConfirm() {
    return QCoreApplication::translate(
        "Texts", "自动操作将会将当前芯片的全部内容擦除后写入新数据，您确认要写芯片吗？");
}
inline QString EraseConfirm() {
    return QCoreApplication::translate(
        "Texts", "擦除操作会将当前芯片的全部内容擦除，您确认要擦除芯片数据吗？");
}
inline QString ReadBlockFailed() {
    return QCoreApplication::translate("Texts",
                                       "读芯片失败,"
                                       "请检查编程器USB编程电缆是否连接好，芯片型号选择是否正确，注"
                                       "意02－16和32－64不能混用，否则错误"
                                       "！！！！");
}
inline QString WriteBlockFailed() {
    return QCoreApplication::translate("Texts",
                                       "写芯片失败,"
                                       "请检查编程器USB编程电缆是否连接好，芯片型号选择是否正确，注"
                                       "意02－16和32－64不能混用，93C46-"
                                       "93C86之间也不要互相代换，否则错误！！！！");
}
inline QString VerifyBlockFailed() {
    return QCoreApplication::translate("Texts", "校验片失败,");
}
inline QString ReadSucceeded() {
    return QCoreApplication::translate("Texts", "恭喜您！芯片读操作成功！！");
}
inline QString WriteSucceeded() {
    return QCoreApplication::translate("Texts", "恭喜您！写芯片操作成功！！");
}
inline QString VerifySucceeded() {
    return QCoreApplication::translate("Texts", "恭喜您！数据校验成功！！");
}
inline QString AutoSucceeded() {
    return QCoreApplication::translate("Texts", "恭喜您！数据 写和校验 成功！！");
}
inline QString EraseSucceeded() {
    return QCoreApplication::translate("Texts", "恭喜您！擦除芯片成功！！");
}
//: %1 is the address, %2 the byte in the computer, %3 the byte in the chip, all hexadecimal.
inline QString DiffReport() {
    return QCoreApplication::translate(
        "Texts", "校验芯片失败！数据位置为: %1H    电脑数据为：  %2H   芯片数据为：  %3H   !!!");
}
// "查空": "芯片不为空！数据位置为: 01FFH   芯片数据为：  00H   !!!".
inline QString BlankSucceeded() {
    return QCoreApplication::translate("Texts", "恭喜您！芯片为空（全部为 FFH）！！");
}
//: %1 is the address, %2 the byte in the chip, both hexadecimal.
inline QString NotBlankReport() {
    return QCoreApplication::translate("Texts",
                                       "芯片不为空！数据位置为: %1H   芯片数据为：  %2H   !!!");
}
// An operation stopped by the user: how far it got, then what that leaves
// behind (%1: the bytes done).
inline QString Stopped() {
    return QCoreApplication::translate("Texts", "已停止：完成 %1/%2 块。");
}
inline QString StoppedRead() {
    return QCoreApplication::translate(
        "Texts", "读芯片没有完成（只读出了前 %1 字节），缓冲区数据没有改变。");
}
inline QString StoppedWrite() {
    return QCoreApplication::translate(
        "Texts",
        "写芯片没有完成：芯片中只有前 %1 字节是新写入的数据，其余仍是原来的内容，请重新写芯片！！");
}
inline QString StoppedAutoWrite() {
    return QCoreApplication::translate("Texts",
                                       "自动操作没有完成：芯片中只有前 %1 "
                                       "字节是新写入的数据，其余仍是原来的内容，没有进行校验！！");
}
inline QString StoppedVerify() {
    return QCoreApplication::translate("Texts",
                                       "校验没有完成：只比对了前 %1 字节，这部分数据一致。");
}
inline QString StoppedAutoVerify() {
    return QCoreApplication::translate(
        "Texts", "自动操作没有完成：芯片已全部写入，校验只比对了前 %1 字节，这部分数据一致。");
}
inline QString StoppedErase() {
    return QCoreApplication::translate(
        "Texts", "擦除没有完成：芯片中只有前 %1 字节已擦除为 FFH，其余仍是原来的内容。");
}
inline QString StoppedBlank() {
    return QCoreApplication::translate(
        "Texts", "查空没有完成：前 %1 字节为空（全部为 FFH），其余没有检查。");
}

// A read, a load, a model change, "新建" or the exit would discard byte edits.
inline QString UnsavedEditsQuestion() {
    return QCoreApplication::translate(
        "Texts", "缓冲区中的数据已被修改，还没有保存或写入芯片。是否先保存这些修改？");
}
inline QString SaveButton() {
    return QCoreApplication::translate("Texts", "保存");
}
inline QString DiscardButton() {
    return QCoreApplication::translate("Texts", "不保存");
}
inline QString CancelButton() {
    return QCoreApplication::translate("Texts", "取消");
}

// Stopping an operation.
inline QString StopButton() {
    return QCoreApplication::translate("Texts", "停止");
}
inline QString StopTip() {
    return QCoreApplication::translate("Texts", "在当前块完成后停止正在进行的芯片操作（Esc）");
}

// Files.
inline QString OpenTitle() {
    return QCoreApplication::translate("Texts", "打开数据文件");
}
inline QString SaveTitle() {
    return QCoreApplication::translate("Texts", "保存数据文件");
}
inline QString FileFilter() {
    return QCoreApplication::translate("Texts", "二进制文件(*.BIN)|*.BIN|所有文件(*.*)|*.*");
}
inline QString FileTooLarge() {
    return QCoreApplication::translate("Texts",
                                       "选择的文件大小大于您选择的芯片型号容量，请重新选择！！");
}
inline QString SaveFailed() {
    return QCoreApplication::translate(
        "Texts", "文件 %1 保存失败，数据没有存入电脑！请检查磁盘空间和文件权限后重新保存！！");
}
inline QString LoadFailed() {
    return QCoreApplication::translate("Texts", "文件 %1 读取失败，缓冲区数据没有改变！！");
}
inline QString RecentMenu() {
    return QCoreApplication::translate("Texts", "最近打开的文件");
}
inline QString RecentMissing() {
    return QCoreApplication::translate(
        "Texts", "文件 %1 不存在（可能已被移动、改名或删除），已从最近打开的文件列表中去掉。");
}
inline QString CreatePrompt() {
    return QCoreApplication::translate("Texts", "该文件不存在。\n要创建该文件吗？");
}

// 系统设置 → 语言 / Language.
inline QString LanguageNextStart() {
    return QCoreApplication::translate("Texts", "语言设置将在下次启动本程序时生效。");
}

// Exit.
inline QString ExitQuestion() {
    return QCoreApplication::translate("Texts", "您确认要退出系统吗？");
}

// Start-up window.
inline QString StartupCaption() {
    //: %1 is the service telephone line.
    return QCoreApplication::translate("Texts", "ZELTRON－存储器编程器软件 V3.0        %1")
        .arg(TelephoneLine());
}
inline QString UseOnline() {
    return QCoreApplication::translate("Texts", "联机使用");
}
inline QString UseOffline() {
    return QCoreApplication::translate("Texts", "脱机使用");
}
inline QString Connecting() {
    return QCoreApplication::translate("Texts", "正在联机，请稍候- - - - - ");
}
inline QString AlreadyRunning() {
    return QCoreApplication::translate("Texts", "编程器软件程序已经在运行，不能再次运行！！！");
}

}  // namespace Texts
