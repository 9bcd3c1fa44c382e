#pragma once

#include "dom.h"

#include <catalogue.h>

#include <array>
#include <string>
#include <string_view>

// The form's controls on the page, as the form's design places them: the
// handles of those the page works on.
struct FormElements
{
    static constexpr std::size_t TypeCount = quiz::QuizCatalogue::MouthTypes.size();

    // The whole form, inert until the page has attached to it.
    dom::Element form;
    dom::Element messageBox;
    dom::Element riverList; // with the rivers' rows in it, for RiverList to take
    dom::Element clearButton;
    std::array<dom::Element, TypeCount> typeButtons {};
    std::array<dom::Element, TypeCount> typeCaptions {};
    // Where a screen reader hears each line the page announces.
    dom::Element announcer;
};

// The form as HTML, its controls standing in the order the keys visit them,
// and where each element the page works on stands among the marked ones.
struct FormMarkup
{
    std::string html;
    int form = -1;
    int messageBox = -1;
    int riverList = -1;
    int clearButton = -1;
    std::array<int, FormElements::TypeCount> typeButtons {};
    std::array<int, FormElements::TypeCount> typeCaptions {};
    int announcer = -1;
};
FormMarkup formMarkup();
// The id the river list gives its framed row, which the style sheet outlines.
inline constexpr std::string_view FramedRowId = "rmq-framed";

// What the page says where the browser cannot run it, in place of the form:
// a noscript element, and a hidden paragraph for the page's script to show
// where there is no WebAssembly.
std::string cannotRunMarkup();
inline constexpr std::string_view NoWebAssemblyId = "rmq-no-webassembly";

// A text as HTML writes it, in an element or in a quoted attribute value.
std::string escaped(std::string_view text);

// The form as the page's file has it, attached to: the handles of its marked
// elements, which lose their mark. The form stays inert.
FormElements attachForm();
