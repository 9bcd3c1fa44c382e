#pragma once

// The table of play (table.txt, whose header says how it reads), read into
// plays of steps, each with all that the window must show after it.
// Standard C++ only: the players of every front end read it alike.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace play {

// What the window shows; an empty text stands for "none".
struct Shown
{
    std::string message;
    std::vector<std::string> rivers;
    std::string selected;
    std::string framed;
    std::string on;
    std::string focus; // "message", "list", "clear" or "type CAPTION"
};

struct Action
{
    enum Kind { Click, Slide, Key };
    Kind kind = Click;
    std::string control; // a click's: "type", "river", "clear" or "message"
    std::string name; // the type's caption or the river's name; a slide's first river
    std::string to; // a slide's last river
    bool out = false; // the slide ends beside the list
    std::vector<std::string> keys; // as the table names them, one after the other
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
    std::vector<Step> steps;
};

struct TableError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// Reads the table, the message box holding `assignment` at the start.
// Throws TableError, naming the line, at the first thing it cannot read.
std::vector<Play> readTable(std::string_view table, const std::string &assignment);

// The table built into the test programs.
std::string_view builtInTable();

// "field is SHOWN, expected EXPECTED" for each field that differs.
std::vector<std::string> differences(const Shown &expected, const Shown &shown);

// A play's title as a test's name: "A letter answers" gives ALetterAnswers.
std::string testName(const std::string &title);

} // namespace play
