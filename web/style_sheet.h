#pragma once

#include <form_design.h>

#include <string>
#include <string_view>

// The page's look: the form laid out on its own grid in pixels of the window
// at 96 dots per inch, scaled as one to fit the viewport, in the colours and
// edges of the Windows controls; where that leaves its controls too small for
// a finger or the form does not fit at its own size, the same controls in one
// column, each as wide as the screen.
namespace style {

// The classes by which the style sheet places the form's controls, one to
// each (the three type buttons share theirs).
namespace classes {
inline constexpr std::string_view Title = "title";
inline constexpr std::string_view RiverHeading = "heading";
inline constexpr std::string_view Frame = "frame";
inline constexpr std::string_view TypeButton = "type";
inline constexpr std::string_view RiverList = "rivers";
inline constexpr std::string_view ClearButton = "clear";
inline constexpr std::string_view MessageBox = "message";
} // namespace classes

// The page's whole style sheet; `framedRowId` is the id the river list gives
// its framed row.
std::string sheet(std::string_view framedRowId);

} // namespace style
