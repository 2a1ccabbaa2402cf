#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Every position and size of the windows is written in twips, as the layouts
// give them; this is the one place that turns them into pixels.
namespace twips {

inline constexpr int perPixel = 15;

constexpr int toPixels(int value) { return value / perPixel; }

constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

constexpr QSize size(int width, int height) { return QSize(toPixels(width), toPixels(height)); }

// Places a child at its twips position inside its parent's client area.
void place(QWidget *widget, int left, int top, int width, int height);

} // namespace twips
