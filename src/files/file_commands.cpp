#include "files/file_commands.h"

#include "chips/chip_buffer.h"
#include "files/bin_file.h"
#include "files/image_formats.h"
#include "messages/format_texts.h"
#include "messages/texts.h"

FileCommands::FileCommands(ChipBuffer &buffer, Dialogs &dialogs, QObject *parent)
    : QObject(parent), buffer_(buffer), dialogs_(dialogs) {
    // Marks name positions of the buffer as it was compared.
    connect(&buffer_, &ChipBuffer::replaced, &differences_, &ByteMarks::clear);
    connect(&buffer_, &ChipBuffer::bytesChanged, &differences_, &ByteMarks::clear);
}

ImageFormats::Format FileCommands::formatOf(const Dialogs::FileChoice &choice) {
    const ImageFormats::Format byEntry = ImageFormats::formatForFilter(choice.entry);
    return byEntry != ImageFormats::Format::Binary ? byEntry
                                                   : ImageFormats::formatForName(choice.path);
}

void FileCommands::open(const QString &given) {
    // A load would replace the buffer under the running operation.
    if (buffer_.locked() || !buffer_.mayDiscard())
        return;
    Dialogs::FileChoice choice{given, QString()};
    if (given.isEmpty()) {
        dialogs_.startAt(places_.folder());
        choice = dialogs_.openFileAs(Texts::OpenTitle(), Texts::FileFilter(),
                                     FormatTexts::ImageEntries());
    }
    const QString &path = choice.path;
    if (path.isEmpty() || buffer_.locked())
        return;
    places_.chosen(path);
    const ImageFormats::Format format = formatOf(choice);
    if (format == ImageFormats::Format::Binary) {
        openBin(path);
        return;
    }
    const ImageFormats::LoadResult loaded =
        ImageFormats::load(path, buffer_.capacityOf(buffer_.ChipCode()), format);
    if (loaded.status != ImageFormats::LoadStatus::Loaded) {
        dialogs_.warning(ImageFormats::failureText(path, loaded.status, loaded.line));
        return;
    }
    buffer_.replace(loaded.buffer);
    places_.used(path);
    const QString name = format == ImageFormats::Format::IntelHex ? FormatTexts::IntelHexName()
                                                                  : FormatTexts::SRecordName();
    emit statusChanged(
        FormatTexts::FormatStatus().arg(path, name, QString::number(loaded.dataBytes)));
}

void FileCommands::openBin(const QString &path) {
    const qint32 capacity = buffer_.capacityOf(buffer_.ChipCode());
    const BinFile::LoadResult loaded = BinFile::load(path, capacity);
    switch (loaded.status) {
        case BinFile::LoadStatus::TooLarge:
            dialogs_.message(Texts::FileTooLarge(), Texts::NoticeTitle(), Dialogs::Icon::Warning,
                             Dialogs::Buttons::Ok);
            return;
        case BinFile::LoadStatus::Unreadable:
            dialogs_.warning(Texts::LoadFailed().arg(path));
            return;
        case BinFile::LoadStatus::Loaded:
            break;
    }
    buffer_.replace(loaded.buffer);
    places_.used(path);
    emit statusChanged(Texts::EditingStatus().arg(path, QString::number(loaded.length)));
}

bool FileCommands::askToSaveEdits() {
    switch (dialogs_.message(Texts::UnsavedEditsQuestion(), Texts::QuestionTitle(),
                             Dialogs::Icon::Question, Dialogs::Buttons::SaveDiscardCancel)) {
        case Dialogs::Answer::Save:
            return save();
        case Dialogs::Answer::Discard:
            return true;
        default:
            return false;
    }
}

bool FileCommands::save() {
    Dialogs::SaveOptions options;
    options.overwritePrompt = true;
    options.createPrompt = true;
    options.noChangeDir = true;
    dialogs_.startAt(places_.saveStart());
    const Dialogs::FileChoice choice = dialogs_.saveFileAs(Texts::SaveTitle(), Texts::FileFilter(),
                                                           FormatTexts::ImageEntries(), options);
    if (choice.path.isEmpty())
        return false;
    places_.chosen(choice.path);
    if (!ImageFormats::save(choice.path, buffer_.DataBuffer(), formatOf(choice))) {
        dialogs_.warning(Texts::SaveFailed().arg(choice.path));
        return false;
    }
    buffer_.markSaved();
    places_.used(choice.path);
    return true;
}

std::optional<ImageCompare::Result> FileCommands::compare() {
    dialogs_.startAt(places_.folder());
    const Dialogs::FileChoice choice = dialogs_.openFileAs(
        FormatTexts::CompareTitle(), Texts::FileFilter(), FormatTexts::ImageEntries());
    if (choice.path.isEmpty())
        return std::nullopt;
    places_.chosen(choice.path);
    const ImageCompare::Result result =
        ImageCompare::compare(buffer_.DataBuffer(), choice.path, formatOf(choice));
    if (!result.loaded()) {
        // Marks of an earlier file would pass for this one's.
        differences_.clear();
        dialogs_.warning(ImageFormats::failureText(choice.path, result.status, result.line));
        return result;
    }
    // Marked before the box, so that the view behind it shows them.
    differences_.assign(result.differing);
    const QString report = ImageCompare::report(choice.path, result);
    if (result.count == 0)
        dialogs_.information(report);
    else
        dialogs_.warning(report);
    return result;
}
