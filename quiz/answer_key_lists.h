#pragma once

#include "game.h"

#include <array>
#include <string>
#include <vector>

namespace quiz {

// The answer key's lists that are never shown, as plain lists: the working
// codes, and the master names and codes that every round starts from, the
// masters filled from the catalogue. A view that keeps them so hands its list
// operations for these indices straight on; the river list is not among them.
class AnswerKeyLists
{
public:
    AnswerKeyLists();

    static bool holds(int list) { return list >= WorkingCodes && list <= MasterCodes; }

    int count(int list) const;
    std::string item(int list, int position) const;
    void clear(int list);
    void append(int list, const std::string &text);
    void remove(int list, int position);
    int selection(int list) const;
    void select(int list, int position);

private:
    struct List
    {
        std::vector<std::string> items;
        int selected = -1;
    };

    List &at(int list);
    const List &at(int list) const;

    std::array<List, MasterCodes - WorkingCodes + 1> lists;
};

} // namespace quiz
