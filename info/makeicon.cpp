// Writes the program's icon into a hicolor icon theme folder, all from one
// drawing: makeicon <folder> gives <folder>/<n>x<n>/apps/dcsim.png for each
// side in IconSides and <folder>/scalable/apps/dcsim.svg.
#include "info/pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>
#include <functional>

namespace {

// The sizes that desktops ask a theme for most.
constexpr int IconSides[] = {16, 32, 48, 64, 128, 256};

// The scalable icon's own size; the detailed drawing, as at the large sides.
constexpr int ScalableSide = 256;

bool writeSvg(const QString &fileName)
{
    QSvgGenerator svg;
    svg.setFileName(fileName);
    svg.setSize(QSize(ScalableSide, ScalableSide));
    svg.setViewBox(QRect(0, 0, ScalableSide, ScalableSide));
    svg.setResolution(96); // so that its size reads as 256 CSS pixels
    svg.setTitle(QStringLiteral("dcsim"));
    svg.setDescription(QStringLiteral("Замкнутая цепь постоянного тока"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    info::paintIcon(p, ScalableSide);
    return p.end();
}

bool writeIcon(const QDir &theme, const QString &size, const QString &name,
               const std::function<bool(const QString &)> &write)
{
    const QString folder = size + QStringLiteral("/apps");
    const QString path = theme.filePath(folder + QLatin1Char('/') + name);
    if (theme.mkpath(folder) && write(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <icon theme folder>\n", argv[0]);
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    for (int side : IconSides) {
        const QString size = QStringLiteral("%1x%1").arg(side);
        const auto png = [side](const QString &path) { return info::iconImage(side).save(path, "PNG"); };
        if (!writeIcon(theme, size, QStringLiteral("dcsim.png"), png))
            return 1;
    }
    return writeIcon(theme, QStringLiteral("scalable"), QStringLiteral("dcsim.svg"), writeSvg) ? 0 : 1;
}
