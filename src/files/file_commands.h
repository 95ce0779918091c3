#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "chips/byte_marks.h"
#include "files/file_places.h"
#include "files/image_compare.h"
#include "messages/dialogs.h"

class ChipBuffer;

// "打开文件" and "保存文件": the buffer to and from image files (.BIN, Intel
// HEX, S-records); and the buffer compared with a file.
class FileCommands : public QObject {
    Q_OBJECT

public:
    FileCommands(ChipBuffer &buffer, Dialogs &dialogs, QObject *parent = nullptr);

    // With a path (the command line's, a dropped file, a recent one), that
    // file is loaded as if chosen in the dialog: the same checks and texts.
    void open(const QString &given = QString());
    // True once the whole buffer is in the chosen file.
    bool save();
    // Edits neither saved nor written are about to go: "保存" saves them first
    // (going on only once the file is written), "不保存" lets them go, "取消"
    // keeps everything. True when the caller may go on.
    bool askToSaveEdits();
    // Reports how the buffer differs from a chosen file and marks the bytes
    // that differ until the buffer next changes. Nothing when cancelled.
    std::optional<ImageCompare::Result> compare();

    // The bytes the last comparison found different; empty once the buffer
    // has changed since.
    const ByteMarks &differences() const { return differences_; }
    // The folder and the file the dialogs start with.
    FilePlaces &places() { return places_; }

    // A file's format: the chosen filter entry's, where it names one (HEX or
    // S-records), otherwise the name's extension's.
    static ImageFormats::Format formatOf(const Dialogs::FileChoice &choice);

signals:
    void statusChanged(const QString &text);

private:
    void openBin(const QString &path);

    ChipBuffer &buffer_;
    Dialogs &dialogs_;
    ByteMarks differences_;
    FilePlaces places_;
};
