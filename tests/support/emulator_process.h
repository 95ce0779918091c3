#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// box-emulator run by a test: started with extra arguments, ready once it
// has printed its device path, and always gone when the object is.
class EmulatorProcess {
public:
    EmulatorProcess();
    ~EmulatorProcess();
    EmulatorProcess(const EmulatorProcess &) = delete;
    EmulatorProcess &operator=(const EmulatorProcess &) = delete;

    // Starts box-emulator and waits up to `timeoutMs` for its device path.
    // False, with errorText() saying why, when it did not come.
    bool start(const QStringList &arguments = {}, int timeoutMs = 5000);

    QString devicePath() const { return devicePath_; }
    qint64 pid() const { return process_.processId(); }
    bool isRunning() const { return process_.state() != QProcess::NotRunning; }
    QString errorText() const { return error_; }

    // SIGTERM and wait: the emulator writes its images and removes its link.
    // True when it ended on its own with exit code 0.
    bool terminate(int timeoutMs = 5000);
    // SIGKILL, the cable pulled: the device vanishes at once, nothing is saved.
    void kill();

    // User plus system CPU time of the running emulator, or -1.
    double cpuSeconds() const;

    // User plus system CPU time this process has used so far.
    static double ownCpuSeconds();

private:
    void removeStaleLink();

    QProcess process_;
    QString devicePath_;
    QString link_;
    QString error_;
};
