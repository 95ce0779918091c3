#pragma once

#include <QStringList>

// The program's only option: --port PATH, repeatable, naming serial devices to
// try before the usual ones.
QStringList explicitPorts(const QStringList &arguments);
