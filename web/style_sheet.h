#pragma once

#include <form_design.h>

#include <string>
#include <string_view>

// The page's look: the form laid out on its own grid in pixels of the window
// at 96 dots per inch, scaled as one to fit the viewport, in the colours and
// edges of the Windows controls.
namespace style {

// Where a control stands on the form, as an element's inline style.
std::string place(quiz::design::Twips twips);

// The page's whole style sheet; `framedRowId` is the id the river list gives
// its framed row.
std::string sheet(std::string_view framedRowId);

} // namespace style
