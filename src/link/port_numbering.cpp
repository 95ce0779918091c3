#include "link/port_numbering.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>

namespace {

// ttyUSB0, ttyUSB1, ..., ttyUSB10: numeric, not alphabetical, order.
QStringList devicesOfFamily(const QString &directory, const QString &prefix) {
    const QRegularExpression pattern(QLatin1Char('^') + prefix + QLatin1String("(\\d+)$"));
    QList<QPair<int, QString>> found;
    const QStringList names =
        QDir(directory).entryList({prefix + QLatin1Char('*')}, QDir::System | QDir::Files);
    for (const QString &name : names) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (match.hasMatch())
            found.append({match.captured(1).toInt(), directory + QLatin1Char('/') + name});
    }
    std::sort(found.begin(), found.end());
    QStringList paths;
    for (const auto &entry : found)
        paths << entry.second;
    return paths;
}

}  // namespace

PortNumbering::PortNumbering(QStringList explicitDevices, QString deviceDirectory)
    : explicitDevices_(std::move(explicitDevices)), deviceDirectory_(std::move(deviceDirectory)) {}

QStringList PortNumbering::candidates() const {
#ifdef Q_OS_WIN
    QStringList ports;
    for (int n = FirstPort; n <= LastPort; ++n)
        ports << QStringLiteral("COM%1").arg(n);
    return ports;
#else
    QStringList ports = explicitDevices_;
    if (deviceDirectory_.isEmpty())
        return ports;
    for (const char *family : {"ttyUSB", "ttyACM", "ttyS"})
        ports << devicesOfFamily(deviceDirectory_, QLatin1String(family));
    return ports;
#endif
}

QString PortNumbering::device(int number) const {
    if (number < FirstPort || number > LastPort)
        return {};
    const QStringList ports = candidates();
    return number <= ports.size() ? ports.at(number - 1) : QString();
}
