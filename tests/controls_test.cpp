// The list box's and the option group's rules, each case a row.
#include "list_box.h"
#include "option_group.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace listbox = quiz::listbox;
namespace optiongroup = quiz::optiongroup;

namespace {

using Key = listbox::Key;

// Five rows, rows 1 to 3 in sight.
listbox::State list(int framed, int selected, int top = 1, int inSight = 3)
{
    return {5, framed, selected, top, inSight};
}

TEST(ListBoxRules, WhichRowAKeySelects)
{
    struct Case
    {
        listbox::State list;
        Key key;
        int row;
    };
    const std::vector<Case> cases = {
        // Nothing selected: every key selects the framed row, the first while none is.
        {list(2, -1), Key::Up, 2}, {list(2, -1), Key::Right, 2}, {list(2, -1), Key::End, 2},
        {list(2, -1), Key::PageDown, 2}, {list(-1, -1), Key::Down, 0}, {list(4, -1), Key::Space, 4},
        // A row selected: the keys go on from the frame and stop at the ends.
        {list(2, 2), Key::Up, 1}, {list(2, 2), Key::Left, 1}, {list(2, 2), Key::Down, 3}, {list(2, 2), Key::Right, 3},
        {list(0, 0), Key::Up, 0}, {list(4, 4), Key::Down, 4}, {list(2, 2), Key::Home, 0}, {list(2, 2), Key::End, 4},
        {list(2, 2), Key::PageDown, 4}, {list(3, 3), Key::PageUp, 1}, {list(1, 1), Key::PageUp, 0},
        {list(2, 2, 0, 1), Key::PageDown, 3}, {list(3, 1), Key::Space, 3},
        // An empty list has no row to select.
        {{0, -1, -1, 0, 3}, Key::Down, -1},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(listbox::rowForKey(c.list, c.key), c.row)
            << "key " << static_cast<int>(c.key) << ", framed " << c.list.framed << ", selected " << c.list.selected;
    }
}

TEST(ListBoxRules, ACharacterSelectsTheNextNameAfterTheFrameThatStartsWithIt)
{
    const std::vector<std::string> rows = {"Амур", "Нигер", "Нил", "Ёлда", "Rhine", "Елба"};
    const auto text = [&](int row) { return rows.at(static_cast<std::size_t>(row)); };
    struct Case
    {
        int framed;
        std::string typed;
        int row;
    };
    const std::vector<Case> cases = {
        {0, "Н", 1}, {1, "Н", 2}, {2, "Н", 1}, {2, "н", 1}, {-1, "А", 0}, {0, "а", 0},
        {0, "ё", 3}, {0, "r", 4}, {0, "Е", 5}, {0, "Я", -1}, {0, "", -1},
    };
    for (const Case &c : cases) {
        const listbox::State state {static_cast<int>(rows.size()), c.framed, -1, 0, 6};
        EXPECT_EQ(listbox::rowForCharacter(state, c.typed, text), c.row) << c.typed << " from row " << c.framed;
    }
}

TEST(ListBoxRules, TheFrameKeepsItsPlaceWhenRowsGo)
{
    EXPECT_EQ(listbox::framedAfterRemoval(2, 2, 4), 2) << "the row below moves up into the frame";
    EXPECT_EQ(listbox::framedAfterRemoval(3, 1, 4), 2) << "a row above goes";
    EXPECT_EQ(listbox::framedAfterRemoval(1, 3, 4), 1) << "a row below goes";
    EXPECT_EQ(listbox::framedAfterRemoval(4, 4, 4), 3) << "the last row goes";
    EXPECT_EQ(listbox::framedAfterRemoval(0, 0, 0), listbox::FramedWhenEmpty);
    EXPECT_EQ(listbox::framedAfterAppend(listbox::FramedWhenEmpty), 0);
    EXPECT_EQ(listbox::framedAfterAppend(3), 3);
}

TEST(ListBoxRules, WhichRowTheHeldPointerFrames)
{
    // Rows 10 high, rows 1 to 3 in sight in a list 35 high; five rows.
    const auto at = [](double y) { return listbox::Pointer {y, 10, 35}; };
    struct Case
    {
        listbox::State list;
        double y;
        int pressed;
        int moved;
    };
    const std::vector<Case> cases = {
        {list(2, -1), 0, 1, 1},
        {list(2, -1), 25, 3, 3},
        {list(2, -1), 34, 4, 4}, // the row cut off at the bottom
        {list(2, -1), -1, -1, 0}, // above: the row just out of sight
        {list(2, -1, 0), -8, -1, 0}, // above the first row, nothing further up
        {list(2, -1), 35, -1, 4}, // below: the row just out of sight
        {{8, 4, -1, 1, 3}, 40, -1, 5}, // below, with the row cut off there framed already: the one after
        {{2, 1, -1, 0, 3}, 25, -1, 1}, // below the last row of a short list: the frame stays
    };
    for (const Case &c : cases) {
        EXPECT_EQ(listbox::rowForPress(c.list, at(c.y)), c.pressed) << "pressed at " << c.y;
        EXPECT_EQ(listbox::rowForHeldMove(c.list, at(c.y)), c.moved) << "moved to " << c.y;
    }
    EXPECT_EQ(listbox::beyond(at(-0.5)), listbox::Beyond::Above);
    EXPECT_EQ(listbox::beyond(at(34.9)), listbox::Beyond::No);
    EXPECT_EQ(listbox::beyond(at(35)), listbox::Beyond::Below);
}

// Held beyond the list, each tick frames the next row out of sight, until
// the end of the list.
TEST(ListBoxRules, HeldBeyondTheListTheFrameScrollsToItsEnd)
{
    for (const listbox::Beyond where : {listbox::Beyond::Above, listbox::Beyond::Below}) {
        listbox::State state {19, 9, -1, 8, 4};
        std::vector<int> framed;
        for (int tick = 0; tick < 16; ++tick) {
            state.framed = listbox::rowForScrollTick(state, where);
            // The list scrolls the framed row into sight.
            state.top = std::min(state.top, state.framed);
            state.top = std::max(state.top, state.framed - state.inSight + 1);
            framed.push_back(state.framed);
        }
        const std::vector<int> expected = where == listbox::Beyond::Above
            ? std::vector<int> {7, 6, 5, 4, 3, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}
            : std::vector<int> {12, 13, 14, 15, 16, 17, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18};
        EXPECT_EQ(framed, expected);
    }
}

TEST(OptionGroupRules, WhichButtonAKeyTurnsOnAndWhereTabLands)
{
    using K = optiongroup::Key;
    struct Case
    {
        K key;
        int focused;
        int to;
    };
    for (const Case &c : std::vector<Case> {{K::Down, 0, 1}, {K::Right, 1, 2}, {K::Down, 2, 0}, {K::Up, 0, 2},
                                            {K::Left, 2, 1}, {K::Up, 1, 0}, {K::Space, 1, 1}}) {
        EXPECT_EQ(optiongroup::buttonForKey(c.key, c.focused, 3), c.to)
            << "key " << static_cast<int>(c.key) << " from " << c.focused;
    }
    EXPECT_EQ(optiongroup::tabStop(-1), 0);
    EXPECT_EQ(optiongroup::tabStop(2), 2);
}

} // namespace
