#include "etched_frame.h"

#include "device_grid.h"
#include "design_colour.h"
#include "form_design.h"

#include <QPainter>

namespace {

namespace design = quiz::design;

// Where the caption starts, and the room left either side of it.
constexpr int CaptionLeft = 6;
constexpr int CaptionPadding = 2;

} // namespace

void EtchedFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    // The line runs through the middle of the caption.
    const int lineTop = metrics.height() / 2;
    {
        const DeviceGrid grid(painter, rect());
        const int line = grid.line();
        const QColor shadow = colour(design::EdgeShadow);
        const QColor highlight = colour(design::EdgeHighlight);
        QRect groove = grid.toDevice(QRect(0, lineTop, width(), height() - lineTop));
        groove.setBottomRight(grid.rect().bottomRight());
        grid.drawEdge(groove, line, shadow, highlight);
        grid.drawEdge(groove.adjusted(line, line, -line, -line), line, highlight, shadow);
    }
    const QRect caption(CaptionLeft, 0, metrics.horizontalAdvance(title()) + 2 * CaptionPadding, metrics.height());
    painter.fillRect(caption, palette().window());
    painter.setPen(colour(design::CaptionColour));
    painter.setFont(font());
    painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, title());
}
