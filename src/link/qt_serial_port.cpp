#include "link/qt_serial_port.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#include <cerrno>
#endif
#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

QtSerialPort::QtSerialPort(PortNumbering numbering, QObject *parent)
    : SerialPort(parent), numbering_(std::move(numbering)) {
    connect(&port_, &QSerialPort::readyRead, this, [this] { announceBytes(); });
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialPort::onError);
}

bool QtSerialPort::applySettings() {
    const QString device = numbering_.device(number_);
    if (device.isEmpty())
        return false;
    if (!port_.isOpen())
        port_.setPortName(device);
    const bool ok = port_.setBaudRate(57600) && port_.setDataBits(QSerialPort::Data8) &&
                    port_.setParity(QSerialPort::NoParity) &&
                    port_.setStopBits(QSerialPort::OneStop) &&
                    port_.setFlowControl(QSerialPort::NoFlowControl);
    port_.setReadBufferSize(1200);
    setReceiveThreshold(1);
    if (port_.isOpen())
        clearBuffers();
    return ok;
}

bool QtSerialPort::open() {
    if (port_.isOpen())
        return true;
    const QString device = numbering_.device(number_);
    if (device.isEmpty()) {
        setOpenFailure(OpenFailure::Missing);
        return false;
    }
    port_.setPortName(device);
    if (!port_.open(QIODevice::ReadWrite)) {
        setOpenFailure(failureOf(port_.error(), device));
        port_.clearError();
        return false;
    }
    setOpenFailure(OpenFailure::None);
#ifdef Q_OS_LINUX
    // Without it an FTDI adapter holds each reply for its 16 ms latency timer.
    if (lowLatency_)
        lowLatency_(port_.handle());
#endif
    // Bytes queued in the device before opening would otherwise be delivered.
    clearBuffers();
    return true;
}

SerialPort::OpenFailure QtSerialPort::failureOf(QSerialPort::SerialPortError error,
                                                const QString &device) {
    switch (error) {
        case QSerialPort::DeviceNotFoundError:
            return OpenFailure::Missing;
        case QSerialPort::PermissionError:
#ifdef Q_OS_UNIX
            // QSerialPort says "permission" also when another program holds the
            // device (its lock file, TIOCEXCL): the device's own access decides.
            if (::access(QFile::encodeName(device).constData(), R_OK | W_OK) != 0) {
                if (errno == EACCES)
                    return OpenFailure::Denied;
                return errno == ENOENT ? OpenFailure::Missing : OpenFailure::Unusable;
            }
#else
            Q_UNUSED(device)
#endif
            return OpenFailure::Busy;
        default:
            return OpenFailure::Unusable;
    }
}

bool QtSerialPort::requestLowLatency(int descriptor) {
#ifdef Q_OS_LINUX
    serial_struct serial{};
    if (::ioctl(descriptor, TIOCGSERIAL, &serial) != 0)
        return false;
    if (serial.flags & ASYNC_LOW_LATENCY)
        return true;
    serial.flags |= ASYNC_LOW_LATENCY;
    return ::ioctl(descriptor, TIOCSSERIAL, &serial) == 0;
#else
    Q_UNUSED(descriptor)
    return false;
#endif
}

void QtSerialPort::close() {
    if (!port_.isOpen())
        return;
    port_.close();
    port_.clearError();
    emit activity();
}

bool QtSerialPort::isOpen() const {
    return port_.isOpen();
}

bool QtSerialPort::clearBuffers() {
    if (!port_.isOpen())
        return false;
    port_.clear(QSerialPort::AllDirections);
    // clear() is best effort on some adapters; never keep stale bytes.
    port_.readAll();
    return true;
}

bool QtSerialPort::write(const QByteArray &bytes) {
    if (!port_.isOpen())
        return false;
#ifdef Q_OS_UNIX
    // Twelve bytes fit the driver's buffer at once: write them straight to the
    // device. QSerialPort's own buffering would arm and disarm a write
    // notifier for every frame, each costing a wake-up of the event loop.
    if (port_.bytesToWrite() == 0) {
        const char *data = bytes.constData();
        qint64 left = bytes.size();
        while (left > 0) {
            const ssize_t written = ::write(port_.handle(), data, size_t(left));
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                break;
            data += written;
            left -= written;
        }
        if (left == 0)
            return true;
        // The driver took only part (or nothing): queue the rest the Qt way.
        if (port_.write(data, left) != left)
            return false;
        return port_.flush() || port_.isOpen();
    }
#endif
    if (port_.write(bytes) != bytes.size())
        return false;
    // Hand the frame to the driver now rather than on the next event-loop pass.
    port_.flush();
    return port_.isOpen();
}

int QtSerialPort::bytesWaiting() const {
    return port_.isOpen() ? static_cast<int>(port_.bytesAvailable()) : 0;
}

int QtSerialPort::takeByte() {
    char byte = 0;
    if (!port_.isOpen() || !port_.getChar(&byte))
        return -1;
    return static_cast<unsigned char>(byte);
}

void QtSerialPort::onError(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError ||
        error == QSerialPort::NotOpenError || !port_.isOpen())
        return;
    // A vanished device (pulled cable) makes QSerialPort repeat the error
    // without end while the port stays open: report it once and close.
    port_.close();
    port_.clearError();
    emit activity();
    announceLineError();
}
