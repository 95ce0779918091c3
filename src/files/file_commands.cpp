#include "files/file_commands.h"

#include "chips/chip_buffer.h"
#include "files/bin_file.h"
#include "messages/dialogs.h"
#include "messages/texts.h"

FileCommands::FileCommands(ChipBuffer &buffer, Dialogs &dialogs, QObject *parent)
    : QObject(parent), buffer_(buffer), dialogs_(dialogs) {}

void FileCommands::open() {
    // A load would replace the buffer under the running operation.
    if (buffer_.locked())
        return;
    const QString path = dialogs_.openFile(Texts::OpenTitle, Texts::FileFilter);
    if (path.isEmpty() || buffer_.locked())
        return;
    const qint32 capacity = buffer_.capacityOf(buffer_.ChipCode());
    const BinFile::LoadResult loaded = BinFile::load(path, capacity);
    switch (loaded.status) {
        case BinFile::LoadStatus::TooLarge:
            dialogs_.message(Texts::FileTooLarge, Texts::NoticeTitle, Dialogs::Icon::Warning,
                             Dialogs::Buttons::Ok);
            return;
        case BinFile::LoadStatus::Unreadable:
            dialogs_.warning(Texts::LoadFailedBegin + path + Texts::LoadFailedEnd);
            return;
        case BinFile::LoadStatus::Loaded:
            break;
    }
    buffer_.replace(loaded.buffer);
    emit statusChanged(Texts::EditingStatus + path + Texts::FileSizeStatus + QLatin1Char(' ') +
                       QString::number(loaded.length) + Texts::Bytes);
}

void FileCommands::save() {
    Dialogs::SaveOptions options;
    options.overwritePrompt = true;
    options.createPrompt = true;
    options.noChangeDir = true;
    const QString path = dialogs_.saveFile(Texts::SaveTitle, Texts::FileFilter, options);
    if (path.isEmpty())
        return;
    if (BinFile::save(path, buffer_.DataBuffer()))
        buffer_.markSaved();
    else
        dialogs_.warning(Texts::SaveFailedBegin + path + Texts::SaveFailedEnd);
}
