#include "support/cli_process.h"

#include "support/test_files.h"

namespace CliProcess {

void start(QProcess &tool, const QStringList &arguments) {
    tool.start(CLI_PATH, arguments);
}

Run finish(QProcess &tool) {
    Run run;
    if (!tool.waitForFinished(60000))
        tool.kill();
    run.code = tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    run.out = QString::fromUtf8(tool.readAllStandardOutput());
    run.err = QString::fromUtf8(tool.readAllStandardError());
    return run;
}

Run run(const QStringList &arguments) {
    QProcess tool;
    start(tool, arguments);
    return finish(tool);
}

Run runWith(const QString &program, const QStringList &arguments,
            const QMap<QString, QString> &variables) {
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (auto it = variables.begin(); it != variables.end(); ++it)
        environment.insert(it.key(), it.value());
    tool.setProcessEnvironment(environment);
    tool.start(program, arguments);
    return finish(tool);
}

}  // namespace CliProcess

PtyBox::PtyBox(const QStringList &more, const QByteArray &chip, const QByteArray &chip02) {
    if (!chip.isEmpty())
        setChip("24C64", chip);
    if (!chip02.isEmpty() || !chip.isEmpty())
        setChip("24C02", chip02.isEmpty() ? chip.left(256) : chip02);
    started = start(more);
}

bool PtyBox::start(const QStringList &more) {
    return emulator.start(QStringList{"--link", path(), "--log", log(), "--image",
                                      "24C64=" + dir.filePath("24C64.bin"), "--image",
                                      "24C02=" + dir.filePath("24C02.bin")} +
                          more);
}

int PtyBox::frames() const {
    return int(TestFiles::readFile(log()).count('\n'));
}

QByteArray PtyBox::chip(const char *model) {
    emulator.terminate();
    return TestFiles::readFile(dir.filePath(QLatin1String(model) + ".bin"));
}

void PtyBox::setChip(const char *model, const QByteArray &bytes) {
    TestFiles::writeFile(dir.filePath(QLatin1String(model) + ".bin"), bytes);
}
