#include "river_list.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

namespace listbox = quiz::listbox;

namespace {

// The list's keys, as the browser names them.
std::optional<listbox::Key> listKey(const std::string &name)
{
    using Key = listbox::Key;
    static constexpr std::array<std::pair<std::string_view, Key>, 9> keys {{
        {"ArrowUp", Key::Up},
        {"ArrowDown", Key::Down},
        {"ArrowLeft", Key::Left},
        {"ArrowRight", Key::Right},
        {"Home", Key::Home},
        {"End", Key::End},
        {"PageUp", Key::PageUp},
        {"PageDown", Key::PageDown},
        {" ", Key::Space},
    }};
    for (const auto &[keyName, key] : keys) {
        if (name == keyName)
            return key;
    }
    return std::nullopt;
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
    // The rows the file has, as a list just filled: framed at its first.
    if (count() > 0)
        framed = listbox::framedAfterAppend(framed);
    markRows();
    dom::listen(list, "pointerdown", [this](const dom::Event &event) { return pointerPressed(event); });
    dom::listen(list, "pointermove", [this](const dom::Event &event) { return pointerMoved(event); });
    dom::listen(list, "pointerup", [this](const dom::Event &event) { return pointerReleased(event); });
    dom::listen(list, "pointercancel", [this](const dom::Event &event) { return pointerCancelled(event); });
}

int RiverList::count() const
{
    return keeping ? kept : dom::childCount(list);
}

std::string RiverList::item(int position) const
{
    return dom::childText(list, position);
}

void RiverList::clear()
{
    endHold();
    if (keeping)
        kept = 0;
    else
        dom::removeChildren(list);
    selected = -1;
    framed = listbox::FramedWhenEmpty;
    markRows();
}

void RiverList::append(const std::string &text)
{
    if (keeping) {
        // The next row from before stays if it is this one; if not, it and
        // every one after it go.
        const bool same = kept < dom::childCount(list) && dom::childText(list, kept) == text;
        while (!same && dom::childCount(list) > kept)
            dom::removeChild(list, kept);
        if (!same)
            dom::appendChild(list, RowTag, text, RowRole);
        ++kept;
        framed = listbox::framedAfterAppend(framed);
        return;
    }
    dom::appendChild(list, RowTag, text, RowRole);
    framed = listbox::framedAfterAppend(framed);
    markRows();
}

void RiverList::keepingRows(const std::function<void()> &fill)
{
    keeping = true;
    kept = dom::childCount(list);
    fill();
    keeping = false;
    while (dom::childCount(list) > kept)
        dom::removeChild(list, kept);
    markRows();
}

void RiverList::remove(int position)
{
    dom::removeChild(list, position);
    if (keeping)
        --kept;
    if (selected == position)
        selected = -1;
    else if (selected > position)
        --selected;
    framed = listbox::framedAfterRemoval(framed, position, count());
    markRows();
}

void RiverList::select(int position)
{
    selected = position;
    if (position >= 0)
        framed = position;
    markRows();
}

listbox::State RiverList::state(const dom::RowsArea &area) const
{
    listbox::State state {count(), framed, selected};
    if (area.rowHeight > 0) {
        // A finger or the scroll bar may leave the list scrolled part way
        // into a row: the rules count from the row at the top, partly in
        // sight. A pixel's grace, for browsers that round the scrolling.
        state.top = static_cast<int>(std::floor((area.scrolled + 1) / area.rowHeight));
        state.inSight = std::max(1, static_cast<int>(std::floor(area.height / area.rowHeight)));
    }
    return state;
}

// The rules measure from the top of the row at the top: a part of it
// scrolled out of sight counts in the pointer's height over the rows, but
// above the area the pointer is above the list all the same.
listbox::Pointer RiverList::pointerAt(const dom::RowsArea &area, const listbox::State &state, double y)
{
    const double hidden = std::max(0.0, area.scrolled - state.top * area.rowHeight);
    const double inArea = y - area.top;
    return {inArea < 0 ? inArea : inArea + hidden, area.rowHeight, area.height + hidden};
}

bool RiverList::keyPressed(const dom::Event &event)
{
    if (event.otherModifier)
        return false;
    const std::optional<listbox::Key> key = listKey(event.key);
    if (!key && !isOneCharacter(event.key))
        return false;
    const listbox::State now = state(dom::rowsArea(list));
    const int row = key ? listbox::rowForKey(now, *key)
                        : listbox::rowForCharacter(now, event.key, [this](int position) { return item(position); });
    if (row >= 0)
        selectByUser(row);
    return true;
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
    const dom::RowsArea area = dom::rowsArea(list);
    // Beside the rows, on the scroll bar, the browser does as it does.
    if (area.rowHeight <= 0 || event.x < area.left || event.x >= area.left + area.width)
        return false;
    const listbox::State now = state(area);
    const int row = listbox::rowForPress(now, pointerAt(area, now, event.y));
    if (row < 0)
        return false;
    dom::capturePointer(list, event.pointerId);
    held = true;
    selectedBeforeHold = selected;
    framedBeforeHold = framed;
    selected = row;
    framed = row;
    markRows();
    return true;
}

bool RiverList::pointerMoved(const dom::Event &event)
{
    if (!held)
        return false;
    const dom::RowsArea area = dom::rowsArea(list);
    const listbox::State now = state(area);
    const listbox::Pointer pointer = pointerAt(area, now, event.y);
    showHeld(listbox::rowForHeldMove(now, pointer));
    // Held beyond the list, the pointer need not move for the list to go
    // on scrolling; back over the rows, it stops.
    scrolling = listbox::beyond(pointer);
    if (scrolling == listbox::Beyond::No)
        scrollTimer.stop();
    else if (!scrollTimer.running())
        scrollTimer.start(listbox::ScrollInterval, [this] { scrollTick(); });
    return true;
}

void RiverList::scrollTick()
{
    showHeld(listbox::rowForScrollTick(state(dom::rowsArea(list)), scrolling));
}

// The row framed while the button is held shows as selected, and is
// scrolled into sight.
void RiverList::showHeld(int row)
{
    if (row < 0 || (row == framed && row == selected))
        return;
    selected = row;
    framed = row;
    markRows();
    dom::scrollChildIntoView(list, row);
}

bool RiverList::pointerReleased(const dom::Event &event)
{
    if (!held || !isLeftButton(event))
        return false;
    endHold();
    // The selection followed the frame; it counts once, at the release.
    if (selected != selectedBeforeHold && selectionChanged)
        selectionChanged();
    return true;
}

bool RiverList::pointerCancelled(const dom::Event &)
{
    // A finger that scrolls the list selects nothing.
    if (held) {
        endHold();
        selected = selectedBeforeHold;
        framed = framedBeforeHold;
        markRows();
    }
    return false;
}

void RiverList::endHold()
{
    held = false;
    scrolling = listbox::Beyond::No;
    scrollTimer.stop();
}

void RiverList::markRows()
{
    dom::markRows(list, selected, framed, framedId);
}
