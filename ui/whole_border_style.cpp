#include "whole_border_style.h"

#include "device_grid.h"

#include <QPainter>
#include <QStyleOption>

WholeBorderStyle::WholeBorderStyle(const QString &baseStyle)
    : QProxyStyle(baseStyle)
{
}

void WholeBorderStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                     const QWidget *widget) const
{
    if (element != PE_Frame) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The space between the border and the box's contents, which a style
    // leaves to whatever lies beneath at some scales, is the box's own.
    const DeviceGrid grid(*painter, option->rect);
    painter->fillRect(grid.rect(), option->palette.base());
    const QColor border = option->palette.color(QPalette::Dark);
    grid.drawEdge(grid.rect(), grid.line(), border, border);
}
