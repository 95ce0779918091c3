<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
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
        <translation>Usage: eeprom-cli COMMAND [OPTIONS] [FILE]
Reads, writes, verifies, erases and blank-checks 24-series and 93-series serial
EEPROMs through the USB programmer.

Commands:
  models                     list the fourteen chip models and their capacities
  ports                      list the serial devices of ports 1 to 15
  detect                     look for the programmer as the desktop program does
                             and say on which port it is
  read   -m MODEL FILE       read the chip into FILE (atomic: an incomplete read
                             leaves no file)
  write  -m MODEL FILE       write FILE to the chip, then verify (--no-verify
                             skips the verify)
  verify -m MODEL FILE       compare the chip with FILE
  erase  -m MODEL            erase the chip (fill it with FFH)
  blank  -m MODEL            check that the chip is blank (all FFH)
  produce -m MODEL FILE      production: every programmer writes and verifies one
                             chip at the same time; Enter starts each round, q or
                             Ctrl+C ends after the round
  journal show|export        show or export the production journal (--job for
                             one job only)

Options:
  -m, --model MODEL          chip model, e.g. 24C64, 93C46
  --port PATH                look for the programmer on this serial device only;
                             may be given more than once
  --format FORMAT            file format: bin, hex (Intel HEX) or srec
                             (S-records); by default from the extension: .hex
                             .ihx are HEX, .s19 .s28 .s37 .srec .mot are
                             S-records, anything else is binary
  --no-verify                do not verify after writing
  -q, --quiet                report errors only
  -h, --help                 show this help and exit
  -v, --version              show version information and exit
  --lang LANGUAGE            language: zh (Simplified Chinese) or en (English);
                             by default from the LANGUAGE, LC_ALL, LC_MESSAGES
                             and LANG environment variables

Serial numbers (write and produce): each chip gets the image and its own number
  --serial-at ADDRESS        address of the serial number in the image (decimal,
                             or hexadecimal starting with 0x); may be given more
                             than once, the same number goes to every place
  --serial-size N            bytes of the serial number field, 1 to 8 (default 4)
  --serial-format FORMAT     le, be (binary, low/high byte first), bcd (packed
                             BCD), dec (decimal ASCII, zero-padded), hex
                             (upper-case hexadecimal ASCII)
  --serial-start N           first serial number of a new job (default 1)
  --serial-step N            step (default 1)
  --serial-end N             last serial number (default: the largest the field
                             holds)
  --job NAME                 job name (default: the image file&apos;s name); a job
                             that exists goes on from the next number in the
                             journal
  --journal LOCATION         production journal: an SQLite file, or
                             postgresql://user@host:port/database
  --count N                  produce: end after N rounds
  --no-wait                  produce: do not wait for Enter, one round after
                             another
  --csv, --json              journal: output format (show defaults to a table,
                             export to CSV)

Progress is shown on standard error (only when it is a terminal). Ctrl+C stops
after the current block.

Exit status:
  0    success
  1    verify mismatch, or the chip is not blank (the first difference is shown)
  2    usage error, file error or production journal error
  3    no programmer, the port does not exist or is in use
  4    the programmer refused a command or stopped answering
  130  interrupted by Ctrl+C
</translation>
    </message>
    <message>
        <source>未知的命令：%1（用 --help 查看用法）</source>
        <translation>Unknown command: %1 (see --help for usage)</translation>
    </message>
    <message>
        <source>请给出命令（用 --help 查看用法）</source>
        <translation>Please give a command (see --help for usage)</translation>
    </message>
    <message>
        <source>未知的芯片型号：%1（用 models 命令查看）</source>
        <translation>Unknown chip model: %1 (the models command lists them)</translation>
    </message>
    <message>
        <source>请用 -m 给出芯片型号</source>
        <translation>Please give the chip model with -m</translation>
    </message>
    <message>
        <source>请给出文件名</source>
        <translation>Please give a file name</translation>
    </message>
    <message>
        <source>多余的参数：%1</source>
        <translation>Extra arguments: %1</translation>
    </message>
    <message>
        <source>未知的文件格式：%1（bin、hex 或 srec）</source>
        <translation>Unknown file format: %1 (bin, hex or srec)</translation>
    </message>
    <message>
        <source>文件 %1 大于芯片 %2 的容量（%3 字节），芯片没有改动！！</source>
        <translation>File %1 is larger than chip %2 (%3 bytes); the chip was not changed!</translation>
    </message>
    <message>
        <source>%1	%2 字节</source>
        <translation>%1	%2 bytes</translation>
    </message>
    <message>
        <source>没有可用的串口设备</source>
        <translation>No serial devices available</translation>
    </message>
    <message>
        <source>编程器在端口 %1：%2</source>
        <translation>Programmer on port %1: %2</translation>
    </message>
    <message>
        <source>没有找到编程器：请确认编程器已连接</source>
        <translation>Programmer not found: please check that the programmer is connected</translation>
    </message>
    <message>
        <source>已读出芯片 %1（%2 字节），存入 %3</source>
        <translation>Read chip %1 (%2 bytes) into %3</translation>
    </message>
    <message>
        <source>文件 %1 保存失败，没有留下文件！请检查磁盘空间和文件权限。</source>
        <translation>Could not save file %1; no file was left behind! Please check the disk space and the file permissions.</translation>
    </message>
    <message>
        <source>已把 %1 写入芯片 %2</source>
        <translation>Wrote %1 to chip %2</translation>
    </message>
    <message>
        <source>已中断：完成 %1/%2 块（%3 字节）。</source>
        <translation>Interrupted: %1/%2 blocks done (%3 bytes).</translation>
    </message>
    <message>
        <source>芯片只写入了前 %1 字节，其余部分保持原样。</source>
        <translation>Only the first %1 bytes of the chip were written; the rest is unchanged.</translation>
    </message>
    <message>
        <source>没有写出文件。</source>
        <translation>No file was written.</translation>
    </message>
    <message>
        <source>编程器不再应答：完成 %1/%2 块（%3 字节）。</source>
        <translation>The programmer stopped answering: %1/%2 blocks done (%3 bytes).</translation>
    </message>
    <message>
        <source>编程器拒绝了命令：完成 %1/%2 块（%3 字节）。</source>
        <translation>The programmer refused the command: %1/%2 blocks done (%3 bytes).</translation>
    </message>
    <message>
        <source>芯片中现在是不完整的映像：只有前 %1 字节确定已写入。</source>
        <translation>The chip now holds an incomplete image: only the first %1 bytes are known to be written.</translation>
    </message>
    <message>
        <source>芯片只擦除了一部分：只有前 %1 字节确定已擦除。</source>
        <translation>The chip was only partly erased: only the first %1 bytes are known to be erased.</translation>
    </message>
    <message>
        <source>芯片没有改动。</source>
        <translation>The chip was not changed.</translation>
    </message>
    <message>
        <source>%1，没有写入任何数据，芯片没有改动！！</source>
        <extracomment>%1 is the load failure.</extracomment>
        <translation>%1; nothing was written, the chip was not changed!</translation>
    </message>
    <message>
        <source>%1 需要一个不小于 0 的数（十进制，或 0x 开头的十六进制），不是：%2</source>
        <translation>%1 needs a number of at least 0 (decimal, or hexadecimal starting with 0x), not: %2</translation>
    </message>
    <message>
        <source>%1 要么只给一次，要么每个 --serial-at 各给一次</source>
        <translation>Give %1 either once, or once for each --serial-at</translation>
    </message>
    <message>
        <source>未知的序列号格式：%1（le、be、bcd、dec 或 hex）</source>
        <translation>Unknown serial number format: %1 (le, be, bcd, dec or hex)</translation>
    </message>
    <message>
        <source>journal 需要子命令 show 或 export，不是：%1</source>
        <translation>journal needs the subcommand show or export, not: %1</translation>
    </message>
    <message>
        <source>%1 只用于 write 和 produce（--job、--journal 还用于 journal）</source>
        <translation>%1 is only for write and produce (--job and --journal also for journal)</translation>
    </message>
    <message>
        <source>序列号 %1（生产记录第 %2 条）</source>
        <translation>serial number %1 (journal record %2)</translation>
    </message>
    <message>
        <source>--count 需要一个正整数，不是：%1</source>
        <translation>--count needs a positive whole number, not: %1</translation>
    </message>
    <message>
        <source>站 %1：%2</source>
        <translation>Site %1: %2</translation>
    </message>
    <message>
        <source>站 %1：%2 没有应答，等它应答后再加入</source>
        <translation>Site %1: %2 does not answer; it joins once it answers</translation>
    </message>
    <message>
        <source>放好芯片后按回车开始第 %1 轮（输入 q 结束）</source>
        <translation>Place the chips and press Enter to start round %1 (q to finish)</translation>
    </message>
    <message>
        <source>本轮的芯片完成后结束（再按一次 Ctrl+C 则在当前块后停止）</source>
        <translation>Ending once this round&apos;s chips are done (Ctrl+C again stops after the current block)</translation>
    </message>
    <message>
        <source>第 %1 轮  站 %2  %3  序列号 %4  %5  %6 秒</source>
        <translation>Round %1  site %2  %3  serial %4  %5  %6 s</translation>
    </message>
    <message>
        <source>  站 %1 %2%</source>
        <translation>  site %1 %2%</translation>
    </message>
    <message>
        <source>合计：%1 片通过，%2 片失败</source>
        <translation>Total: %1 passed, %2 failed</translation>
    </message>
    <message>
        <source>%1  %2/%3 块  剩余 %4 </source>
        <translation>%1  %2/%3 blocks  %4 left </translation>
    </message>
    <message>
        <source>第 %1 轮%2 </source>
        <translation>Round %1%2 </translation>
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
        <translation>Usage: eeprom-programmer [--port PATH]... [--job JOB-FILE] [FILE]
Memory programmer software: reads, writes, verifies and erases 24-series (I2C)
and 93-series (Microwire) serial EEPROMs through the USB programmer.

Options:
  --port PATH      try this serial device first, then the usual ones; may be
                   given more than once
  --job JOB-FILE   go straight to production mode with this job once online
  -h, --help       show this help and exit
  -v, --version    show version information and exit
  --lang LANGUAGE  language: zh (Simplified Chinese) or en (English)
  FILE             open this data file after start-up (.BIN, Intel HEX or
                   S-record)

Without options the start-up window opens. See eeprom-programmer(1).
</translation>
    </message>
    <message>
        <source>eeprom-programmer %1
Copyright (C) 2026 ZELTRON
许可证 GPL-3.0-or-later：GNU 通用公共许可证第 3 版或更高版本
&lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;。
本程序是自由软件：您可以自由修改和再发布。在法律允许的范围内不提供任何担保。
</source>
        <translation>eeprom-programmer %1
Copyright (C) 2026 ZELTRON
License GPL-3.0-or-later: GNU General Public License version 3 or later
&lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;.
This is free software: you are free to change and redistribute it. There is NO
WARRANTY, to the extent permitted by law.
</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>文件操作(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Open File...</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>Save File...</translation>
    </message>
    <message>
        <source>退出系统</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>系统设置(&amp;S)</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>字体设置</source>
        <translation>Font Settings</translation>
    </message>
    <message>
        <source>芯片操作(&amp;O)</source>
        <translation>Chip &amp;Operations</translation>
    </message>
    <message>
        <source>芯片选择(&amp;X)</source>
        <translation>Chip Model (&amp;X)</translation>
    </message>
    <message>
        <source>24C系列 EEPROM</source>
        <translation>24C Series EEPROM</translation>
    </message>
    <message>
        <source>93C系列 EEPROM</source>
        <translation>93C Series EEPROM</translation>
    </message>
    <message>
        <source>读芯片</source>
        <translation>Read Chip</translation>
    </message>
    <message>
        <source>写芯片</source>
        <translation>Write Chip</translation>
    </message>
    <message>
        <source>校验芯片</source>
        <translation>Verify Chip</translation>
    </message>
    <message>
        <source>擦除</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>组合操作</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>查空</source>
        <translation>Blank Check</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>硬件测试</source>
        <translation>Hardware Test</translation>
    </message>
    <message>
        <source>公司介绍</source>
        <translation>About the Company</translation>
    </message>
    <message>
        <source>程序帮助</source>
        <translation>Program Help</translation>
    </message>
    <message>
        <source>关于本软件</source>
        <translation>About This Program</translation>
    </message>
    <message>
        <source>工具(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>与文件比较...</source>
        <translation>Compare with File...</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>打开已保存的存储器数据</source>
        <translation>Open saved memory data</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>把数据存入电脑，以便以后使用</source>
        <translation>Save the data on the computer for later use</translation>
    </message>
    <message>
        <source>读取芯片内容</source>
        <translation>Read the chip&apos;s contents</translation>
    </message>
    <message>
        <source>把当前显示数据写入芯片</source>
        <translation>Write the data shown to the chip</translation>
    </message>
    <message>
        <source>校验</source>
        <translation>Verify</translation>
    </message>
    <message>
        <source>把芯片数据和当前电脑数据比对，看是否一致</source>
        <translation>Compare the chip&apos;s data with the data on the computer</translation>
    </message>
    <message>
        <source>擦除当前芯片，即把芯片全部写入 FFH</source>
        <translation>Erase the chip, that is, fill the whole chip with FFH</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>先把当前数据写入芯片，再把芯片数据和当前数据进行比对</source>
        <translation>Write the current data to the chip, then compare the chip with it</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>测试当前编程器是否联机,联机使用时，程序每3秒钟自动检测一次！！</source>
        <translation>Test whether the programmer is online; when used online, the program checks every 3 seconds</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>退出芯片读写编程系统</source>
        <translation>Exit the chip programming program</translation>
    </message>
</context>
<context>
    <name>FormatTexts</name>
    <message>
        <source>Intel HEX 文件(*.hex;*.ihx)|*.hex;*.ihx|Motorola S 记录文件(*.s19;*.s28;*.s37;*.srec;*.mot)|*.s19;*.s28;*.s37;*.srec;*.mot</source>
        <translation>Intel HEX files (*.hex;*.ihx)|*.hex;*.ihx|Motorola S-record files (*.s19;*.s28;*.s37;*.srec;*.mot)|*.s19;*.s28;*.s37;*.srec;*.mot</translation>
    </message>
    <message>
        <source>正在编辑：%1    文件格式为：%2    数据大小为： %3字节</source>
        <extracomment>%1 is the file path, %2 the format&apos;s name, %3 the data bytes the file held.</extracomment>
        <translation>Editing: %1    Format: %2    Data size: %3 bytes</translation>
    </message>
    <message>
        <source>Intel HEX</source>
        <translation>Intel HEX</translation>
    </message>
    <message>
        <source>Motorola S 记录</source>
        <translation>Motorola S-record</translation>
    </message>
    <message>
        <source>文件 %1 第 %2 行：%3</source>
        <extracomment>%1 is the file, %2 the line, %3 what is wrong.</extracomment>
        <translation>File %1, line %2: %3</translation>
    </message>
    <message>
        <source>文件 %1：%2</source>
        <extracomment>%1 is the file, %2 what is wrong.</extracomment>
        <translation>File %1: %2</translation>
    </message>
    <message>
        <source>文件 %1 读取失败</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>File %1 could not be read</translation>
    </message>
    <message>
        <source>数据地址超出您选择的芯片型号容量</source>
        <translation>A data address lies beyond the capacity of the chip model you chose</translation>
    </message>
    <message>
        <source>记录校验和错误</source>
        <translation>record checksum error</translation>
    </message>
    <message>
        <source>记录格式错误</source>
        <translation>malformed record</translation>
    </message>
    <message>
        <source>记录地址与前面的记录重复</source>
        <translation>record address repeats an earlier record</translation>
    </message>
    <message>
        <source>%1，缓冲区数据没有改变！！</source>
        <extracomment>%1 is the load failure.</extracomment>
        <translation>%1; the buffer was not changed!</translation>
    </message>
    <message>
        <source>选择要与缓冲区比较的数据文件</source>
        <translation>Choose the data file to compare with the buffer</translation>
    </message>
    <message>
        <source>恭喜您！缓冲区数据与文件 %1 完全相同！！</source>
        <translation>The buffer is identical to file %1!</translation>
    </message>
    <message>
        <source>缓冲区数据与文件 %1 有 %2 个字节不同！</source>
        <extracomment>%1 is the file, %2 the number of differing bytes.</extracomment>
        <translation>The buffer differs from file %1 in %2 bytes!</translation>
    </message>
    <message>
        <source>第一个不同的数据位置为: %1H    电脑数据为：  %2H   文件数据为：  %3H   !!!</source>
        <extracomment>%1 is the address, %2 the byte in the buffer, %3 the byte in the file, all hexadecimal.</extracomment>
        <translation>First difference at: %1H    computer data: %2H   file data: %3H</translation>
    </message>
    <message>
        <source>不同的数据已在数据区中用颜色标出。</source>
        <translation>The differing bytes are marked in colour in the data area.</translation>
    </message>
    <message>
        <source>文件数据长度为 %1 字节，芯片容量为 %2 字节，只比较了前 %3 字节！</source>
        <translation>The file holds %1 bytes and the chip %2 bytes; only the first %3 bytes were compared!</translation>
    </message>
</context>
<context>
    <name>InfoTexts</name>
    <message>
        <source>ZELTRON 存储器编程器</source>
        <translation>ZELTRON Memory Programmer</translation>
    </message>
    <message>
        <source>请确认编程器USB通讯电缆已与电脑连接。
若只想浏览或编辑数据文件，请选择“脱机使用”。</source>
        <translation>Please make sure that the programmer&apos;s USB cable is connected to the computer.
To browse or edit data files only, choose “Use Offline”.</translation>
    </message>
    <message>
        <source>ZELTRON-存储器编程器软件V3.0</source>
        <translation>ZELTRON Memory Programmer Software V3.0</translation>
    </message>
    <message>
        <source>版本：V3.0</source>
        <translation>Version: V3.0</translation>
    </message>
    <message>
        <source>本程序适用于本公司专用存储块编程器，可对24C系列、93C系列存储块进行全部读写和校对擦除等操作，本软件操作方便，读写数据安全可靠，读写存储块的准确度不取决于电脑，与电脑硬件无关，最大限度的保证了数据读写的准确性和安全性。</source>
        <translation>This program works with the company&apos;s own memory programmer. It reads, writes, verifies and erases 24C-series and 93C-series memory chips. It is easy to use and handles data safely and reliably: the accuracy of reading and writing does not depend on the computer or its hardware, which keeps the data as accurate and safe as possible.</translation>
    </message>
    <message>
        <source>本程序是自由软件：您可以依据自由软件基金会发布的 GNU 通用公共许可证第 3 版或（由您选择）任何更新的版本（GPL-3.0-or-later）复制、修改和再发布本程序。本程序不提供任何担保。许可证全文见程序附带的 LICENSE 文件。</source>
        <translation>This program is free software: you can copy, modify and redistribute it under the GNU General Public License as published by the Free Software Foundation, version 3 or (at your option) any later version (GPL-3.0-or-later). This program comes with no warranty. The full licence is in the LICENSE file that comes with the program.</translation>
    </message>
    <message>
        <source>查看许可证全文</source>
        <translation>View the full licence</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>系统信息(&amp;S)...</source>
        <translation>&amp;System Info...</translation>
    </message>
    <message>
        <source>此时系统信息不可用</source>
        <translation>System information is not available at this time</translation>
    </message>
    <message>
        <source>帮助文档</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>1.将编程器USB通讯电缆与电脑USB接口连接,此时编程器电源灯亮.</source>
        <translation>1. Connect the programmer&apos;s USB cable to a USB port of the computer; the programmer&apos;s power light comes on.</translation>
    </message>
    <message>
        <source>2.若要脱机对拷,请按型号键选择24系列或93系列芯片型号,放入芯片,按确定键拷贝原芯片数据到目标芯片,成功后成功绿色灯亮,否则红色灯亮.</source>
        <translation>2. To copy offline, choose a 24-series or 93-series model with the model key, insert the chips and press the OK key to copy the source chip to the target chip; the green light shows success, the red light failure.</translation>
    </message>
    <message>
        <source>3.若要联机读写数据,请直接在电脑程序界面上操作.</source>
        <translation>3. To read and write data online, work in the program&apos;s window on the computer.</translation>
    </message>
    <message>
        <source>4.确认编程器在联机状态,启动本程序,若联机成功,读写校对按钮可用,否则读写校对按钮不可用,请检查电缆或按编程器 复位键 重新启动编程器，按 电脑联机测试键 重新测试联机！！</source>
        <translation>4. Make sure the programmer is online and start this program. When it connects, the read, write and verify buttons are available; otherwise they are not: check the cable, or press the programmer&apos;s reset key to restart it and the online test key to test the connection again!</translation>
    </message>
    <message>
        <source>5.联机成功,可按读写校对按钮对存储块进行操作,按自动按钮将对存储块先写入数据再校对数据.  注意：联机操作时必须将存储块放入对应的 写 位置槽中！！</source>
        <translation>5. Once online, use the read, write and verify buttons on the chip; the Auto button first writes the data, then verifies it.  Note: for online operations the chip must sit in the matching write socket!</translation>
    </message>
    <message>
        <source>6.联机操作时,编程器将动态显示用户选择的芯片类型及型号.</source>
        <translation>6. When online, the programmer shows the chip type and model you chose.</translation>
    </message>
    <message>
        <source>7.注意（24C02－24C16）和（24C32－24C64）的芯片不能互换！！,93C46-93C86之间也不要互相代换！</source>
        <translation>7. Note: chips of 24C02-24C16 and of 24C32-24C64 cannot replace each other, and neither can chips between 93C46 and 93C86!</translation>
    </message>
    <message>
        <source>8.若有其他技术问题请致电公司联系帮助,或发送电子邮件或MSN求助:%1.</source>
        <translation>8. For any other technical question, call the company, or ask for help by e-mail or MSN: %1.</translation>
    </message>
    <message>
        <source>9.感谢您选择本产品及使用本软件.</source>
        <translation>9. Thank you for choosing this product and this software.</translation>
    </message>
    <message>
        <source>10.感谢您选择本产品及使用本软件.</source>
        <translation>10. Thank you for choosing this product and this software.</translation>
    </message>
    <message>
        <source>关闭窗口</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ZELTRON－存储器编程器软件   公司介绍</source>
        <translation>ZELTRON Memory Programmer Software   About the Company</translation>
    </message>
    <message>
        <source>公司简介
&#x3000;&#x3000;（公司简介由制造商提供：发展历程、经营范围、服务承诺及主要产品系列。）
地址：（待定）
电话：000-00000000
传真：000-00000000</source>
        <translation>About the Company
    (The company profile is supplied by the maker: history, business, service commitment and main product lines.)
Address: (to be announced)
Telephone: 000-00000000
Fax: 000-00000000</translation>
    </message>
    <message>
        <source>关 闭 窗 口</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ProductionTexts</name>
    <message>
        <source>序列号字段的长度必须是 1 到 8 字节，不是 %1</source>
        <translation>The serial number field must be 1 to 8 bytes long, not %1</translation>
    </message>
    <message>
        <source>序列号的步长必须至少为 1</source>
        <translation>The serial number step must be at least 1</translation>
    </message>
    <message>
        <source>序列号字段 %1H～%2H 超出了芯片 %3 的容量（%4 字节）</source>
        <translation>Serial number field %1H-%2H lies beyond the capacity of chip %3 (%4 bytes)</translation>
    </message>
    <message>
        <source>序列号字段 %1H～%2H 与字段 %3H～%4H 重叠</source>
        <translation>Serial number field %1H-%2H overlaps field %3H-%4H</translation>
    </message>
    <message>
        <source>序列号 %1 放不进 %2 字节的 %3 格式字段（最大为 %4）</source>
        <translation>Serial number %1 does not fit a %2-byte %3 field (at most %4)</translation>
    </message>
    <message>
        <source>最后一个序列号 %1 小于第一个序列号 %2</source>
        <translation>The last serial number %1 is less than the first serial number %2</translation>
    </message>
    <message>
        <source>无法打开生产记录 %1：没有安装 Qt 的 %2 数据库驱动（Debian：%3）</source>
        <translation>Cannot open production journal %1: Qt&apos;s %2 database driver is not installed (Debian: %3)</translation>
    </message>
    <message>
        <source>无法打开生产记录 %1：%2</source>
        <translation>Cannot open production journal %1: %2</translation>
    </message>
    <message>
        <source>生产记录 %1 出错：%2</source>
        <translation>Production journal %1 failed: %2</translation>
    </message>
    <message>
        <source>无法识别的生产记录位置：%1（文件路径，或 postgresql://用户@主机:端口/数据库）</source>
        <translation>Unknown production journal location: %1 (a file path, or postgresql://user@host:port/database)</translation>
    </message>
    <message>
        <source>作业 %1 已经存在，但它的%2不同（记录中为 %3，现在为 %4）；请用 --job 给新作业起个名字</source>
        <translation>Job %1 exists already, but its %2 differs (%3 in the journal, %4 now); please give the new job a name with --job</translation>
    </message>
    <message>
        <source>芯片型号</source>
        <translation>chip model</translation>
    </message>
    <message>
        <source>映像文件 CRC-32</source>
        <translation>image CRC-32</translation>
    </message>
    <message>
        <source>序列号设置</source>
        <translation>serial number settings</translation>
    </message>
    <message>
        <source>无序列号</source>
        <translation>no serial number</translation>
    </message>
    <message>
        <source>作业 %1 的序列号已经用完（最后一个为 %2）</source>
        <translation>Job %1 has used up its serial numbers (the last is %2)</translation>
    </message>
    <message>
        <source>作业 %1：继续，下一个序列号为 %2</source>
        <translation>Job %1: continuing, the next serial number is %2</translation>
    </message>
    <message>
        <source>作业 %1 已经存在，--serial-start 只用于新作业，这里不起作用</source>
        <translation>Job %1 exists already; --serial-start is only for new jobs and has no effect here</translation>
    </message>
    <message>
        <source>新作业 %1：第一个序列号为 %2</source>
        <translation>New job %1: the first serial number is %2</translation>
    </message>
    <message>
        <source>作业 %1 还不存在：新作业的序列号需要用 --serial-at 给出位置</source>
        <translation>Job %1 does not exist yet: a new job needs --serial-at to place its serial numbers</translation>
    </message>
    <message>
        <source>生产记录中没有作业 %1</source>
        <translation>The production journal has no job %1</translation>
    </message>
    <message>
        <source>通过</source>
        <translation>Passed</translation>
    </message>
    <message>
        <source>校验不一致</source>
        <translation>Verify mismatch</translation>
    </message>
    <message>
        <source>%1（%2H）</source>
        <translation>%1 (%2H)</translation>
    </message>
    <message>
        <source>编程器拒绝</source>
        <translation>Refused by the programmer</translation>
    </message>
    <message>
        <source>编程器无应答</source>
        <translation>No answer from the programmer</translation>
    </message>
    <message>
        <source>已中断</source>
        <translation>Interrupted</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>编程器不在线</source>
        <translation>Programmer offline</translation>
    </message>
    <message>
        <source>序列号已用完</source>
        <translation>Serial numbers used up</translation>
    </message>
    <message>
        <source>生产记录出错</source>
        <translation>Journal error</translation>
    </message>
    <message>
        <source>记录号</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>作业</source>
        <translation>Job</translation>
    </message>
    <message>
        <source>型号</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>计算机</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>序列号</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>写入的序列号字节</source>
        <translation>Serial number bytes written</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Started</translation>
    </message>
    <message>
        <source>结束时间</source>
        <translation>Ended</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>不一致地址</source>
        <translation>Mismatch address</translation>
    </message>
    <message>
        <source>芯片 CRC-32</source>
        <translation>Chip CRC-32</translation>
    </message>
</context>
<context>
    <name>ProductionWindowTexts</name>
    <message>
        <source>生产模式...</source>
        <translation>Production Mode...</translation>
    </message>
    <message>
        <source>生产模式</source>
        <translation>Production Mode</translation>
    </message>
    <message>
        <source>生产作业</source>
        <translation>Production Job</translation>
    </message>
    <message>
        <source>作业名称：</source>
        <translation>Job name:</translation>
    </message>
    <message>
        <source>芯片型号：</source>
        <translation>Chip model:</translation>
    </message>
    <message>
        <source>映像文件：</source>
        <translation>Image file:</translation>
    </message>
    <message>
        <source>CRC-32：%1</source>
        <translation>CRC-32: %1</translation>
    </message>
    <message>
        <source>选择...</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <source>写入序列号</source>
        <translation>Write serial numbers</translation>
    </message>
    <message>
        <source>地址（H）：</source>
        <translation>Address (hex):</translation>
    </message>
    <message>
        <source>长度（字节）：</source>
        <translation>Size (bytes):</translation>
    </message>
    <message>
        <source>格式：</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>第一个序列号：</source>
        <translation>First serial number:</translation>
    </message>
    <message>
        <source>步长：</source>
        <translation>Step:</translation>
    </message>
    <message>
        <source>最后一个序列号：</source>
        <translation>Last serial number:</translation>
    </message>
    <message>
        <source>（不限）</source>
        <translation>(no limit)</translation>
    </message>
    <message>
        <source>下一个序列号：%1    最后一个序列号：%2</source>
        <translation>Next serial number: %1    Last serial number: %2</translation>
    </message>
    <message>
        <source>本作业不写入序列号</source>
        <translation>This job writes no serial numbers</translation>
    </message>
    <message>
        <source>本作业的序列号已用完</source>
        <translation>This job has used up its serial numbers</translation>
    </message>
    <message>
        <source>按“开始”时按上面的设置建立或继续作业</source>
        <translation>Start creates or continues the job with the settings above</translation>
    </message>
    <message>
        <source>生产记录：</source>
        <translation>Journal:</translation>
    </message>
    <message>
        <source>默认（%1）</source>
        <translation>Default (%1)</translation>
    </message>
    <message>
        <source>二进制，低字节在前</source>
        <translation>Binary, low byte first</translation>
    </message>
    <message>
        <source>二进制，高字节在前</source>
        <translation>Binary, high byte first</translation>
    </message>
    <message>
        <source>压缩 BCD 码</source>
        <translation>Packed BCD</translation>
    </message>
    <message>
        <source>十进制 ASCII</source>
        <translation>Decimal ASCII</translation>
    </message>
    <message>
        <source>十六进制 ASCII</source>
        <translation>Hexadecimal ASCII</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>在每个编程器中编程并校验一片芯片（空格键或回车键）</source>
        <translation>Program and verify one chip in every programmer (Space or Enter)</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>打开作业...</source>
        <translation>Open Job...</translation>
    </message>
    <message>
        <source>保存作业...</source>
        <translation>Save Job...</translation>
    </message>
    <message>
        <source>导出记录...</source>
        <translation>Export Records...</translation>
    </message>
    <message>
        <source>生产作业(*.json)|*.json</source>
        <translation>Production jobs (*.json)|*.json</translation>
    </message>
    <message>
        <source>CSV 文件(*.csv)|*.csv</source>
        <translation>CSV files (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>编程器</source>
        <translation>Programmers</translation>
    </message>
    <message>
        <source>站 %1  %2</source>
        <translation>Site %1  %2</translation>
    </message>
    <message>
        <source>等待开始</source>
        <translation>Waiting to start</translation>
    </message>
    <message>
        <source>正在编程 %1%</source>
        <translation>Programming %1%</translation>
    </message>
    <message>
        <source>通过</source>
        <translation>Passed</translation>
    </message>
    <message>
        <source>失败：%1</source>
        <translation>Failed: %1</translation>
    </message>
    <message>
        <source>编程器已断开</source>
        <translation>Programmer disconnected</translation>
    </message>
    <message>
        <source>序列号：%1</source>
        <translation>Serial number: %1</translation>
    </message>
    <message>
        <source>通过 %1 片    失败 %2 片</source>
        <translation>Passed %1    Failed %2</translation>
    </message>
    <message>
        <source>没有找到编程器。请连接编程器，它会自动出现在这里。</source>
        <translation>No programmer found. Connect a programmer and it appears here by itself.</translation>
    </message>
    <message>
        <source>正在查找编程器...</source>
        <translation>Looking for programmers...</translation>
    </message>
    <message>
        <source>最近的生产记录</source>
        <translation>Latest Production Records</translation>
    </message>
    <message>
        <source>本作业合计：%1 片通过，%2 片失败，%3 片结果未知</source>
        <translation>Job total: %1 passed, %2 failed, %3 unknown</translation>
    </message>
    <message>
        <source>已将 %1 条记录导出到 %2</source>
        <translation>Exported %1 records to %2</translation>
    </message>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write file %1: %2</translation>
    </message>
    <message>
        <source>无法打开作业文件 %1：%2</source>
        <translation>Cannot open job file %1: %2</translation>
    </message>
    <message>
        <source>不是有效的作业文件（%1）</source>
        <translation>Not a valid job file (%1)</translation>
    </message>
    <message>
        <source>未知的芯片型号 %1</source>
        <translation>Unknown chip model %1</translation>
    </message>
    <message>
        <source>序列号设置无效：%1</source>
        <translation>Invalid serial number settings: %1</translation>
    </message>
    <message>
        <source>无法保存作业文件 %1：%2</source>
        <translation>Cannot save job file %1: %2</translation>
    </message>
    <message>
        <source>请先选择映像文件。</source>
        <translation>Please choose an image file first.</translation>
    </message>
    <message>
        <source>映像文件 %1 在保存作业后已被修改（作业中的 CRC-32 为 %2，现在为 %3）。
仍然使用现在的文件吗？</source>
        <translation>Image file %1 has changed since the job was saved (CRC-32 %2 in the job, %3 now).
Use the file as it is now?</translation>
    </message>
    <message>
        <source>正在编程，请先停止或等待本轮结束。</source>
        <translation>Programming is under way; stop it or wait for the round to end first.</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>存储器编程器软件</source>
        <translation>Memory Programmer Software</translation>
    </message>
    <message>
        <source>警告信息</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>操作成功</source>
        <translation>Success</translation>
    </message>
    <message>
        <source>提示信息</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>询问信息</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>服务电话：000-00000000    电子邮件：support@example.com</source>
        <translation>Service telephone: 000-00000000    E-mail: support@example.com</translation>
    </message>
    <message>
        <source>服务电话：000-00000000</source>
        <translation>Service telephone: 000-00000000</translation>
    </message>
    <message>
        <source>ZELTRON－存储器编程器软件V3.0    Harvenco欢迎您！  本公司全部产品办理邮购</source>
        <translation>ZELTRON Memory Programmer Software V3.0    Welcome from Harvenco!  All our products are available by mail order</translation>
    </message>
    <message>
        <source>欢迎使用 ZELTRON 存储器编程器</source>
        <translation>Welcome to the ZELTRON Memory Programmer</translation>
    </message>
    <message>
        <source>联机</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>脱机</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>正在测试,请稍候.......</source>
        <translation>Testing, please wait.......</translation>
    </message>
    <message>
        <source>请确认编程器已连接，正在测试，请稍后－－－</source>
        <translation>Please make sure the programmer is connected; testing, please wait---</translation>
    </message>
    <message>
        <source>型号选择</source>
        <translation>Select Model</translation>
    </message>
    <message>
        <source>选择您要操作的芯片型号</source>
        <translation>Choose the chip model to work on</translation>
    </message>
    <message>
        <source>支持器件：</source>
        <translation>Supported devices:</translation>
    </message>
    <message>
        <source>24 系列 EEPROM</source>
        <translation>24 Series EEPROM</translation>
    </message>
    <message>
        <source>93 系列 EEPROM</source>
        <translation>93 Series EEPROM</translation>
    </message>
    <message>
        <source>鼠标左键双击当前数据，可对当前数据进行修改编辑</source>
        <translation>Double-click a byte with the left mouse button to edit it</translation>
    </message>
    <message>
        <source>  操    作  完成比例</source>
        <translation>  Operation  Progress</translation>
    </message>
    <message>
        <source>您还没有打开文件，系统默认芯片为24C02，芯片容量为256字节，缓冲区为全 FF。 </source>
        <translation>No file opened; the default chip is 24C02, capacity 256 bytes, buffer all FF. </translation>
    </message>
    <message>
        <source>您还没有打开文件，默认新建文件芯片为24C02，芯片容量为256字节，缓冲区为全 FF。 </source>
        <translation>No file opened; the new file&apos;s chip is 24C02, capacity 256 bytes, buffer all FF. </translation>
    </message>
    <message>
        <source>您还没有打开文件，您选择芯片为%1，芯片容量为%2字节，缓冲区为全 FF。 </source>
        <extracomment>%1 is the chip model, %2 its capacity in bytes.</extracomment>
        <translation>No file opened; chip chosen: %1, capacity %2 bytes, buffer all FF. </translation>
    </message>
    <message>
        <source>正在编辑：%1    文件大小为： %2字节</source>
        <extracomment>%1 is the file path, %2 its size in bytes.</extracomment>
        <translation>Editing: %1    File size: %2 bytes</translation>
    </message>
    <message>
        <source>缓冲区数据读自芯片%1，芯片容量为%2字节。 </source>
        <extracomment>%1 is the chip model, %2 its capacity in bytes.</extracomment>
        <translation>Buffer read from chip %1, capacity %2 bytes. </translation>
    </message>
    <message>
        <source>缓冲区为全 FF。 </source>
        <translation>buffer all FF. </translation>
    </message>
    <message>
        <source>缓冲区数据已修改。 </source>
        <translation>buffer data changed. </translation>
    </message>
    <message>
        <source>编程器通讯故障，请按编程器  复位键 或 重新拔插一次编程器USB通讯电缆， 重新建立通讯！！</source>
        <translation>Programmer communication fault: press the programmer&apos;s reset key or unplug and replug its USB cable to connect again!</translation>
    </message>
    <message>
        <source>无权使用串口 %1：请把当前用户加入 dialout 组（sudo adduser $USER dialout），重新登录后再试。</source>
        <extracomment>%1 is the serial device.</extracomment>
        <translation>No permission to use serial port %1: add the current user to the dialout group (sudo adduser $USER dialout), log in again and retry.</translation>
    </message>
    <message>
        <source>串口 %1 正被其他程序使用，请先关闭该程序。</source>
        <extracomment>%1 is the serial device.</extracomment>
        <translation>Serial port %1 is in use by another program; please close that program first.</translation>
    </message>
    <message>
        <source>写芯片操作将会将当前芯片的全部内容擦除，您确认要写芯片吗？</source>
        <translation>Writing erases everything on the chip. Write the chip?</translation>
    </message>
    <message>
        <source>自动操作将会将当前芯片的全部内容擦除后写入新数据，您确认要写芯片吗？</source>
        <translation>Auto erases everything on the chip and writes the new data. Write the chip?</translation>
    </message>
    <message>
        <source>擦除操作会将当前芯片的全部内容擦除，您确认要擦除芯片数据吗？</source>
        <translation>Erasing clears everything on the chip. Erase the chip?</translation>
    </message>
    <message>
        <source>读芯片失败,请检查编程器USB编程电缆是否连接好，芯片型号选择是否正确，注意02－16和32－64不能混用，否则错误！！！！</source>
        <translation>Reading the chip failed. Check that the programmer&apos;s USB cable is connected and the right chip model is chosen; note that 02-16 and 32-64 cannot be mixed!</translation>
    </message>
    <message>
        <source>写芯片失败,请检查编程器USB编程电缆是否连接好，芯片型号选择是否正确，注意02－16和32－64不能混用，93C46-93C86之间也不要互相代换，否则错误！！！！</source>
        <translation>Writing the chip failed. Check that the programmer&apos;s USB cable is connected and the right chip model is chosen; note that 02-16 and 32-64 cannot be mixed, and neither can chips between 93C46 and 93C86!</translation>
    </message>
    <message>
        <source>校验片失败,</source>
        <translation>Verify failed. </translation>
    </message>
    <message>
        <source>恭喜您！芯片读操作成功！！</source>
        <translation>Chip read successfully!</translation>
    </message>
    <message>
        <source>恭喜您！写芯片操作成功！！</source>
        <translation>Chip written successfully!</translation>
    </message>
    <message>
        <source>恭喜您！数据校验成功！！</source>
        <translation>Data verified successfully!</translation>
    </message>
    <message>
        <source>恭喜您！数据 写和校验 成功！！</source>
        <translation>Data written and verified successfully!</translation>
    </message>
    <message>
        <source>恭喜您！擦除芯片成功！！</source>
        <translation>Chip erased successfully!</translation>
    </message>
    <message>
        <source>校验芯片失败！数据位置为: %1H    电脑数据为：  %2H   芯片数据为：  %3H   !!!</source>
        <extracomment>%1 is the address, %2 the byte in the computer, %3 the byte in the chip, all hexadecimal.</extracomment>
        <translation>Verifying the chip failed! Address: %1H    computer data: %2H   chip data: %3H</translation>
    </message>
    <message>
        <source>恭喜您！芯片为空（全部为 FFH）！！</source>
        <translation>The chip is blank (all FFH)!</translation>
    </message>
    <message>
        <source>芯片不为空！数据位置为: %1H   芯片数据为：  %2H   !!!</source>
        <extracomment>%1 is the address, %2 the byte in the chip, both hexadecimal.</extracomment>
        <translation>The chip is not blank! Address: %1H   chip data: %2H</translation>
    </message>
    <message>
        <source>已停止：完成 %1/%2 块。</source>
        <translation>Stopped: %1/%2 blocks done.</translation>
    </message>
    <message>
        <source>读芯片没有完成（只读出了前 %1 字节），缓冲区数据没有改变。</source>
        <translation>The read did not finish (only the first %1 bytes were read); the buffer was not changed.</translation>
    </message>
    <message>
        <source>写芯片没有完成：芯片中只有前 %1 字节是新写入的数据，其余仍是原来的内容，请重新写芯片！！</source>
        <translation>The write did not finish: only the first %1 bytes of the chip hold the new data, the rest is as it was. Write the chip again!</translation>
    </message>
    <message>
        <source>自动操作没有完成：芯片中只有前 %1 字节是新写入的数据，其余仍是原来的内容，没有进行校验！！</source>
        <translation>Auto did not finish: only the first %1 bytes of the chip hold the new data, the rest is as it was, and nothing was verified!</translation>
    </message>
    <message>
        <source>校验没有完成：只比对了前 %1 字节，这部分数据一致。</source>
        <translation>The verify did not finish: only the first %1 bytes were compared, and they match.</translation>
    </message>
    <message>
        <source>自动操作没有完成：芯片已全部写入，校验只比对了前 %1 字节，这部分数据一致。</source>
        <translation>Auto did not finish: the whole chip was written, but the verify compared only the first %1 bytes, which match.</translation>
    </message>
    <message>
        <source>擦除没有完成：芯片中只有前 %1 字节已擦除为 FFH，其余仍是原来的内容。</source>
        <translation>The erase did not finish: only the first %1 bytes of the chip are erased to FFH, the rest is as it was.</translation>
    </message>
    <message>
        <source>查空没有完成：前 %1 字节为空（全部为 FFH），其余没有检查。</source>
        <translation>The blank check did not finish: the first %1 bytes are blank (all FFH), the rest was not checked.</translation>
    </message>
    <message>
        <source>缓冲区中的数据已被修改，还没有保存或写入芯片。是否先保存这些修改？</source>
        <translation>The data in the buffer has changed and has not been saved or written to a chip. Save the changes first?</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>在当前块完成后停止正在进行的芯片操作（Esc）</source>
        <translation>Stop the running chip operation after the current block (Esc)</translation>
    </message>
    <message>
        <source>输入新数值</source>
        <translation>Enter New Value</translation>
    </message>
    <message>
        <source>请输入一个十六进制数值，数值不应超过FFH！！</source>
        <translation>Enter a hexadecimal value no greater than FFH!</translation>
    </message>
    <message>
        <source>这个数据只能是0－9或A－F或它们的组合！！</source>
        <translation>Use only the digits 0-9 and A-F!</translation>
    </message>
    <message>
        <source>您输入的数字无效！必须输入16进制数据，且不能超过 FFH </source>
        <translation>The value you entered is not valid! Enter a hexadecimal value no greater than FFH. </translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>填充数据</source>
        <translation>Fill Data</translation>
    </message>
    <message>
        <source>全部选定</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>转到地址</source>
        <translation>Go to Address</translation>
    </message>
    <message>
        <source>查找数据</source>
        <translation>Find Data</translation>
    </message>
    <message>
        <source>查找下一个</source>
        <translation>Find Next</translation>
    </message>
    <message>
        <source>修改数据</source>
        <translation>Edit Byte</translation>
    </message>
    <message>
        <source>输入数据</source>
        <translation>Typing</translation>
    </message>
    <message>
        <source>粘贴数据</source>
        <translation>Paste Data</translation>
    </message>
    <message>
        <source>剪贴板中的内容不是十六进制数据，不能粘贴！只能粘贴由0－9、A－F和空格组成的数据，如 0A 1B 2C </source>
        <translation>The clipboard does not hold hexadecimal data and cannot be pasted! Only data made of 0-9, A-F and spaces can be pasted, e.g. 0A 1B 2C </translation>
    </message>
    <message>
        <source>请输入一个十六进制数值，选中的数据将全部改为这个数值，数值不应超过FFH！！</source>
        <translation>Enter a hexadecimal value no greater than FFH; every selected byte becomes this value!</translation>
    </message>
    <message>
        <source>请输入要转到的十六进制地址，如 1F0、0x1F0 或 1F0H：</source>
        <translation>Enter the hexadecimal address to go to, e.g. 1F0, 0x1F0 or 1F0H:</translation>
    </message>
    <message>
        <source>您输入的地址无效！必须输入16进制地址，如 1F0、0x1F0 或 1F0H </source>
        <translation>The address you entered is not valid! Enter a hexadecimal address, e.g. 1F0, 0x1F0 or 1F0H </translation>
    </message>
    <message>
        <source>您输入的地址超出了芯片容量！芯片容量为%1字节，地址只能是 000000H 到 %2！！</source>
        <extracomment>%1 is the capacity in bytes, %2 the last address.</extracomment>
        <translation>The address you entered lies beyond the chip! The chip holds %1 bytes; the address must be from 000000H to %2!</translation>
    </message>
    <message>
        <source>您输入的查找内容无效！十六进制数据每个字节为两位，如 0A 1B 2C，查找文本请加引号，如 &quot;ABC&quot; </source>
        <translation>What you entered cannot be searched for! Hexadecimal data takes two digits a byte, e.g. 0A 1B 2C; put text in quotes, e.g. &quot;ABC&quot; </translation>
    </message>
    <message>
        <source>没有找到 %1 ！！</source>
        <extracomment>%1 is what was searched for.</extracomment>
        <translation>%1 not found!</translation>
    </message>
    <message>
        <source>已查到末尾，从头继续查找。</source>
        <translation>Reached the end; searching again from the start.</translation>
    </message>
    <message>
        <source>地址：%1</source>
        <translation>Address: %1</translation>
    </message>
    <message>
        <source>选中：%1－%2
共 %3字节</source>
        <extracomment>%1 and %2 are the first and last address, %3 the number of bytes.</extracomment>
        <translation>Selected: %1-%2
%3 bytes</translation>
    </message>
    <message>
        <source>数据已修改，尚未保存</source>
        <translation>Data changed, not saved</translation>
    </message>
    <message>
        <source>校验和：</source>
        <translation>Checksums:</translation>
    </message>
    <message>
        <source>8位累加和：</source>
        <translation>8-bit sum:</translation>
    </message>
    <message>
        <source>16位累加和：</source>
        <translation>16-bit sum:</translation>
    </message>
    <message>
        <source>CRC-32：</source>
        <translation>CRC-32:</translation>
    </message>
    <message>
        <source>芯片全貌</source>
        <translation>Whole Chip</translation>
    </message>
    <message>
        <source>全貌</source>
        <translation>Chip</translation>
    </message>
    <message>
        <source>空白（全部为 FFH）</source>
        <translation>Blank (all FFH)</translation>
    </message>
    <message>
        <source>全部为 00H</source>
        <translation>All 00H</translation>
    </message>
    <message>
        <source>数据</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>已修改（上次读、打开、保存或写入以后）</source>
        <translation>Changed (since the last read, open, save or write)</translation>
    </message>
    <message>
        <source>与比较的文件不同</source>
        <translation>Differs from the compared file</translation>
    </message>
    <message>
        <source>下一个差异</source>
        <translation>Next Difference</translation>
    </message>
    <message>
        <source>上一个差异</source>
        <translation>Previous Difference</translation>
    </message>
    <message>
        <source>%1－%2：%3</source>
        <extracomment>%1 and %2 are the first and last address of a run, %3 what it holds.</extracomment>
        <translation>%1-%2: %3</translation>
    </message>
    <message>
        <source>单击或拖动可翻到该页。</source>
        <translation>Click or drag to turn to that page.</translation>
    </message>
    <message>
        <source>打开数据文件</source>
        <translation>Open Data File</translation>
    </message>
    <message>
        <source>保存数据文件</source>
        <translation>Save Data File</translation>
    </message>
    <message>
        <source>二进制文件(*.BIN)|*.BIN|所有文件(*.*)|*.*</source>
        <translation>Binary files (*.BIN)|*.BIN|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>选择的文件大小大于您选择的芯片型号容量，请重新选择！！</source>
        <translation>The chosen file is larger than the capacity of the chip model you chose. Please choose another!</translation>
    </message>
    <message>
        <source>文件 %1 保存失败，数据没有存入电脑！请检查磁盘空间和文件权限后重新保存！！</source>
        <translation>Saving file %1 failed; the data is not on the computer! Check the disk space and the file permissions, then save again!</translation>
    </message>
    <message>
        <source>文件 %1 读取失败，缓冲区数据没有改变！！</source>
        <translation>Reading file %1 failed; the buffer was not changed!</translation>
    </message>
    <message>
        <source>最近打开的文件</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>文件 %1 不存在（可能已被移动、改名或删除），已从最近打开的文件列表中去掉。</source>
        <translation>File %1 does not exist (it may have been moved, renamed or deleted) and was taken off the recent files.</translation>
    </message>
    <message>
        <source>该文件不存在。
要创建该文件吗？</source>
        <translation>The file does not exist.
Create it?</translation>
    </message>
    <message>
        <source>语言设置将在下次启动本程序时生效。</source>
        <translation>The language setting takes effect the next time the program starts.</translation>
    </message>
    <message>
        <source>您确认要退出系统吗？</source>
        <translation>Do you really want to exit?</translation>
    </message>
    <message>
        <source>ZELTRON－存储器编程器软件 V3.0        %1</source>
        <extracomment>%1 is the service telephone line.</extracomment>
        <translation>ZELTRON Memory Programmer Software V3.0        %1</translation>
    </message>
    <message>
        <source>联机使用</source>
        <translation>Use Online</translation>
    </message>
    <message>
        <source>脱机使用</source>
        <translation>Use Offline</translation>
    </message>
    <message>
        <source>正在联机，请稍候- - - - - </source>
        <translation>Connecting, please wait- - - - - </translation>
    </message>
    <message>
        <source>编程器软件程序已经在运行，不能再次运行！！！</source>
        <translation>The programmer software is already running and cannot be started twice!</translation>
    </message>
    <message>
        <source>操作未成功，可能有以下原因：
1.编程器USB编程电缆没有连接，
2.若编程器已连接送电，重新插拔一次USB编程电缆，再测试！！
3.芯片型号选择错误，注意（24C02－24C16）和（24C32－24C64）的芯片不能互换！！,93C46-93C86之间也不要互相代换！！</source>
        <translation>The operation did not succeed. Possible reasons:
1. The programmer&apos;s USB cable is not connected.
2. If the programmer is connected and powered, unplug and replug the USB cable once, then test again!
3. The wrong chip model is chosen: note that chips of 24C02-24C16 and of 24C32-24C64 cannot replace each other, and neither can chips between 93C46 and 93C86!</translation>
    </message>
    <message>
        <source>请输入要查找的十六进制数据，如 0A 1B 2C；
查找文本请加引号，如 &quot;ABC&quot;：</source>
        <translation>Enter the hexadecimal data to find, e.g. 0A 1B 2C;
put text in quotes, e.g. &quot;ABC&quot;:</translation>
    </message>
</context>
</TS>
