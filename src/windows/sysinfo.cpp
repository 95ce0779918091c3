#include "windows/sysinfo.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <utility>

#include "messages/dialogs.h"
#include "messages/info_texts.h"
#include "windows/registry.h"

SysInfoLauncher::SysInfoLauncher(Registry &registry, Dialogs &dialogs)
    : SysInfoLauncher(registry, dialogs, &SysInfoLauncher::fileExists,
                      &SysInfoLauncher::startDetached) {}

SysInfoLauncher::SysInfoLauncher(Registry &registry, Dialogs &dialogs, FileExists fileExists,
                                 Starter start)
    : registry_(registry),
      dialogs_(dialogs),
      fileExists_(std::move(fileExists)),
      start_(std::move(start)) {}

void SysInfoLauncher::StartSysInfo() {
    const std::optional<QString> path = toolPath();
    if (path && start_(*path))
        return;
    // An empty title: the dialogs show the application's title.
    dialogs_.message(InfoTexts::SysInfoUnavailable(), QString(), Dialogs::Icon::None,
                     Dialogs::Buttons::Ok);
}

std::optional<QString> SysInfoLauncher::toolPath() {
    // A "PATH" value of an unexpected type still counts as found: the empty
    // path then fails to start, and the second key is not tried.
    QString path;
    if (GetKeyValue(registry_, Registry::HKeyLocalMachine, QLatin1String(InfoKey),
                    QLatin1String(InfoValue), path))
        return path;

    QString folder;
    if (GetKeyValue(registry_, Registry::HKeyLocalMachine, QLatin1String(LocationKey),
                    QLatin1String(LocationValue), folder)) {
        path = folder + QLatin1String(ToolFile);
        if (fileExists_(path))
            return path;
        return std::nullopt;
    }

#ifndef Q_OS_WIN
    for (const QString &tool : desktopTools()) {
        path = QStandardPaths::findExecutable(tool);
        if (!path.isEmpty())
            return path;
    }
#endif
    return std::nullopt;
}

QStringList SysInfoLauncher::desktopTools() {
    return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor"), QStringLiteral("xfce4-taskmanager")};
}

bool SysInfoLauncher::fileExists(const QString &path) {
    return QFileInfo(path).isFile();
}

bool SysInfoLauncher::startDetached(const QString &path) {
    if (path.isEmpty())
        return false;
    return QProcess::startDetached(path, QStringList());
}
