#pragma once

#include "catalogue.h"
#include "game.h"

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

// A view made of plain lists, buttons and one text. Like a real window it can
// report a selection that the program sets back as a nested PickRiver, or not:
// the game must give the same outcome either way.
class FakeView : public quiz::QuizView
{
public:
    struct List
    {
        std::vector<std::string> items;
        int selected = -1;
    };

    FakeView()
    {
        for (const auto &entry : quiz::QuizCatalogue::Entries) {
            lists[2].items.emplace_back(entry.name);
            lists[3].items.emplace_back(entry.code);
        }
    }

    // Where nested selection events go; null sends none.
    quiz::QuizGame *echo = nullptr;
    int nestedCalls = 0;

    std::array<List, 4> lists;
    std::array<bool, 3> buttons {};
    std::string text;

    // What the platform does when the pupil turns a button on: the group is
    // exclusive.
    void pressTypeButton(int index)
    {
        buttons.fill(false);
        buttons.at(index) = true;
    }

    int listCount(int list) const override { return static_cast<int>(at(list).items.size()); }

    std::string listItem(int list, int position) const override
    {
        return at(list).items.at(static_cast<std::size_t>(position));
    }

    void clearList(int list) override
    {
        const bool hadSelection = at(list).selected != -1;
        at(list).items.clear();
        at(list).selected = -1;
        if (hadSelection)
            reportSelection(list);
    }

    void appendToList(int list, const std::string &text) override { at(list).items.push_back(text); }

    void removeListItem(int list, int position) override
    {
        List &l = at(list);
        l.items.erase(l.items.begin() + checkedPosition(l, position));
        if (l.selected == position) {
            l.selected = -1;
            reportSelection(list);
        } else if (l.selected > position) {
            --l.selected;
        }
    }

    int listSelection(int list) const override { return at(list).selected; }

    void selectInList(int list, int position) override
    {
        List &l = at(list);
        if (position != -1)
            checkedPosition(l, position);
        if (l.selected == position)
            return;
        l.selected = position;
        reportSelection(list);
    }

    bool isTypeButtonOn(int index) const override { return buttons.at(index); }
    void turnTypeButtonOff(int index) override { buttons.at(index) = false; }

    std::string typeButtonCaption(int index) const override
    {
        return std::string(quiz::QuizCatalogue::typeCaption(index));
    }

    std::string messageText() const override { return text; }
    void setMessageText(const std::string &newText) override { text = newText; }
    void announce(const std::string &line) override { announced.push_back(line); }

    // Every line handed to a screen reader, in order.
    std::vector<std::string> announced;

private:
    List &at(int list) { return lists.at(static_cast<std::size_t>(list)); }
    const List &at(int list) const { return lists.at(static_cast<std::size_t>(list)); }

    static std::ptrdiff_t checkedPosition(const List &l, int position)
    {
        if (position < 0 || position >= static_cast<int>(l.items.size()))
            throw std::out_of_range("list position " + std::to_string(position));
        return position;
    }

    void reportSelection(int list)
    {
        if (!echo)
            return;
        // A nested call that sets off another, and so on without end, is a fault.
        if (++depth > 8)
            throw std::logic_error("selection events do not settle");
        ++nestedCalls;
        echo->PickRiver(list);
        --depth;
    }

    int depth = 0;
};
