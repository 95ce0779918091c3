#include "files/bin_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace BinFile {

LoadResult load(const QString &path, qint32 capacity) {
    LoadResult result;
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return result;
    result.length = info.size();
    if (result.length > capacity) {
        result.status = LoadStatus::TooLarge;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    QByteArray bytes = file.read(result.length);
    if (bytes.size() != result.length)
        return result;
    bytes.append(QByteArray(capacity - bytes.size(), '\xFF'));
    result.buffer = bytes;
    result.status = LoadStatus::Loaded;
    return result;
}

bool save(const QString &path, const QByteArray &data) {
    // Written beside the old file and renamed over it only when complete, so
    // a failure (full disk, no permission) leaves the old file as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A write that hits a full disk may come back short without an error.
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

}  // namespace BinFile
