// program-icon: writes the program's chip picture into an icon theme folder,
// as PNGs and as SVG, from the painting code of the program's window icon.
//
//   program-icon THEME_DIR ICON_NAME SIZE...
//
// writes THEME_DIR/scalable/apps/ICON_NAME.svg and, for each SIZE N,
// THEME_DIR/NxN/apps/ICON_NAME.png.

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "windows/pictures.h"

namespace {

constexpr int SvgSize = 64;

bool writePng(const QString &themeDir, const QString &name, int size) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(themeDir).arg(size);
    return QDir().mkpath(folder) &&
           Pictures::programIconImage(size).save(folder + '/' + name + ".png", "PNG");
}

bool writeSvg(const QString &themeDir, const QString &name) {
    const QString folder = themeDir + QStringLiteral("/scalable/apps");
    if (!QDir().mkpath(folder))
        return false;
    QSvgGenerator svg;
    svg.setFileName(folder + '/' + name + ".svg");
    svg.setSize(QSize(SvgSize, SvgSize));
    svg.setViewBox(QRect(0, 0, SvgSize, SvgSize));
    svg.setResolution(96);  // one unit, one CSS pixel
    svg.setTitle(QStringLiteral("存储器编程器软件"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    Pictures::paintProgramIcon(painter, SvgSize);
    return painter.end();
}

}  // namespace

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    QList<int> sizes;
    for (const QString &argument : arguments.mid(3))
        sizes << argument.toInt();  // 0 when not a number
    if (sizes.isEmpty() || sizes.contains(0)) {
        std::fputs("usage: program-icon THEME_DIR ICON_NAME SIZE...\n", stderr);
        return 2;
    }
    const QString &themeDir = arguments.at(1);
    const QString &name = arguments.at(2);
    bool written = writeSvg(themeDir, name);
    for (int size : sizes)
        written = writePng(themeDir, name, size) && written;
    if (!written) {
        std::fprintf(stderr, "program-icon: cannot write the icons into %s\n",
                     qPrintable(themeDir));
        return 1;
    }
    return 0;
}
