// Writes the program's icon as a PNG file: makeicon <side> <output.png>.
#include "info/pictures.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <side> <output.png>\n", argv[0]);
        return 2;
    }
    const int side = QString::fromLocal8Bit(argv[1]).toInt();
    if (side < 16 || side > 512) {
        std::fprintf(stderr, "side must be from 16 to 512 pixels\n");
        return 2;
    }
    if (!info::iconImage(side).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
