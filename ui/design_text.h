#pragma once

#include <QString>

#include <string_view>

// A text of the form's description, which is UTF-8, as Qt shows it.
inline QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
