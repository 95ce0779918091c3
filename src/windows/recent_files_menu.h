#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class ChipBuffer;
class Dialogs;
class FileCommands;
class QMenu;

// "最近打开的文件": the files last loaded or saved, newest first, each loaded
// again as "打开文件" loads it. A file that has gone is said to be missing
// and leaves the list. Unavailable while a chip operation runs, as "打开" is.
class RecentFilesMenu : public QObject {
    Q_OBJECT

public:
    static constexpr int Size = 8;

    RecentFilesMenu(QMenu *menu, FileCommands &files, ChipBuffer &buffer, Dialogs &dialogs,
                    QObject *parent = nullptr);

    const QStringList &paths() const { return paths_; }
    void setPaths(const QStringList &paths);
    void add(const QString &path);
    void open(int index);

signals:
    void changed(const QStringList &paths);

private:
    void show();

    QPointer<QMenu> menu_;
    FileCommands &files_;
    ChipBuffer &buffer_;
    Dialogs &dialogs_;
    QStringList paths_;
};
