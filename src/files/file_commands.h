#pragma once

#include <QObject>
#include <QString>

class ChipBuffer;
class Dialogs;

// "打开文件" and "保存文件": the buffer to and from raw image files.
class FileCommands : public QObject {
    Q_OBJECT

public:
    FileCommands(ChipBuffer &buffer, Dialogs &dialogs, QObject *parent = nullptr);

    void open();
    void save();

signals:
    void statusChanged(const QString &text);

private:
    ChipBuffer &buffer_;
    Dialogs &dialogs_;
};
