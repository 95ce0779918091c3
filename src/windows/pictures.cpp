#include "windows/pictures.h"

namespace Pictures {
QImage startupBackground()
{
    QImage image(497, 330, QImage::Format_RGB888);
    image.fill(QColor(230, 238, 248));
    return image;
}
}  // namespace Pictures
