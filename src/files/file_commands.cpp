#include "files/file_commands.h"

#include "chips/chip_state.h"
#include "files/bin_file.h"
#include "windows/dialogs.h"
#include "windows/texts.h"

FileCommands::FileCommands(ChipState &state, Dialogs &dialogs) : state_(state), dialogs_(dialogs) {}

void FileCommands::fopen_Click() {
    // A load would replace the buffer under the running operation.
    if (state_.operationRunning())
        return;
    const QString path = dialogs_.openFile(Texts::OpenTitle, Texts::FileFilter);
    if (path.isEmpty() || state_.operationRunning())
        return;
    const int model = selectedModel();
    const qint32 capacity = state_.ModelCapacity.at(static_cast<size_t>(model));
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
    state_.DataBuffer = loaded.buffer;
    state_.UnsavedEdits = false;
    showpage();
    setStatus(Texts::EditingStatus + path + Texts::FileSizeStatus + QLatin1Char(' ') +
              QString::number(loaded.length) + Texts::Bytes);
}

void FileCommands::fsave_Click() {
    Dialogs::SaveOptions options;
    options.overwritePrompt = true;
    options.createPrompt = true;
    options.noChangeDir = true;
    const QString path = dialogs_.saveFile(Texts::SaveTitle, Texts::FileFilter, options);
    if (path.isEmpty())
        return;
    if (BinFile::save(path, state_.DataBuffer))
        state_.UnsavedEdits = false;
    else
        dialogs_.warning(Texts::SaveFailedBegin + path + Texts::SaveFailedEnd);
}
