#include "device_grid.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>

qreal devicePixelRatioOf(const QPaintDevice *device)
{
    return device ? device->devicePixelRatio() : 1.0;
}

DeviceGrid::DeviceGrid(QPainter &painter, const QRect &logical)
    : painter(painter)
    , ratio(devicePixelRatioOf(painter.device()))
    , lineWidth(qMax(1, static_cast<int>(std::floor(ratio))))
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.scale(1 / ratio, 1 / ratio);
    deviceRect = toDevice(logical);
}

DeviceGrid::~DeviceGrid()
{
    painter.restore();
}

QRect DeviceGrid::toDevice(const QRect &logical) const
{
    const QPoint topLeft = (QPointF(logical.topLeft()) * ratio).toPoint();
    const QSize size = (QSizeF(logical.size()) * ratio).toSize();
    return {topLeft, size};
}

void DeviceGrid::drawEdge(const QRect &rect, int width, const QColor &topLeft, const QColor &bottomRight) const
{
    const int w = rect.width();
    const int h = rect.height();
    painter.fillRect(rect.x(), rect.y(), w - width, width, topLeft);
    painter.fillRect(rect.x(), rect.y(), width, h - width, topLeft);
    painter.fillRect(rect.x(), rect.y() + h - width, w, width, bottomRight);
    painter.fillRect(rect.x() + w - width, rect.y(), width, h, bottomRight);
}
