#include "river_list.h"

#include <algorithm>
#include <cstdint>

namespace {

// The first character of a UTF-8 text, in lower case where it is a Latin or
// Cyrillic capital; 0 for an empty text.
char32_t firstCharacterFolded(const std::string &text)
{
    if (text.empty())
        return 0;
    const auto byte = [&](std::size_t i) { return i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0u; };
    char32_t c = byte(0);
    if (c >= 0xF0)
        c = ((c & 0x07) << 18) | ((byte(1) & 0x3F) << 12) | ((byte(2) & 0x3F) << 6) | (byte(3) & 0x3F);
    else if (c >= 0xE0)
        c = ((c & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
    else if (c >= 0xC0)
        c = ((c & 0x1F) << 6) | (byte(1) & 0x3F);
    if ((c >= U'A' && c <= U'Z') || (c >= 0x410 && c <= 0x42F))
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50;
    return c;
}

// Whether a key is a character typed, as the browser names keys: one
// character, where named keys ("Tab", "Home") have longer names.
bool isOneCharacter(const std::string &key)
{
    if (key.empty())
        return false;
    const auto lead = static_cast<std::uint8_t>(key[0]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return key.size() == length && lead > 0x20;
}

bool isLeftButton(const dom::Event &event)
{
    return event.button == 0;
}

} // namespace

RiverList::RiverList(dom::Element element, std::string framedRowId)
    : list(element)
    , framedId(std::move(framedRowId))
{
    dom::setAttribute(list, "role", "listbox");
    dom::setAttribute(list, "tabindex", "0");
    dom::listen(list, "pointerdown", [this](const dom::Event &event) { return pointerPressed(event); });
    dom::listen(list, "pointermove", [this](const dom::Event &event) { return pointerMoved(event); });
    dom::listen(list, "pointerup", [this](const dom::Event &event) { return pointerReleased(event); });
    dom::listen(list, "pointercancel", [this](const dom::Event &event) { return pointerCancelled(event); });
}

int RiverList::count() const
{
    return static_cast<int>(rows.size());
}

std::string RiverList::item(int position) const
{
    return rows.at(static_cast<std::size_t>(position));
}

void RiverList::clear()
{
    rows.clear();
    dom::removeChildren(list);
    selected = -1;
    framed = 0;
    sliding = false;
    markRows();
}

void RiverList::append(const std::string &text)
{
    rows.push_back(text);
    dom::appendChild(list, "div", text, "option");
    markRows();
}

void RiverList::remove(int position)
{
    rows.erase(rows.begin() + position);
    dom::removeChild(list, position);
    if (selected == position)
        selected = -1;
    else if (selected > position)
        --selected;
    // The frame stays where it was: on the row that moved up into its place,
    // or on the new last row.
    if (framed > position)
        --framed;
    framed = std::clamp(framed, 0, std::max(count() - 1, 0));
    markRows();
}

void RiverList::select(int position)
{
    selected = position;
    if (position >= 0)
        framed = position;
    markRows();
}

bool RiverList::keyPressed(const dom::Event &event)
{
    if (event.otherModifier)
        return false;
    const std::string &key = event.key;
    const bool arrow = key == "ArrowUp" || key == "ArrowDown" || key == "ArrowLeft" || key == "ArrowRight"
        || key == "Home" || key == "End" || key == "PageUp" || key == "PageDown";
    if (rows.empty())
        return arrow || key == " ";

    const int last = count() - 1;
    if (key == " " || (arrow && selected == -1)) {
        selectByUser(framed);
        return true;
    }
    if (arrow) {
        const int page = std::max(dom::childrenInView(list) - 1, 1);
        int to = framed;
        if (key == "ArrowUp" || key == "ArrowLeft")
            to = framed - 1;
        else if (key == "ArrowDown" || key == "ArrowRight")
            to = framed + 1;
        else if (key == "Home")
            to = 0;
        else if (key == "End")
            to = last;
        else if (key == "PageUp")
            to = framed - page;
        else
            to = framed + page;
        selectByUser(std::clamp(to, 0, last));
        return true;
    }
    // A character typed: the next name after the frame that starts with it.
    if (isOneCharacter(key)) {
        const int found = rowAfterFrameStartingWith(key);
        if (found >= 0)
            selectByUser(found);
        return true;
    }
    return false;
}

int RiverList::rowAfterFrameStartingWith(const std::string &typed) const
{
    const char32_t wanted = firstCharacterFolded(typed);
    for (int step = 1; step <= count(); ++step) {
        const int position = (framed + step) % count();
        if (firstCharacterFolded(rows[static_cast<std::size_t>(position)]) == wanted)
            return position;
    }
    return -1;
}

void RiverList::selectByUser(int position)
{
    const bool changed = position != selected;
    selected = position;
    framed = position;
    markRows();
    dom::scrollChildIntoView(list, position);
    if (changed && selectionChanged)
        selectionChanged();
}

bool RiverList::pointerPressed(const dom::Event &event)
{
    if (!isLeftButton(event))
        return false;
    dom::focus(list);
    // Off the rows, on the scroll bar, the browser does as it does.
    const int row = dom::childAt(list, event.x, event.y);
    if (row < 0)
        return false;
    dom::capturePointer(list, event.pointerId);
    sliding = true;
    selectedBeforeSlide = selected;
    framedBeforeSlide = framed;
    selected = row;
    framed = row;
    markRows();
    return true;
}

bool RiverList::pointerMoved(const dom::Event &event)
{
    if (!sliding)
        return false;
    const int row = dom::childAt(list, event.x, event.y);
    if (row >= 0 && row != selected) {
        selected = row;
        framed = row;
        markRows();
        dom::scrollChildIntoView(list, row);
    }
    return true;
}

bool RiverList::pointerReleased(const dom::Event &event)
{
    if (!sliding || !isLeftButton(event))
        return false;
    sliding = false;
    // The selection followed the pointer; it counts once, at the release.
    if (selected != selectedBeforeSlide && selectionChanged)
        selectionChanged();
    return true;
}

bool RiverList::pointerCancelled(const dom::Event &)
{
    // A finger that scrolls the list selects nothing.
    if (sliding) {
        sliding = false;
        selected = selectedBeforeSlide;
        framed = framedBeforeSlide;
        markRows();
    }
    return false;
}

void RiverList::markRows()
{
    dom::markRows(list, selected, framed, framedId);
}
