#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Every text of the about, help and company windows and of the program's
// generated pictures, byte for byte. The maker's details are placeholders
// until the maker supplies them.
namespace InfoTexts {

// Drawn into the generated pictures.
inline QString ProgramName() {
    return QCoreApplication::translate("InfoTexts", "ZELTRON 存储器编程器");
}
inline QString StartupHint() {
    return QCoreApplication::translate(
        "InfoTexts",
        "请确认编程器USB通讯电缆已与电脑连接。\n若只想浏览或编辑数据文件，请选择“脱机使用”。");
}

// About window.
inline QString AboutCaption() {
    return QCoreApplication::translate("InfoTexts", "ZELTRON-存储器编程器软件V3.0");
}
inline QString AboutTitle() {
    return AboutCaption();
}
inline QString AboutVersion() {
    return QCoreApplication::translate("InfoTexts", "版本：V3.0");
}
inline QString AboutDescription() {
    return QCoreApplication::translate("InfoTexts",
                                       "本程序适用于本公司专用存储块编程器，可对24C系列、93C系列存"
                                       "储块进行全部读写和校对擦除等操作，本"
                                       "软件操作方便，读写数据安全可靠，读写存储块的准确度不取决于"
                                       "电脑，与电脑硬件无关，最大限度的保证"
                                       "了数据读写的准确性和安全性。");
}
inline QString AboutDisclaimer() {
    return QCoreApplication::translate(
        "InfoTexts",
        "本程序是自由软件：您可以依据自由软件基金会发布的 GNU 通用公共许可证第 3 版或（由您选择）"
        "任何更新的版本（GPL-3.0-or-later）复制、修改和再发布本程序。本程序不提供任何担保。"
        "许可证全文见程序附带的 LICENSE 文件。");
}
// A link to the licence as the system keeps it, where it does.
inline QString AboutLicenceLink() {
    return QCoreApplication::translate("InfoTexts", "查看许可证全文");
}
inline QString AboutOk() {
    return QCoreApplication::translate("InfoTexts", "确定");
}
inline QString SysInfoButton() {
    return QCoreApplication::translate("InfoTexts", "系统信息(&S)...");
}
inline QString SysInfoUnavailable() {
    return QCoreApplication::translate("InfoTexts", "此时系统信息不可用");
}

// Help window.
inline QString HelpCaption() {
    return QCoreApplication::translate("InfoTexts", "帮助文档");
}
inline QString SupportEmail() {
    return QStringLiteral("support@example.com");
}
// The help window's ten lines, top to bottom.
inline QStringList HelpLines() {
    return {
        QCoreApplication::translate("InfoTexts",
                                    "1.将编程器USB通讯电缆与电脑USB接口连接,此时编程器电源灯亮."),
        QCoreApplication::translate(
            "InfoTexts",
            "2.若要脱机对拷,请按型号键选择24系列或93系列芯片型号,放入芯片,"
            "按确定键拷贝原芯片数据到目标芯片,成功后成功绿色灯亮,否则红色灯亮."),
        QCoreApplication::translate("InfoTexts", "3.若要联机读写数据,请直接在电脑程序界面上操作."),
        QCoreApplication::translate(
            "InfoTexts",
            "4.确认编程器在联机状态,启动本程序,若联机成功,读写校对按钮可用,否则读写校对按钮不可用,"
            "请检查电缆或按编程器 复位键 重新启动编程器，按 电脑联机测试键 重新测试联机！！"),
        QCoreApplication::translate("InfoTexts",
                                    "5.联机成功,可按读写校对按钮对存储块进行操作,"
                                    "按自动按钮将对存储块先写入数据再校对数据.  "
                                    "注意：联机操作时必须将存储块放入对应的 写 位置槽中！！"),
        QCoreApplication::translate("InfoTexts",
                                    "6.联机操作时,编程器将动态显示用户选择的芯片类型及型号."),
        QCoreApplication::translate(
            "InfoTexts",
            "7.注意（24C02－24C16）和（24C32－24C64）的芯片不能互换！！,93C46-"
            "93C86之间也不要互相代换！"),
        QCoreApplication::translate(
            "InfoTexts", "8.若有其他技术问题请致电公司联系帮助,或发送电子邮件或MSN求助:%1.")
            .arg(SupportEmail()),
        QCoreApplication::translate("InfoTexts", "9.感谢您选择本产品及使用本软件."),
        QCoreApplication::translate("InfoTexts", "10.感谢您选择本产品及使用本软件."),
    };
}
inline QString HelpClose() {
    return QCoreApplication::translate("InfoTexts", "关闭窗口");
}

// Company window.
inline QString CompanyCaption() {
    return QCoreApplication::translate("InfoTexts", "ZELTRON－存储器编程器软件   公司介绍");
}
inline QString CompanyProfile() {
    return QCoreApplication::translate(
        "InfoTexts",
        "公司简介\n"
        "　　（公司简介由制造商提供：发展历程、经营范围、服务承诺及主要产品系列。）\n"
        "地址：（待定）\n"
        "电话：000-00000000\n"
        "传真：000-00000000");
}
inline QString CompanyClose() {
    return QCoreApplication::translate("InfoTexts", "关 闭 窗 口");
}

}  // namespace InfoTexts
