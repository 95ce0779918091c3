#include "windows/registry.h"

#include <QtEndian>
#include <array>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#ifdef Q_OS_WIN

namespace {
// The predefined roots are sign-extended 32-bit values: HKEY_LOCAL_MACHINE is
// 0xFFFFFFFF80000002 in a 64-bit process.
HKEY rootHandle(quint32 root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}
}  // namespace

qint32 SystemRegistry::openKey(quint32 root, const QByteArray &keyPath, quint32 access,
                               Handle &key) {
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExA(rootHandle(root), keyPath.constData(), 0, access, &opened);
    key = reinterpret_cast<Handle>(opened);
    return status;
}

qint32 SystemRegistry::queryValue(Handle key, const QByteArray &valueName, quint32 &type,
                                  char *data, quint32 &dataSize) {
    DWORD valueType = 0;
    DWORD size = dataSize;
    const LONG status =
        RegQueryValueExA(reinterpret_cast<HKEY>(key), valueName.constData(), nullptr, &valueType,
                         reinterpret_cast<LPBYTE>(data), &size);
    type = valueType;
    dataSize = size;
    return status;
}

qint32 SystemRegistry::closeKey(Handle key) {
    return RegCloseKey(reinterpret_cast<HKEY>(key));
}

#else

qint32 SystemRegistry::openKey(quint32, const QByteArray &, quint32, Handle &key) {
    key = 0;
    return ErrorFileNotFound;
}

qint32 SystemRegistry::queryValue(Handle, const QByteArray &, quint32 &, char *, quint32 &) {
    return ErrorFileNotFound;
}

qint32 SystemRegistry::closeKey(Handle) {
    return ErrorSuccess;
}

#endif

bool GetKeyValue(Registry &registry, quint32 KeyRoot, const QString &KeyName,
                 const QString &SubKeyRef, QString &KeyVal) {
    Registry::Handle key = 0;
    if (registry.openKey(KeyRoot, KeyName.toLocal8Bit(), Registry::KeyRead, key) !=
        Registry::ErrorSuccess) {
        KeyVal.clear();
        return false;
    }

    std::array<char, 1024> buffer{};
    quint32 size = buffer.size();
    quint32 type = 0;
    if (registry.queryValue(key, SubKeyRef.toLocal8Bit(), type, buffer.data(), size) !=
        Registry::ErrorSuccess) {
        KeyVal.clear();
        registry.closeKey(key);
        return false;
    }

    // Text values usually carry their terminating NUL in their size.
    const int length = int(qMin<quint32>(size, buffer.size()));
    QByteArray bytes(buffer.data(), length);
    if (!bytes.isEmpty() && bytes.back() == '\0')
        bytes.chop(1);

    if (type == Registry::RegSz)
        KeyVal = QString::fromLocal8Bit(bytes);
    else if (type == Registry::RegDword)
        KeyVal = QString::number(qFromLittleEndian<quint32>(buffer.data()));

    registry.closeKey(key);
    return true;
}
