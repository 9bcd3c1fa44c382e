#include "list_box.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace quiz::listbox {

namespace {

int lastRow(const State &list)
{
    return list.rows - 1;
}

int clampedRow(const State &list, int row)
{
    return std::clamp(row, 0, lastRow(list));
}

// The row level with the pointer, counted from the first row in sight, which
// may lie beyond the last.
int rowLevelWith(const State &list, const Pointer &pointer)
{
    return list.top + static_cast<int>(std::floor(pointer.y / pointer.rowHeight));
}

} // namespace

char32_t foldedFirstCharacter(std::string_view text)
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

int rowForKey(const State &list, Key key)
{
    if (list.rows <= 0)
        return -1;
    const int framed = clampedRow(list, list.framed);
    if (list.selected < 0 || key == Key::Space)
        return framed;
    const int page = std::max(list.inSight - 1, 1);
    switch (key) {
    case Key::Up:
    case Key::Left:
        return clampedRow(list, framed - 1);
    case Key::Down:
    case Key::Right:
        return clampedRow(list, framed + 1);
    case Key::Home:
        return 0;
    case Key::End:
        return lastRow(list);
    case Key::PageUp:
        return clampedRow(list, framed - page);
    case Key::PageDown:
        return clampedRow(list, framed + page);
    case Key::Space:
        break;
    }
    return framed;
}

int rowForCharacter(const State &list, std::string_view typed, const std::function<std::string(int)> &text)
{
    const char32_t wanted = foldedFirstCharacter(typed);
    if (wanted == 0)
        return -1;
    const int from = list.framed < 0 ? -1 : list.framed;
    for (int step = 1; step <= list.rows; ++step) {
        const int row = (from + step) % list.rows;
        if (foldedFirstCharacter(text(row)) == wanted)
            return row;
    }
    return -1;
}

int framedAfterAppend(int framed)
{
    return framed < 0 ? 0 : framed;
}

int framedAfterRemoval(int framed, int removed, int rows)
{
    if (rows <= 0)
        return FramedWhenEmpty;
    if (framed > removed)
        --framed;
    return std::clamp(framed, 0, rows - 1);
}

Beyond beyond(const Pointer &pointer)
{
    if (pointer.y < 0)
        return Beyond::Above;
    if (pointer.y >= pointer.height)
        return Beyond::Below;
    return Beyond::No;
}

int rowForPress(const State &list, const Pointer &pointer)
{
    if (beyond(pointer) != Beyond::No)
        return -1;
    const int row = rowLevelWith(list, pointer);
    return row >= 0 && row < list.rows ? row : -1;
}

int rowForHeldMove(const State &list, const Pointer &pointer)
{
    if (list.rows <= 0)
        return -1;
    const Beyond where = beyond(pointer);
    if (where != Beyond::No)
        return rowForScrollTick(list, where);
    const int row = rowLevelWith(list, pointer);
    return row < list.rows ? std::max(row, 0) : list.framed;
}

int rowForScrollTick(const State &list, Beyond where)
{
    if (list.rows <= 0)
        return -1;
    switch (where) {
    case Beyond::Above:
        return std::max(list.top - 1, 0);
    case Beyond::Below: {
        int row = list.top + list.inSight;
        if (row == list.framed)
            ++row;
        return std::min(row, lastRow(list));
    }
    case Beyond::No:
        break;
    }
    return list.framed;
}

} // namespace quiz::listbox
