#pragma once

#include <QColor>
#include <QRect>

class QPainter;
class QPaintDevice;

// Edges drawn in whole pixels of the screen. At 125 %, 150 % or 175 % one
// pixel of the window's own grid is not a whole number of the screen's: a line
// one window pixel wide comes out doubled, blurred, or not at all at the far
// sides. While a DeviceGrid lives, the painter draws in the screen's pixels,
// and the grid gives the widget's rectangle and a thin line's width in them.
class DeviceGrid
{
public:
    DeviceGrid(QPainter &painter, const QRect &logical);
    ~DeviceGrid();
    DeviceGrid(const DeviceGrid &) = delete;
    DeviceGrid &operator=(const DeviceGrid &) = delete;

    // The rectangle given to the constructor, in the screen's pixels.
    QRect rect() const { return deviceRect; }
    // A rectangle of the window's own grid in the screen's pixels, each side
    // rounded to the pixel it falls in, as Qt clips the widget itself.
    QRect toDevice(const QRect &logical) const;
    // The width of a line one window pixel wide: at least one screen pixel,
    // and never more than one window pixel holds.
    int line() const { return lineWidth; }

    // Fills a border `width` pixels wide just inside `rect`: its top and
    // left sides in one colour, its bottom and right sides in another.
    void drawEdge(const QRect &rect, int width, const QColor &topLeft, const QColor &bottomRight) const;

private:
    QPainter &painter;
    qreal ratio;
    QRect deviceRect;
    int lineWidth;
};

// The painter's device's ratio of screen pixels to window pixels.
qreal devicePixelRatioOf(const QPaintDevice *device);
