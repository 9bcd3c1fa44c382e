#pragma once

#include "form_design.h"

#include <QColor>

#include <cstdint>

// A colour of the form's description as Qt paints it.
inline QColor colour(const quiz::design::Rgb &rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// A colour Qt paints, in the terms of the form's description.
inline quiz::design::Rgb rgbOf(const QColor &shade)
{
    return {static_cast<std::uint8_t>(shade.red()), static_cast<std::uint8_t>(shade.green()),
            static_cast<std::uint8_t>(shade.blue())};
}
