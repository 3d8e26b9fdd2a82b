// Counting colours on canvas images, and lines of text on a control.
#pragma once

#include <QColor>
#include <QImage>
#include <QList>

#include <algorithm>

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

// The lines of text an image shows: bands of rows with dark ink at least a third as tall as the
// tallest (a letter's dots above it are not a line of their own), blank rows between them.
inline int inkLines(const QImage &image)
{
    QList<int> bands{0};
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x)
            ink = qGray(image.pixel(x, y)) < 128;
        if (ink)
            ++bands.last();
        else if (bands.last() > 0)
            bands << 0;
    }
    const int tallest = *std::max_element(bands.begin(), bands.end());
    return int(std::count_if(bands.begin(), bands.end(), [tallest](int band) { return 3 * band >= tallest; }));
}
