// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>

#include <cmath>

// Layout and stored positions are in twips: 1/1440 inch, 15 to the pixel at
// 96 dots per inch, which is what Qt's device-independent pixel stands for.
namespace twips {

constexpr int PerPixel = 15;

constexpr int toPixels(double value)
{
    return int(value / PerPixel + (value < 0 ? -0.5 : 0.5));
}

constexpr double fromPixels(double pixels)
{
    return pixels * PerPixel;
}

constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace twips
