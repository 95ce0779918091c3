#pragma once

#include <QString>

// The terminal of the command line: results on stdout, messages on stderr,
// and a progress line on stderr only while stderr is a terminal.
class Console {
public:
    explicit Console(bool quiet = false);

    bool quiet() const { return quiet_; }
    void setQuiet(bool quiet) { quiet_ = quiet; }

    // A result: stdout, always.
    void result(const QString &text);
    // Bytes for another program (an export): stdout as they are.
    void raw(const QByteArray &bytes);
    // Something the user should know: stderr, unless quiet.
    void note(const QString &text);
    // Something that went wrong: stderr, always.
    void error(const QString &text);
    // Replaces the progress line; nothing when stderr is no terminal or quiet.
    void progress(const QString &line);
    bool showsProgress() const { return terminal_ && !quiet_; }

private:
    void endProgressLine();
    static void write(int fd, const QString &text);
    static void write(int fd, const QByteArray &bytes);

    bool quiet_;
    bool terminal_;
    bool lineOpen_ = false;
};
