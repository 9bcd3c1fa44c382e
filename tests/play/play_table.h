#pragma once

// The table of play (table.txt, whose header says how it reads), read into
// plays of steps, each with the whole state the window must show after it.
// Standard C++ only: every front end's player reads it the same way.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace play {

// What the window shows, field by field; an empty text stands for "none".
struct Shown
{
    std::string message;
    std::vector<std::string> rivers;
    std::string selected;
    std::string framed;
    std::string on;
    std::string focus; // "message", "list", "clear", "type CAPTION" or "none"
};

// One field that differs, named as the table names it.
struct Difference
{
    std::string field;
    std::string expected;
    std::string shown;
};

std::vector<Difference> differences(const Shown &expected, const Shown &shown);

struct Action
{
    enum Kind { Click, Slide, Key };
    Kind kind = Click;
    // Click: "type", "river", "clear" or "message", with the caption or name.
    std::string control;
    std::string name;
    // Slide: from the river named above to this one, released there or, when
    // out is set, to the list's right at that row's height.
    std::string to;
    bool out = false;
    // Key: as the table writes it, "Tab", "Shift+Tab", "Down", ... or one
    // character as typed.
    std::string key;
};

struct Step
{
    int line = 0;
    std::string text; // the action as written
    Action action;
    Shown after;
};

struct Play
{
    std::string title;
    int line = 0;
    std::vector<Step> steps;
};

struct TableError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// The names of a full list, in the order the list shows them.
extern const std::vector<std::string> AllRivers;

// What a window just opened shows, its message box holding `assignment`.
Shown atStart(const std::string &assignment);

// Reads the table; throws TableError naming the line where it is wrong.
std::vector<Play> readTable(std::string_view table, const std::string &assignment);

// A play's title as a test's name: "A letter answers" gives ALetterAnswers.
std::string testName(const std::string &title);

// The table built into the test programs.
std::string_view builtInTable();

} // namespace play
