#include "clear_button.h"

#include "device_grid.h"
#include "design_colour.h"
#include "form_design.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

namespace design = quiz::design;

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Enter, on the main keys or the keypad, stands for Space.
QKeyEvent asSpace(const QKeyEvent *event)
{
    return QKeyEvent(event->type(), Qt::Key_Space, event->modifiers() & ~Qt::KeypadModifier, QStringLiteral(" "),
                     event->isAutoRepeat(), static_cast<quint16>(event->count()));
}

} // namespace

ClearButton::ClearButton(const QString &text, const QColor &face, QWidget *parent)
    : QPushButton(text, parent)
    , face(face)
{
}

void ClearButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool focused = hasFocus();
    const bool down = isDown();
    {
        const DeviceGrid grid(painter, rect());
        const int line = grid.line();
        QRect edge = grid.rect();
        painter.fillRect(edge, face);
        if (focused) {
            grid.drawEdge(edge, line, Qt::black, Qt::black);
            edge.adjust(line, line, -line, -line);
        }
        if (down) {
            const QColor shadow = colour(design::EdgeShadow);
            grid.drawEdge(edge, line, shadow, shadow);
        } else {
            grid.drawEdge(edge, line, colour(design::EdgeHighlight), colour(design::EdgeDarkShadow));
            edge.adjust(line, line, -line, -line);
            grid.drawEdge(edge, line, colour(design::EdgeLight), colour(design::EdgeShadow));
        }
        if (focused) {
            // A dotted rectangle a little inside the edge, one screen pixel wide.
            const int inset = 4 * line;
            QPen dots(colour(design::CaptionColour), 0, Qt::DotLine);
            painter.setPen(dots);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(grid.rect().adjusted(inset, inset, -inset - 1, -inset - 1));
        }
    }
    // The caption moves down and right with the pressed face.
    const QRect caption = down ? rect().translated(1, 1) : rect();
    painter.setPen(colour(design::CaptionColour));
    painter.setFont(font());
    painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

void ClearButton::keyPressEvent(QKeyEvent *event)
{
    if (!isEnter(event)) {
        QPushButton::keyPressEvent(event);
        return;
    }
    QKeyEvent space = asSpace(event);
    QAbstractButton::keyPressEvent(&space);
    event->setAccepted(space.isAccepted());
}

void ClearButton::keyReleaseEvent(QKeyEvent *event)
{
    if (!isEnter(event)) {
        QPushButton::keyReleaseEvent(event);
        return;
    }
    QKeyEvent space = asSpace(event);
    QAbstractButton::keyReleaseEvent(&space);
    event->setAccepted(space.isAccepted());
}
