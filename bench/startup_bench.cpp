#include "startup_bench.h"

#include <QApplication>
#include <QPoint>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <ctime>

#include "app/program.h"
#include "windows/form1.h"
#include "windows/form2.h"

namespace Bench {

qint64 monotonicNanos() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

void fail(const QString &why) {
    std::fprintf(stderr, "programmer-bench: %s\n", qPrintable(why));
    std::exit(1);
}

namespace {

// Start-up: a child process starts the program as main() does, chooses
// offline use and reports when the main window has been painted.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget *window, qint64 parentStart) : window_(window), parentStart_(parentStart) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Paint && widget && widget->window() == window_ && !reported_) {
            reported_ = true;
            QTimer::singleShot(0, qApp, [this] {
                std::printf("%lld\n", static_cast<long long>(monotonicNanos() - parentStart_));
                std::fflush(stdout);
                // exit(), not quit(): quit() would close the window, which asks.
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    QWidget *window_;
    qint64 parentStart_;
    bool reported_ = false;
};

}  // namespace

int startupChild(int argc, char *argv[], qint64 parentStart) {
    QApplication app(argc, argv);
    QTemporaryDir lockFolder;
    Program program(QApplication::arguments(), lockFolder.filePath(QStringLiteral("bench.lock")));
    if (!program.mayStart())
        return 1;
    FirstPaint firstPaint(&program.mainWindow(), parentStart);
    app.installEventFilter(&firstPaint);
    program.showStartupWindow();
    QTimer::singleShot(0, &program.startupWindow(),
                       [&program] { program.startupWindow().Command2->click(); });
    return QCoreApplication::exec();
}

// One start-up in a child process whose settings live in `configHome`.
double startupMs(const QString &configHome) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    child.setProcessEnvironment(environment);
    const qint64 start = monotonicNanos();
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--startup-child"), QString::number(start)});
    if (!child.waitForFinished(10000))
        fail(QStringLiteral("start-up child did not finish"));
    return child.readAllStandardOutput().trimmed().toLongLong() / 1e6;
}

// Settings as a user's run leaves them, in `configHome`.
void writeSettings(const QString &configHome) {
    QSettings settings(configHome + QStringLiteral("/ZELTRON/eeprom-programmer.conf"),
                       QSettings::IniFormat);
    settings.setValue(QStringLiteral("model"), QStringLiteral("24C512"));
    settings.setValue(QStringLiteral("folder"), configHome);
    settings.setValue(QStringLiteral("window/position"), QPoint(40, 30));
    QStringList recent;
    for (int i = 1; i <= 8; ++i)
        recent << configHome + QStringLiteral("/image%1.bin").arg(i);
    settings.setValue(QStringLiteral("recentFiles"), recent);
}

}  // namespace Bench
