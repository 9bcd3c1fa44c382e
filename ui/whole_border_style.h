#pragma once

#include <QProxyStyle>

// Draws the border of a list or a text box in whole pixels of the screen, on
// every side and at any scale, with the box's own base colour right up to it.
// Everything else is the application's style.
class WholeBorderStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit WholeBorderStyle(const QString &baseStyle);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};
