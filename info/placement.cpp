#include "info/placement.h"

#include <cmath>

namespace info {

namespace {

constexpr float TwipsPerPixel = 15.0f;

float twips(int pixels)
{
    return static_cast<float>(pixels) * TwipsPerPixel;
}

int pixels(float twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

} // namespace

QPoint centredOn(const QRect &main, const QSize &outer)
{
    const float left = (twips(main.width()) - twips(outer.width())) / 2.0f + twips(main.x());
    const float top = (twips(main.height()) - twips(outer.height())) / 2.0f + twips(main.y());
    return {pixels(left), pixels(top)};
}

} // namespace info
