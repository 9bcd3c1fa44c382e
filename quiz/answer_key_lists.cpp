#include "answer_key_lists.h"

#include "catalogue.h"

#include <stdexcept>

namespace quiz {

AnswerKeyLists::AnswerKeyLists()
{
    for (const CatalogueEntry &entry : QuizCatalogue::Entries) {
        at(MasterNames).items.emplace_back(entry.name);
        at(MasterCodes).items.emplace_back(entry.code);
    }
}

AnswerKeyLists::List &AnswerKeyLists::at(int list)
{
    if (!holds(list))
        throw std::out_of_range("no answer key list " + std::to_string(list));
    return lists[static_cast<std::size_t>(list - WorkingCodes)];
}

const AnswerKeyLists::List &AnswerKeyLists::at(int list) const
{
    return const_cast<AnswerKeyLists *>(this)->at(list);
}

int AnswerKeyLists::count(int list) const
{
    return static_cast<int>(at(list).items.size());
}

std::string AnswerKeyLists::item(int list, int position) const
{
    return at(list).items.at(static_cast<std::size_t>(position));
}

void AnswerKeyLists::clear(int list)
{
    at(list) = {};
}

void AnswerKeyLists::append(int list, const std::string &text)
{
    at(list).items.push_back(text);
}

void AnswerKeyLists::remove(int list, int position)
{
    List &l = at(list);
    if (position < 0 || position >= static_cast<int>(l.items.size()))
        throw std::out_of_range("list position " + std::to_string(position));
    l.items.erase(l.items.begin() + position);
    if (l.selected == position)
        l.selected = -1;
    else if (l.selected > position)
        --l.selected;
}

int AnswerKeyLists::selection(int list) const
{
    return at(list).selected;
}

void AnswerKeyLists::select(int list, int position)
{
    at(list).selected = position;
}

} // namespace quiz
