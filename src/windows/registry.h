#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The three registry calls the system information button needs, in the shape
// of the ANSI Windows functions RegOpenKeyExA, RegQueryValueExA and
// RegCloseKey, so that tests can stand in a registry of their own.
class Registry {
public:
    using Handle = quintptr;

    static constexpr quint32 HKeyLocalMachine = 0x80000002u;
    static constexpr quint32 KeyRead = 0x20019u;  // KEY_READ: a normal user may not ask for more
    static constexpr qint32 ErrorSuccess = 0;
    static constexpr qint32 ErrorFileNotFound = 2;
    static constexpr quint32 RegSz = 1;
    static constexpr quint32 RegBinary = 3;
    static constexpr quint32 RegDword = 4;

    virtual ~Registry() = default;

    // Key paths and value names are in the local 8-bit code page, as the ANSI
    // functions take them. Each call returns a Windows status code.
    virtual qint32 openKey(quint32 root, const QByteArray &keyPath, quint32 access,
                           Handle &key) = 0;
    // data holds dataSize bytes on entry; on success dataSize is the value's size.
    virtual qint32 queryValue(Handle key, const QByteArray &valueName, quint32 &type, char *data,
                              quint32 &dataSize) = 0;
    virtual qint32 closeKey(Handle key) = 0;
};

// The machine's registry on Windows; elsewhere a registry that holds no key.
class SystemRegistry final : public Registry {
public:
    qint32 openKey(quint32 root, const QByteArray &keyPath, quint32 access, Handle &key) override;
    qint32 queryValue(Handle key, const QByteArray &valueName, quint32 &type, char *data,
                      quint32 &dataSize) override;
    qint32 closeKey(Handle key) override;
};

// Reads one value below KeyRoot\KeyName. Text values come back as they are,
// 32-bit numbers in decimal; a value of any other type leaves KeyVal as it
// was. On failure KeyVal is emptied. A key that was opened is always closed.
bool GetKeyValue(Registry &registry, quint32 KeyRoot, const QString &KeyName,
                 const QString &SubKeyRef, QString &KeyVal);
