#pragma once

#include <QString>
#include <QStringList>

// Maps the port numbers 1 to 15 to serial devices. On Windows port n is COMn.
// Elsewhere the candidates are the devices named on the command line, then
// the USB adapters, the ACM modems and the built-in ports that exist, each
// family in numeric order; port n is the n-th candidate.
class PortNumbering {
public:
    static constexpr int FirstPort = 1;
    static constexpr int LastPort = 15;

    // No device directory: the named devices alone.
    explicit PortNumbering(QStringList explicitDevices = {},
                           QString deviceDirectory = QStringLiteral("/dev"));

    // The device of port `number`, or an empty text when there is none.
    // Looked up afresh each time: adapters come and go while the program runs.
    QString device(int number) const;
    QStringList candidates() const;

private:
    QStringList explicitDevices_;
    QString deviceDirectory_;
};
