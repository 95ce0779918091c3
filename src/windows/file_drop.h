#pragma once

#include <QObject>

class ChipBuffer;
class FileCommands;
class QMimeData;
class QWidget;

// A file dropped on the window is loaded as "打开文件" loads a chosen one.
// One local file at a time, and none while a chip operation runs.
class FileDrop : public QObject {
    Q_OBJECT

public:
    FileDrop(QWidget *window, FileCommands &files, const ChipBuffer &buffer);

    // The file a drop of `data` would load, or an empty text.
    QString fileOf(const QMimeData *data) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FileCommands &files_;
    const ChipBuffer &buffer_;
};
