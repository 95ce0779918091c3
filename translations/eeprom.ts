<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="zh_CN">
<context>
    <name>CliTexts</name>
    <message>
        <source>用法：eeprom-cli 命令 [选项] [文件]
通过 USB 编程器读取、写入、校验、擦除和查空 24 系列与 93 系列串行 EEPROM。

命令：
  models                     列出十四种芯片型号及其容量
  ports                      列出端口 1～15 对应的串口设备
  detect                     像桌面程序一样查找编程器，并给出它所在的端口
  read   -m 型号 文件        读芯片，存入文件（原子写入：不完整就不留文件）
  write  -m 型号 文件        把文件写入芯片，然后校验（--no-verify 不校验）
  verify -m 型号 文件        把芯片和文件比对
  erase  -m 型号             擦除芯片（全部写入 FFH）
  blank  -m 型号             检查芯片是否为空（全部为 FFH）
  produce -m 型号 文件       批量生产：所有编程器同时各写入并校验一片芯片，
                             每轮按回车开始，输入 q 或按 Ctrl+C 在本轮后结束
  journal show|export        显示或导出生产记录（--job 只看一个作业）

选项：
  -m, --model 型号           芯片型号，如 24C64、93C46
  --port 路径                只在此串口设备上找编程器；可多次给出
  --format 格式              文件格式：bin、hex（Intel HEX）或 srec（S 记录）；
                             默认按扩展名：.hex .ihx 为 HEX，.s19 .s28 .s37 .srec
                             .mot 为 S 记录，其他为二进制
  --no-verify                写芯片后不校验
  -q, --quiet                只报告错误
  -h, --help                 显示此帮助并退出
  -v, --version              显示版本信息并退出
  --lang 语言                界面语言：zh（简体中文）或 en（English）；默认按
                             LANGUAGE、LC_ALL、LC_MESSAGES、LANG 环境变量

序列号（write 与 produce）：每片芯片写入映像和它自己的序列号
  --serial-at 地址           序列号在映像中的地址（十进制或 0x 开头的十六进制）；
                             可多次给出，同一个号写入每个位置
  --serial-size N            序列号字段的字节数，1～8（默认 4）
  --serial-format 格式       le、be（二进制低/高字节在前）、bcd（压缩 BCD）、
                             dec（十进制 ASCII，前面补零）、hex（大写十六进制 ASCII）
  --serial-start N           新作业的第一个序列号（默认 1）
  --serial-step N            步长（默认 1）
  --serial-end N             最后一个序列号（默认为字段能容纳的最大值）
  --job 名称                 作业名（默认为映像文件名）；已有的作业从记录中的
                             下一个序列号继续
  --journal 位置             生产记录：SQLite 文件，或
                             postgresql://用户@主机:端口/数据库
  --count N                  produce：做 N 轮后结束
  --no-wait                  produce：不等回车，一轮接一轮
  --csv, --json              journal：输出格式（show 默认为表格，export 默认为 CSV）

进度显示在标准错误上（仅当它是终端时）。按 Ctrl+C 在当前块完成后停止。

退出码：
  0    成功
  1    校验不一致，或芯片不空（给出第一个不同之处）
  2    用法错误、文件错误或生产记录出错
  3    没有编程器、端口不存在或正被占用
  4    编程器拒绝了命令或不再应答
  130  被 Ctrl+C 中断
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知的命令：%1（用 --help 查看用法）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请给出命令（用 --help 查看用法）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知的芯片型号：%1（用 models 命令查看）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请用 -m 给出芯片型号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请给出文件名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>多余的参数：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知的文件格式：%1（bin、hex 或 srec）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件 %1 大于芯片 %2 的容量（%3 字节），芯片没有改动！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1	%2 字节</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有可用的串口设备</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编程器在端口 %1：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有找到编程器：请确认编程器已连接</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已读出芯片 %1（%2 字节），存入 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件 %1 保存失败，没有留下文件！请检查磁盘空间和文件权限。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已把 %1 写入芯片 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已中断：完成 %1/%2 块（%3 字节）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>芯片只写入了前 %1 字节，其余部分保持原样。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有写出文件。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编程器不再应答：完成 %1/%2 块（%3 字节）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编程器拒绝了命令：完成 %1/%2 块（%3 字节）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>芯片中现在是不完整的映像：只有前 %1 字节确定已写入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>芯片只擦除了一部分：只有前 %1 字节确定已擦除。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>芯片没有改动。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1，没有写入任何数据，芯片没有改动！！</source>
        <extracomment>%1 is the load failure.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 需要一个不小于 0 的数（十进制，或 0x 开头的十六进制），不是：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 要么只给一次，要么每个 --serial-at 各给一次</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知的序列号格式：%1（le、be、bcd、dec 或 hex）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>journal 需要子命令 show 或 export，不是：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 只用于 write 和 produce（--job、--journal 还用于 journal）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>序列号 %1（生产记录第 %2 条）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--count 需要一个正整数，不是：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>站 %1：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>站 %1：%2 没有应答，等它应答后再加入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放好芯片后按回车开始第 %1 轮（输入 q 结束）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本轮的芯片完成后结束（再按一次 Ctrl+C 则在当前块后停止）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第 %1 轮  站 %2  %3  序列号 %4  %5  %6 秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  站 %1 %2%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>合计：%1 片通过，%2 片失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  %2/%3 块  剩余 %4 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第 %1 轮%2 </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>用法：eeprom-programmer [--port 路径]... [--job 作业文件] [文件]
存储器编程器软件：通过 USB 编程器读取、写入、校验和擦除
24 系列（I2C）与 93 系列（Microwire）串行 EEPROM。

选项：
  --port 路径      先尝试此串口设备，再尝试常见的设备；可多次给出
  --job 作业文件   联机后直接进入生产模式，使用此作业
  -h, --help       显示此帮助并退出
  -v, --version    显示版本信息并退出
  --lang 语言      界面语言：zh（简体中文）或 en（English）
  文件             启动后打开此数据文件（.BIN、Intel HEX 或 S-record）

不带选项时打开启动窗口。详见 eeprom-programmer(1)。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eeprom-programmer %1
Copyright (C) 2026 ZELTRON
许可证 GPL-3.0-or-later：GNU 通用公共许可证第 3 版或更高版本
&lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;。
本程序是自由软件：您可以自由修改和再发布。在法律允许的范围内不提供任何担保。
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>文件操作(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新建</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退出系统</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系统设置(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>字体设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>芯片操作(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>芯片选择(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24C系列 EEPROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>93C系列 EEPROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读芯片</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写芯片</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校验芯片</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>擦除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>组合操作</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>查空</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>硬件测试</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>公司介绍</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>程序帮助</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关于本软件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工具(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>与文件比较...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开已保存的存储器数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>把数据存入电脑，以便以后使用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取芯片内容</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>把当前显示数据写入芯片</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校验</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>把芯片数据和当前电脑数据比对，看是否一致</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>擦除当前芯片，即把芯片全部写入 FFH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自动</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>先把当前数据写入芯片，再把芯片数据和当前数据进行比对</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>测试</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>测试当前编程器是否联机,联机使用时，程序每3秒钟自动检测一次！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退出芯片读写编程系统</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormatTexts</name>
    <message>
        <source>Intel HEX 文件(*.hex;*.ihx)|*.hex;*.ihx|Motorola S 记录文件(*.s19;*.s28;*.s37;*.srec;*.mot)|*.s19;*.s28;*.s37;*.srec;*.mot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在编辑：%1    文件格式为：%2    数据大小为： %3字节</source>
        <extracomment>%1 is the file path, %2 the format&apos;s name, %3 the data bytes the file held.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intel HEX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motorola S 记录</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件 %1 第 %2 行：%3</source>
        <extracomment>%1 is the file, %2 the line, %3 what is wrong.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件 %1：%2</source>
        <extracomment>%1 is the file, %2 what is wrong.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件 %1 读取失败</source>
        <extracomment>%1 is the file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据地址超出您选择的芯片型号容量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>记录校验和错误</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>记录格式错误</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>记录地址与前面的记录重复</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1，缓冲区数据没有改变！！</source>
        <extracomment>%1 is the load failure.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择要与缓冲区比较的数据文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>恭喜您！缓冲区数据与文件 %1 完全相同！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缓冲区数据与文件 %1 有 %2 个字节不同！</source>
        <extracomment>%1 is the file, %2 the number of differing bytes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第一个不同的数据位置为: %1H    电脑数据为：  %2H   文件数据为：  %3H   !!!</source>
        <extracomment>%1 is the address, %2 the byte in the buffer, %3 the byte in the file, all hexadecimal.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不同的数据已在数据区中用颜色标出。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件数据长度为 %1 字节，芯片容量为 %2 字节，只比较了前 %3 字节！</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InfoTexts</name>
    <message>
        <source>ZELTRON 存储器编程器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请确认编程器USB通讯电缆已与电脑连接。
若只想浏览或编辑数据文件，请选择“脱机使用”。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZELTRON-存储器编程器软件V3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>版本：V3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本程序适用于本公司专用存储块编程器，可对24C系列、93C系列存储块进行全部读写和校对擦除等操作，本软件操作方便，读写数据安全可靠，读写存储块的准确度不取决于电脑，与电脑硬件无关，最大限度的保证了数据读写的准确性和安全性。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本程序是自由软件：您可以依据自由软件基金会发布的 GNU 通用公共许可证第 3 版或（由您选择）任何更新的版本（GPL-3.0-or-later）复制、修改和再发布本程序。本程序不提供任何担保。许可证全文见程序附带的 LICENSE 文件。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>查看许可证全文</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系统信息(&amp;S)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>此时系统信息不可用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帮助文档</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.将编程器USB通讯电缆与电脑USB接口连接,此时编程器电源灯亮.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.若要脱机对拷,请按型号键选择24系列或93系列芯片型号,放入芯片,按确定键拷贝原芯片数据到目标芯片,成功后成功绿色灯亮,否则红色灯亮.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3.若要联机读写数据,请直接在电脑程序界面上操作.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4.确认编程器在联机状态,启动本程序,若联机成功,读写校对按钮可用,否则读写校对按钮不可用,请检查电缆或按编程器 复位键 重新启动编程器，按 电脑联机测试键 重新测试联机！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5.联机成功,可按读写校对按钮对存储块进行操作,按自动按钮将对存储块先写入数据再校对数据.  注意：联机操作时必须将存储块放入对应的 写 位置槽中！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6.联机操作时,编程器将动态显示用户选择的芯片类型及型号.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7.注意（24C02－24C16）和（24C32－24C64）的芯片不能互换！！,93C46-93C86之间也不要互相代换！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8.若有其他技术问题请致电公司联系帮助,或发送电子邮件或MSN求助:%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9.感谢您选择本产品及使用本软件.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10.感谢您选择本产品及使用本软件.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭窗口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZELTRON－存储器编程器软件   公司介绍</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>公司简介
&#x3000;&#x3000;（公司简介由制造商提供：发展历程、经营范围、服务承诺及主要产品系列。）
地址：（待定）
电话：000-00000000
传真：000-00000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关 闭 窗 口</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProductionTexts</name>
    <message>
        <source>序列号字段的长度必须是 1 到 8 字节，不是 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>序列号的步长必须至少为 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>序列号字段 %1H～%2H 超出了芯片 %3 的容量（%4 字节）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>序列号字段 %1H～%2H 与字段 %3H～%4H 重叠</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>序列号 %1 放不进 %2 字节的 %3 格式字段（最大为 %4）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最后一个序列号 %1 小于第一个序列号 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法打开生产记录 %1：没有安装 Qt 的 %2 数据库驱动（Debian：%3）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法打开生产记录 %1：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>生产记录 %1 出错：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法识别的生产记录位置：%1（文件路径，或 postgresql://用户@主机:端口/数据库）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作业 %1 已经存在，但它的%2不同（记录中为 %3，现在为 %4）；请用 --job 给新作业起个名字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>芯片型号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>映像文件 CRC-32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>序列号设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无序列号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作业 %1 的序列号已经用完（最后一个为 %2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作业 %1：继续，下一个序列号为 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作业 %1 已经存在，--serial-start 只用于新作业，这里不起作用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新作业 %1：第一个序列号为 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作业 %1 还不存在：新作业的序列号需要用 --serial-at 给出位置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>生产记录中没有作业 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通过</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校验不一致</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1（%2H）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编程器拒绝</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编程器无应答</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已中断</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编程器不在线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>序列号已用完</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>生产记录出错</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>记录号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作业</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>型号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算机</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>端口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>序列号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写入的序列号字节</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>结束时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>结果</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不一致地址</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>芯片 CRC-32</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProductionWindowTexts</name>
    <message>
        <source>生产模式...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>生产模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>生产作业</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作业名称：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>芯片型号：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>映像文件：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRC-32：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写入序列号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>地址（H）：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>长度（字节）：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>格式：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第一个序列号：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>步长：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最后一个序列号：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（不限）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下一个序列号：%1    最后一个序列号：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本作业不写入序列号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本作业的序列号已用完</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按“开始”时按上面的设置建立或继续作业</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>生产记录：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>默认（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>二进制，低字节在前</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>二进制，高字节在前</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>压缩 BCD 码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>十进制 ASCII</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>十六进制 ASCII</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在每个编程器中编程并校验一片芯片（空格键或回车键）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停止</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开作业...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存作业...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出记录...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>生产作业(*.json)|*.json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV 文件(*.csv)|*.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编程器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>站 %1  %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>等待开始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在编程 %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通过</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>失败：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编程器已断开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>序列号：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通过 %1 片    失败 %2 片</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有找到编程器。请连接编程器，它会自动出现在这里。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在查找编程器...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最近的生产记录</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本作业合计：%1 片通过，%2 片失败，%3 片结果未知</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已将 %1 条记录导出到 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法打开作业文件 %1：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不是有效的作业文件（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知的芯片型号 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>序列号设置无效：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法保存作业文件 %1：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请先选择映像文件。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>映像文件 %1 在保存作业后已被修改（作业中的 CRC-32 为 %2，现在为 %3）。
仍然使用现在的文件吗？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在编程，请先停止或等待本轮结束。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>存储器编程器软件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>警告信息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作成功</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示信息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>询问信息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>服务电话：000-00000000    电子邮件：support@example.com</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>服务电话：000-00000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZELTRON－存储器编程器软件V3.0    Harvenco欢迎您！  本公司全部产品办理邮购</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>欢迎使用 ZELTRON 存储器编程器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>联机</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>脱机</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在测试,请稍候.......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请确认编程器已连接，正在测试，请稍后－－－</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>型号选择</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择您要操作的芯片型号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>支持器件：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24 系列 EEPROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>93 系列 EEPROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>鼠标左键双击当前数据，可对当前数据进行修改编辑</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  操    作  完成比例</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>您还没有打开文件，系统默认芯片为24C02，芯片容量为256字节，缓冲区为全 FF。 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>您还没有打开文件，默认新建文件芯片为24C02，芯片容量为256字节，缓冲区为全 FF。 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>您还没有打开文件，您选择芯片为%1，芯片容量为%2字节，缓冲区为全 FF。 </source>
        <extracomment>%1 is the chip model, %2 its capacity in bytes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在编辑：%1    文件大小为： %2字节</source>
        <extracomment>%1 is the file path, %2 its size in bytes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缓冲区数据读自芯片%1，芯片容量为%2字节。 </source>
        <extracomment>%1 is the chip model, %2 its capacity in bytes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缓冲区为全 FF。 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缓冲区数据已修改。 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编程器通讯故障，请按编程器  复位键 或 重新拔插一次编程器USB通讯电缆， 重新建立通讯！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无权使用串口 %1：请把当前用户加入 dialout 组（sudo adduser $USER dialout），重新登录后再试。</source>
        <extracomment>%1 is the serial device.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口 %1 正被其他程序使用，请先关闭该程序。</source>
        <extracomment>%1 is the serial device.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写芯片操作将会将当前芯片的全部内容擦除，您确认要写芯片吗？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自动操作将会将当前芯片的全部内容擦除后写入新数据，您确认要写芯片吗？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>擦除操作会将当前芯片的全部内容擦除，您确认要擦除芯片数据吗？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读芯片失败,请检查编程器USB编程电缆是否连接好，芯片型号选择是否正确，注意02－16和32－64不能混用，否则错误！！！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写芯片失败,请检查编程器USB编程电缆是否连接好，芯片型号选择是否正确，注意02－16和32－64不能混用，93C46-93C86之间也不要互相代换，否则错误！！！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校验片失败,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>恭喜您！芯片读操作成功！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>恭喜您！写芯片操作成功！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>恭喜您！数据校验成功！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>恭喜您！数据 写和校验 成功！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>恭喜您！擦除芯片成功！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校验芯片失败！数据位置为: %1H    电脑数据为：  %2H   芯片数据为：  %3H   !!!</source>
        <extracomment>%1 is the address, %2 the byte in the computer, %3 the byte in the chip, all hexadecimal.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>恭喜您！芯片为空（全部为 FFH）！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>芯片不为空！数据位置为: %1H   芯片数据为：  %2H   !!!</source>
        <extracomment>%1 is the address, %2 the byte in the chip, both hexadecimal.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已停止：完成 %1/%2 块。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读芯片没有完成（只读出了前 %1 字节），缓冲区数据没有改变。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写芯片没有完成：芯片中只有前 %1 字节是新写入的数据，其余仍是原来的内容，请重新写芯片！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自动操作没有完成：芯片中只有前 %1 字节是新写入的数据，其余仍是原来的内容，没有进行校验！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校验没有完成：只比对了前 %1 字节，这部分数据一致。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自动操作没有完成：芯片已全部写入，校验只比对了前 %1 字节，这部分数据一致。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>擦除没有完成：芯片中只有前 %1 字节已擦除为 FFH，其余仍是原来的内容。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>查空没有完成：前 %1 字节为空（全部为 FFH），其余没有检查。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缓冲区中的数据已被修改，还没有保存或写入芯片。是否先保存这些修改？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停止</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在当前块完成后停止正在进行的芯片操作（Esc）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入新数值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入一个十六进制数值，数值不应超过FFH！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>这个数据只能是0－9或A－F或它们的组合！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>您输入的数字无效！必须输入16进制数据，且不能超过 FFH </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>撤销</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重做</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>填充数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全部选定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>转到地址</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>查找数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>查找下一个</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>修改数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>粘贴数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>剪贴板中的内容不是十六进制数据，不能粘贴！只能粘贴由0－9、A－F和空格组成的数据，如 0A 1B 2C </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入一个十六进制数值，选中的数据将全部改为这个数值，数值不应超过FFH！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入要转到的十六进制地址，如 1F0、0x1F0 或 1F0H：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>您输入的地址无效！必须输入16进制地址，如 1F0、0x1F0 或 1F0H </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>您输入的地址超出了芯片容量！芯片容量为%1字节，地址只能是 000000H 到 %2！！</source>
        <extracomment>%1 is the capacity in bytes, %2 the last address.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>您输入的查找内容无效！十六进制数据每个字节为两位，如 0A 1B 2C，查找文本请加引号，如 &quot;ABC&quot; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有找到 %1 ！！</source>
        <extracomment>%1 is what was searched for.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已查到末尾，从头继续查找。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>地址：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选中：%1－%2
共 %3字节</source>
        <extracomment>%1 and %2 are the first and last address, %3 the number of bytes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据已修改，尚未保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校验和：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8位累加和：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16位累加和：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRC-32：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>芯片全貌</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全貌</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>空白（全部为 FFH）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全部为 00H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已修改（上次读、打开、保存或写入以后）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>与比较的文件不同</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下一个差异</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上一个差异</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1－%2：%3</source>
        <extracomment>%1 and %2 are the first and last address of a run, %3 what it holds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单击或拖动可翻到该页。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开数据文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存数据文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>二进制文件(*.BIN)|*.BIN|所有文件(*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择的文件大小大于您选择的芯片型号容量，请重新选择！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件 %1 保存失败，数据没有存入电脑！请检查磁盘空间和文件权限后重新保存！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件 %1 读取失败，缓冲区数据没有改变！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最近打开的文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件 %1 不存在（可能已被移动、改名或删除），已从最近打开的文件列表中去掉。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>该文件不存在。
要创建该文件吗？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>语言设置将在下次启动本程序时生效。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>您确认要退出系统吗？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZELTRON－存储器编程器软件 V3.0        %1</source>
        <extracomment>%1 is the service telephone line.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>联机使用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>脱机使用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在联机，请稍候- - - - - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编程器软件程序已经在运行，不能再次运行！！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作未成功，可能有以下原因：
1.编程器USB编程电缆没有连接，
2.若编程器已连接送电，重新插拔一次USB编程电缆，再测试！！
3.芯片型号选择错误，注意（24C02－24C16）和（24C32－24C64）的芯片不能互换！！,93C46-93C86之间也不要互相代换！！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入要查找的十六进制数据，如 0A 1B 2C；
查找文本请加引号，如 &quot;ABC&quot;：</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
