#pragma once

#include "form_design.h"

#include <QColor>

// A colour of the form's description as Qt paints it.
inline QColor colour(const quiz::design::Rgb &rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}
