#pragma once

#include <QObject>
#include <QString>

// Where the file dialogs start: the open dialogs in the folder last used,
// the save dialog with the name of the file last loaded or saved, so that
// saving back is one Enter.
class FilePlaces : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    const QString &folder() const { return folder_; }
    const QString &lastFile() const { return lastFile_; }
    // Where the save dialog starts: the last file, or else the folder.
    QString saveStart() const { return lastFile_.isEmpty() ? folder_ : lastFile_; }

    // A folder remembered from an earlier run; told to nobody.
    void setFolder(const QString &folder) { folder_ = folder; }
    // A file was chosen in a dialog: its folder is the next start.
    void chosen(const QString &path);
    // A file was loaded or saved.
    void used(const QString &path);

signals:
    void folderChanged(const QString &folder);
    void fileUsed(const QString &path);

private:
    QString folder_;
    QString lastFile_;
};
