#include "files/bin_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <csignal>

namespace BinFile {

LoadResult load(const QString &path, qint32 capacity, bool keepHead) {
    LoadResult result;
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return result;
    result.length = info.size();
    if (result.length > capacity && !keepHead) {
        result.status = LoadStatus::TooLarge;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    const qint64 wanted = qMin<qint64>(result.length, capacity);
    QByteArray bytes = file.read(wanted);
    if (bytes.size() != wanted)
        return result;
    bytes.append(QByteArray(capacity - bytes.size(), '\xFF'));
    result.buffer = bytes;
    result.status = LoadStatus::Loaded;
    return result;
}

bool save(const QString &path, const QByteArray &data) {
    // A FIFO or a device is not an image file: never replace it with one.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return false;
    // Written beside the old file and renamed over it only when complete, so
    // a failure (full disk, no permission) leaves the old file as it was. In
    // a folder the user may not write, a writable file is written in place.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // QSaveFile buffers: write() may report every byte taken while the disk
    // takes fewer, and commit() does not say so. Check the flush too.
    if (file.write(data) != data.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

void ignoreFileSizeSignal() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

}  // namespace BinFile
