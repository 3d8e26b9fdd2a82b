// Writes the program's icon into a hicolor icon theme folder, all from one
// drawing: makeicon <folder> <file.ico> gives <folder>/<n>x<n>/apps/dcsim.png
// for each side in IconSides, <folder>/scalable/apps/dcsim.svg, and the same
// sides in one Windows icon file for the program's resources.
#include "info/pictures.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
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

// A Windows icon file: a directory of the images, then each image as PNG,
// which Windows reads at every size since Vista.
bool writeIco(const QString &fileName)
{
    QList<QByteArray> pngs;
    for (int side : IconSides) {
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        if (!info::iconImage(side).save(&png, "PNG"))
            return false;
        pngs << png.data();
    }
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(pngs.size()); // reserved, type 1 (icon), count
    quint32 offset = 6 + 16 * pngs.size();
    for (qsizetype i = 0; i < pngs.size(); ++i) {
        const int side = IconSides[i];
        // The side as a byte, 0 meaning 256; no palette; one plane of 32 bits.
        out << quint8(side % 256) << quint8(side % 256) << quint8(0) << quint8(0) << quint16(1) << quint16(32)
            << quint32(pngs[i].size()) << offset;
        offset += pngs[i].size();
    }
    for (const QByteArray &png : pngs)
        out.writeRawData(png.constData(), static_cast<int>(png.size()));
    return out.status() == QDataStream::Ok && file.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <icon theme folder> <file.ico>\n", argv[0]);
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    for (int side : IconSides) {
        const QString size = QStringLiteral("%1x%1").arg(side);
        const auto png = [side](const QString &path) { return info::iconImage(side).save(path, "PNG"); };
        if (!writeIcon(theme, size, QStringLiteral("dcsim.png"), png))
            return 1;
    }
    if (!writeIcon(theme, QStringLiteral("scalable"), QStringLiteral("dcsim.svg"), writeSvg))
        return 1;
    if (writeIco(QString::fromLocal8Bit(argv[2])))
        return 0;
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
}
