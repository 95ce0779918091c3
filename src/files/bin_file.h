#pragma once

#include <QByteArray>
#include <QString>

// Raw chip images: the buffer's bytes and nothing else.
namespace BinFile {

enum class LoadStatus { Loaded, TooLarge, Unreadable };

struct LoadResult {
    LoadStatus status = LoadStatus::Unreadable;
    QByteArray buffer;  // `capacity` bytes: the file, then FFH
    qint64 length = 0;  // the file's length
};

// Reads a file of at most `capacity` bytes, filling the rest with FFH. A
// longer file is TooLarge, or with `keepHead` gives its first `capacity`
// bytes (its length still its own).
LoadResult load(const QString &path, qint32 capacity, bool keepHead = false);

// Replaces the file with exactly `data`, or leaves it untouched and says so.
bool save(const QString &path, const QByteArray &data);

// A file-size limit (ulimit -f) must fail a save, not kill the program: the
// kernel's SIGXFSZ ends a process by default. Called once at start.
void ignoreFileSizeSignal();

}  // namespace BinFile
