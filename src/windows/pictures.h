#pragma once

#include <QImage>

namespace Pictures {
QImage startupBackground();
}
