#pragma once

#include <sys/resource.h>
#include <QByteArray>
#include <QString>
#include <csignal>

namespace TestFiles {

// Bytes that differ from one 256-byte page to the next and from the box's
// erased FFH fill; `seed` shifts them. A shorter one is a prefix of a longer.
QByteArray pattern(int size, int seed = 0);

bool writeFile(const QString &path, const QByteArray &bytes);
// The file's bytes, or an empty array when it cannot be read.
QByteArray readFile(const QString &path);

// Makes the disk "full" after `bytes` bytes for as long as it lives: a
// file-size limit, with the signal it raises ignored so that writes fail.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool active() const { return active_; }

private:
    struct rlimit previous_ {};
    void (*previousHandler_)(int) = SIG_DFL;
    bool active_ = false;
};

}  // namespace TestFiles
