#pragma once

#include <QString>

// What the benchmark's sections share, and its start-up figures: a child
// process starts the program as main() does, with settings of its own, and
// reports when the main window has been painted.
namespace Bench {

qint64 monotonicNanos();
// Ends the benchmark, saying why.
[[noreturn]] void fail(const QString &why);

// The child's side: run when started with --startup-child START.
int startupChild(int argc, char *argv[], qint64 parentStart);
// One start-up in a child process whose settings live in `configHome`.
double startupMs(const QString &configHome);
// Settings as a user's run leaves them, in `configHome`.
void writeSettings(const QString &configHome);

}  // namespace Bench
