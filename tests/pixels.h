// Counting colours on canvas images.
#pragma once

#include <QColor>
#include <QImage>

// The pixels of the colour in the columns from fromX up to toX (-1: the right edge).
inline int countColour(const QImage &image, const QColor &c, int fromX = 0, int toX = -1)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = fromX; x < (toX < 0 ? image.width() : toX); ++x)
            n += image.pixelColor(x, y) == c;
    return n;
}

inline int redPixels(const QImage &image) { return countColour(image, QColor(255, 0, 0)); }
