#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class Dialogs;
class Registry;

// The about window's system information button: finds the operating system's
// information tool, starts it without waiting for it, and tells the user when
// there is none.
class SysInfoLauncher {
public:
    using FileExists = std::function<bool(const QString &path)>;
    // Starts the program at path as an independent process; false if it could not.
    using Starter = std::function<bool(const QString &path)>;

    static constexpr char InfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    static constexpr char InfoValue[] = "PATH";
    static constexpr char LocationKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
    static constexpr char LocationValue[] = "MSINFO";
    static constexpr char ToolFile[] = "\\MSINFO32.EXE";

    // Checks files on disk and starts the tool as a detached process.
    SysInfoLauncher(Registry &registry, Dialogs &dialogs);
    SysInfoLauncher(Registry &registry, Dialogs &dialogs, FileExists fileExists, Starter start);

    void StartSysInfo();

    // Tools looked for on the PATH where the registry has no answer (not on Windows).
    static QStringList desktopTools();

    static bool fileExists(const QString &path);
    static bool startDetached(const QString &path);

private:
    // The path to start, or nothing when there is no tool to try.
    std::optional<QString> toolPath();

    Registry &registry_;
    Dialogs &dialogs_;
    FileExists fileExists_;
    Starter start_;
};
