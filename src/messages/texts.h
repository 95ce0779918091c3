#pragma once

#include <QString>

// Every text the user reads in the main window, the start-up window and the
// program's message boxes, byte for byte. Kept in one place so that a test can
// compare them and a translator never has to hunt for them.
namespace Texts {

// Application title, shown by boxes that name no title of their own.
inline const QString AppTitle = QStringLiteral("存储器编程器软件");

// Titles of the message boxes.
inline const QString WarningTitle = QStringLiteral("警告信息");
inline const QString SuccessTitle = QStringLiteral("操作成功");
inline const QString NoticeTitle = QStringLiteral("提示信息");
inline const QString QuestionTitle = QStringLiteral("询问信息");

// The maker's contact details are placeholders until the maker supplies them.
inline const QString ContactLine =
    QStringLiteral("服务电话：000-00000000    电子邮件：support@example.com");
inline const QString TelephoneLine = QStringLiteral("服务电话：000-00000000");

// Main window.
inline const QString MainCaption =
    QStringLiteral("ZELTRON－存储器编程器软件V3.0    Harvenco欢迎您！  本公司全部产品办理邮购");
inline const QString WelcomeBanner = QStringLiteral("欢迎使用 ZELTRON 存储器编程器");
inline const QString Online = QStringLiteral("联机");
inline const QString Offline = QStringLiteral("脱机");
inline const QString TestNoticeInitial = QStringLiteral("正在测试,请稍候.......");
inline const QString TestNoticeTesting =
    QStringLiteral("请确认编程器已连接，正在测试，请稍后－－－");
inline const QString ModelButton = QStringLiteral("型号选择");
inline const QString ModelButtonTip = QStringLiteral("选择您要操作的芯片型号");
inline const QString SupportedDevices = QStringLiteral("支持器件：");
inline const QString Series24 = QStringLiteral("24 系列 EEPROM");
inline const QString Series93 = QStringLiteral("93 系列 EEPROM");
inline const QString AddressHeading = QStringLiteral("ADDRESS");
inline const QString EditHint = QStringLiteral("鼠标左键双击当前数据，可对当前数据进行修改编辑");
inline const QString PercentDesign = QStringLiteral("99.99%");
inline const QString PercentStart = QStringLiteral("0.00%");
inline const QString ProgressHeading = QStringLiteral("  操    作  完成比例");

// Status texts.
inline const QString StartupStatus =
    QStringLiteral("您还没有打开文件，系统默认芯片为24C02，芯片容量为256字节，缓冲区为全 FF。 ");
inline const QString NewFileStatus = QStringLiteral(
    "您还没有打开文件，默认新建文件芯片为24C02，芯片容量为256字节，缓冲区为全 FF。 ");
inline const QString ModelStatusBegin = QStringLiteral("您还没有打开文件，您选择芯片为");
inline const QString ModelStatusMiddle = QStringLiteral("，芯片容量为");
inline const QString ModelStatusEnd = QStringLiteral("字节，缓冲区为全 FF。 ");
inline const QString EditingStatus = QStringLiteral("正在编辑：");
inline const QString FileSizeStatus = QStringLiteral("    文件大小为：");
inline const QString Bytes = QStringLiteral("字节");
// After a read: "缓冲区数据读自芯片24C512，芯片容量为65536字节。 ".
inline const QString ReadStatusBegin = QStringLiteral("缓冲区数据读自芯片");
inline const QString ReadStatusEnd = QStringLiteral("字节。 ");
// A status that said "缓冲区为全 FF。 " of a buffer that an edit changed.
inline const QString AllFfEnd = QStringLiteral("缓冲区为全 FF。 ");
inline const QString EditedEnd = QStringLiteral("缓冲区数据已修改。 ");

// The advice shown whenever the box does not answer, joined by CR LF.
inline const QString FailureHintLine1 = QStringLiteral("操作未成功，可能有以下原因：");
inline const QString FailureHintLine2 = QStringLiteral("1.编程器USB编程电缆没有连接，");
inline const QString FailureHintLine3 =
    QStringLiteral("2.若编程器已连接送电，重新插拔一次USB编程电缆，再测试！！");
inline const QString FailureHintLine4 = QStringLiteral(
    "3.芯片型号选择错误，注意（24C02－24C16）和（24C32－24C64）的芯片不能互换！！,93C46-"
    "93C86之间也不要互相代换！！");
inline const QString FailureHint = FailureHintLine1 + QStringLiteral("\r\n") + FailureHintLine2 +
                                   QStringLiteral("\r\n") + FailureHintLine3 +
                                   QStringLiteral("\r\n") + FailureHintLine4;

// Link supervision.
inline const QString CommunicationFault = QStringLiteral(
    "编程器通讯故障，请按编程器  复位键 或 重新拔插一次编程器USB通讯电缆， 重新建立通讯！！");

// A port that is there but cannot be opened, said once in the status bar.
inline const QString PortDeniedBegin = QStringLiteral("无权使用串口 ");
inline const QString PortDeniedEnd =
    QStringLiteral("：请把当前用户加入 dialout 组（sudo adduser $USER dialout），重新登录后再试。");
inline const QString PortBusyBegin = QStringLiteral("串口 ");
inline const QString PortBusyEnd = QStringLiteral(" 正被其他程序使用，请先关闭该程序。");

// Chip operations.
inline const QString WriteConfirm =
    QStringLiteral("写芯片操作将会将当前芯片的全部内容擦除，您确认要写芯片吗？");
inline const QString AutoConfirm =
    QStringLiteral("自动操作将会将当前芯片的全部内容擦除后写入新数据，您确认要写芯片吗？");
inline const QString EraseConfirm =
    QStringLiteral("擦除操作会将当前芯片的全部内容擦除，您确认要擦除芯片数据吗？");
inline const QString ReadBlockFailed = QStringLiteral(
    "读芯片失败,"
    "请检查编程器USB编程电缆是否连接好，芯片型号选择是否正确，注意02－16和32－64不能混用，否则错误"
    "！！！！");
inline const QString WriteBlockFailed = QStringLiteral(
    "写芯片失败,"
    "请检查编程器USB编程电缆是否连接好，芯片型号选择是否正确，注意02－16和32－64不能混用，93C46-"
    "93C86之间也不要互相代换，否则错误！！！！");
inline const QString VerifyBlockFailed = QStringLiteral("校验片失败,");
inline const QString ReadSucceeded = QStringLiteral("恭喜您！芯片读操作成功！！");
inline const QString WriteSucceeded = QStringLiteral("恭喜您！写芯片操作成功！！");
inline const QString VerifySucceeded = QStringLiteral("恭喜您！数据校验成功！！");
inline const QString AutoSucceeded = QStringLiteral("恭喜您！数据 写和校验 成功！！");
inline const QString EraseSucceeded = QStringLiteral("恭喜您！擦除芯片成功！！");
inline const QString DiffBegin = QStringLiteral("校验芯片失败！");
inline const QString DiffPosition = QStringLiteral("数据位置为: ");
inline const QString DiffPcData = QStringLiteral("H    电脑数据为：  ");
inline const QString DiffChipData = QStringLiteral("H   芯片数据为：  ");
inline const QString DiffEnd = QStringLiteral("H   !!!");
// "查空": "芯片不为空！数据位置为: 01FFH   芯片数据为：  00H   !!!".
inline const QString BlankSucceeded = QStringLiteral("恭喜您！芯片为空（全部为 FFH）！！");
inline const QString NotBlankBegin = QStringLiteral("芯片不为空！");
// An operation stopped by the user: how far it got, then what that leaves
// behind (%1: the bytes done).
inline const QString Stopped = QStringLiteral("已停止：完成 %1/%2 块。");
inline const QString StoppedRead =
    QStringLiteral("读芯片没有完成（只读出了前 %1 字节），缓冲区数据没有改变。");
inline const QString StoppedWrite = QStringLiteral(
    "写芯片没有完成：芯片中只有前 %1 字节是新写入的数据，其余仍是原来的内容，请重新写芯片！！");
inline const QString StoppedAutoWrite = QStringLiteral(
    "自动操作没有完成：芯片中只有前 %1 字节是新写入的数据，其余仍是原来的内容，没有进行校验！！");
inline const QString StoppedVerify =
    QStringLiteral("校验没有完成：只比对了前 %1 字节，这部分数据一致。");
inline const QString StoppedAutoVerify =
    QStringLiteral("自动操作没有完成：芯片已全部写入，校验只比对了前 %1 字节，这部分数据一致。");
inline const QString StoppedErase =
    QStringLiteral("擦除没有完成：芯片中只有前 %1 字节已擦除为 FFH，其余仍是原来的内容。");
inline const QString StoppedBlank =
    QStringLiteral("查空没有完成：前 %1 字节为空（全部为 FFH），其余没有检查。");

// A read, a load, a model change, "新建" or the exit would discard byte edits.
inline const QString UnsavedEditsQuestion =
    QStringLiteral("缓冲区中的数据已被修改，还没有保存或写入芯片。是否先保存这些修改？");
inline const QString SaveButton = QStringLiteral("保存");
inline const QString DiscardButton = QStringLiteral("不保存");
inline const QString CancelButton = QStringLiteral("取消");

// Stopping an operation.
inline const QString StopButton = QStringLiteral("停止");
inline const QString StopTip = QStringLiteral("在当前块完成后停止正在进行的芯片操作（Esc）");

// Byte editing.
inline const QString EditTitle = QStringLiteral("输入新数值");
inline const QString EditPromptLine1 =
    QStringLiteral("请输入一个十六进制数值，数值不应超过FFH！！");
inline const QString EditPromptLine2 = QStringLiteral("这个数据只能是0－9或A－F或它们的组合！！");
inline const QString EditInvalid =
    QStringLiteral("您输入的数字无效！必须输入16进制数据，且不能超过 FFH ");

// The hex view beyond the byte edit: the characters beside the grid, the
// edit menu, its boxes and the status panels.
inline const QString AsciiHeading = QStringLiteral("ASCII");
inline const QString EditMenu = QStringLiteral("编辑(&E)");
inline const QString UndoItem = QStringLiteral("撤销");
inline const QString RedoItem = QStringLiteral("重做");
inline const QString CopyItem = QStringLiteral("复制");
inline const QString PasteItem = QStringLiteral("粘贴");
inline const QString FillItem = QStringLiteral("填充数据");
inline const QString SelectAllItem = QStringLiteral("全部选定");
inline const QString GoToItem = QStringLiteral("转到地址");
inline const QString FindItem = QStringLiteral("查找数据");
inline const QString FindNextItem = QStringLiteral("查找下一个");
// The steps of the edit history.
inline const QString StepEdit = QStringLiteral("修改数据");
inline const QString StepType = QStringLiteral("输入数据");
inline const QString StepPaste = QStringLiteral("粘贴数据");
inline const QString StepFill = QStringLiteral("填充数据");
inline const QString PasteInvalid = QStringLiteral(
    "剪贴板中的内容不是十六进制数据，不能粘贴！只能粘贴由0－9、A－F和空格组成的数据，如 0A 1B 2C ");
inline const QString FillTitle = QStringLiteral("填充数据");
inline const QString FillPrompt =
    QStringLiteral("请输入一个十六进制数值，选中的数据将全部改为这个数值，数值不应超过FFH！！");
inline const QString GoToTitle = QStringLiteral("转到地址");
inline const QString GoToPrompt =
    QStringLiteral("请输入要转到的十六进制地址，如 1F0、0x1F0 或 1F0H：");
inline const QString GoToInvalid =
    QStringLiteral("您输入的地址无效！必须输入16进制地址，如 1F0、0x1F0 或 1F0H ");
inline const QString GoToBeyondBegin = QStringLiteral("您输入的地址超出了芯片容量！芯片容量为");
inline const QString GoToBeyondMiddle = QStringLiteral("字节，地址只能是 000000H 到 ");
inline const QString GoToBeyondEnd = QStringLiteral("！！");
inline const QString FindTitle = QStringLiteral("查找数据");
inline const QString FindPrompt =
    QStringLiteral("请输入要查找的十六进制数据，如 0A 1B 2C；\r\n查找文本请加引号，如 \"ABC\"：");
inline const QString FindInvalid = QStringLiteral(
    "您输入的查找内容无效！十六进制数据每个字节为两位，如 0A 1B 2C，查找文本请加引号，如 \"ABC\" ");
inline const QString NotFoundBegin = QStringLiteral("没有找到 ");
inline const QString NotFoundEnd = QStringLiteral(" ！！");
inline const QString FindWrapped = QStringLiteral("已查到末尾，从头继续查找。");
inline const QString CursorAt = QStringLiteral("地址：");
inline const QString SelectedBegin = QStringLiteral("选中：");
inline const QString SelectedTo = QStringLiteral("－");
inline const QString SelectedCount = QStringLiteral("共 ");
inline const QString UnsavedChanges = QStringLiteral("数据已修改，尚未保存");
inline const QString ChecksumHeading = QStringLiteral("校验和：");
inline const QString Sum8Label = QStringLiteral("8位累加和：");
inline const QString Sum16Label = QStringLiteral("16位累加和：");
inline const QString Crc32Label = QStringLiteral("CRC-32：");
// The whole chip beside the grid, and what its marks mean.
inline const QString StripTitle = QStringLiteral("芯片全貌");
inline const QString StripHeading = QStringLiteral("全貌");
inline const QString StripBlank = QStringLiteral("空白（全部为 FFH）");
inline const QString StripZeros = QStringLiteral("全部为 00H");
inline const QString StripData = QStringLiteral("数据");
inline const QString StripChanged = QStringLiteral("已修改（上次读、打开、保存或写入以后）");
inline const QString StripDiffers = QStringLiteral("与比较的文件不同");
inline const QString NextDifference = QStringLiteral("下一个差异");
inline const QString PreviousDifference = QStringLiteral("上一个差异");
inline const QString StripHint = QStringLiteral("单击或拖动可翻到该页。");

// Files.
inline const QString OpenTitle = QStringLiteral("打开数据文件");
inline const QString SaveTitle = QStringLiteral("保存数据文件");
inline const QString FileFilter = QStringLiteral("二进制文件(*.BIN)|*.BIN|所有文件(*.*)|*.*");
inline const QString FileTooLarge =
    QStringLiteral("选择的文件大小大于您选择的芯片型号容量，请重新选择！！");
inline const QString SaveFailedBegin = QStringLiteral("文件 ");
inline const QString SaveFailedEnd =
    QStringLiteral(" 保存失败，数据没有存入电脑！请检查磁盘空间和文件权限后重新保存！！");
inline const QString LoadFailedBegin = QStringLiteral("文件 ");
inline const QString LoadFailedEnd = QStringLiteral(" 读取失败，缓冲区数据没有改变！！");
inline const QString RecentMenu = QStringLiteral("最近打开的文件");
inline const QString RecentMissingBegin = QStringLiteral("文件 ");
inline const QString RecentMissingEnd =
    QStringLiteral(" 不存在（可能已被移动、改名或删除），已从最近打开的文件列表中去掉。");
inline const QString CreatePrompt = QStringLiteral("该文件不存在。\n要创建该文件吗？");

// Exit.
inline const QString ExitQuestion = QStringLiteral("您确认要退出系统吗？");

// Start-up window.
inline const QString StartupCaption =
    QStringLiteral("ZELTRON－存储器编程器软件 V3.0") + QString(8, QLatin1Char(' ')) + TelephoneLine;
inline const QString UseOnline = QStringLiteral("联机使用");
inline const QString UseOffline = QStringLiteral("脱机使用");
inline const QString Connecting = QStringLiteral("正在联机，请稍候- - - - - ");
inline const QString AlreadyRunning =
    QStringLiteral("编程器软件程序已经在运行，不能再次运行！！！");

}  // namespace Texts
