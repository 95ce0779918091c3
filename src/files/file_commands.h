#pragma once

#include <functional>

#include <QString>

struct ChipState;
class Dialogs;

// "打开文件" and "保存文件": the buffer to and from raw image files.
class FileCommands {
public:
    FileCommands(ChipState &state, Dialogs &dialogs);

    // Combo1's list index: the capacity of a load is the chosen model's.
    std::function<int()> selectedModel = [] { return 0; };
    std::function<void()> showpage = [] {};
    std::function<void(const QString &)> setStatus = [](const QString &) {};

    void fopen_Click();
    void fsave_Click();

private:
    ChipState &state_;
    Dialogs &dialogs_;
};
