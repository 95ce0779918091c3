#pragma once

#include <sys/resource.h>
#include <QByteArray>
#include <QString>

namespace TestFiles {

// Bytes that differ from one 256-byte page to the next and from the box's
// erased FFH fill; `seed` shifts them. A shorter one is a prefix of a longer.
QByteArray pattern(int size, int seed = 0);

bool writeFile(const QString &path, const QByteArray &bytes);
// The file's bytes, or an empty array when it cannot be read.
QByteArray readFile(const QString &path);

// Makes the disk "full" after `bytes` bytes for as long as it lives: a
// file-size limit. The kernel's SIGXFSZ is left alone: surviving it is the
// program's job (BinFile::ignoreFileSizeSignal at start).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool active() const { return active_; }

private:
    struct rlimit previous_ {};
    bool active_ = false;
};

}  // namespace TestFiles
