#pragma once

#include "dom.h"

#include <catalogue.h>

#include <array>

// The form's controls on the page, as the form's design places them: the
// handles of those the page works on.
struct FormElements
{
    static constexpr std::size_t TypeCount = quiz::QuizCatalogue::MouthTypes.size();

    dom::Element messageBox;
    dom::Element riverList; // empty, for RiverList to fill
    dom::Element clearButton;
    std::array<dom::Element, TypeCount> typeButtons {};
    std::array<dom::Element, TypeCount> typeCaptions {};
    // Where a screen reader hears each line the page announces.
    dom::Element announcer;
};

// Adds the form to the page, its controls standing in the order the keys
// visit them, with no behaviour yet.
FormElements addForm();
