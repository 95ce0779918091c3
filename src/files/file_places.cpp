#include "files/file_places.h"

#include <QFileInfo>

void FilePlaces::chosen(const QString &path) {
    const QString folder = QFileInfo(path).absolutePath();
    if (folder == folder_)
        return;
    folder_ = folder;
    emit folderChanged(folder_);
}

void FilePlaces::used(const QString &path) {
    chosen(path);
    lastFile_ = QFileInfo(path).absoluteFilePath();
    emit fileUsed(lastFile_);
}
