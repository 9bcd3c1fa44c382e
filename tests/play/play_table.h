#pragma once

// The table of play (table.txt, whose header says how it reads), read into
// plays of steps, each with all that the window must show after it.
// Standard C++ only: the players of every front end read it alike.

#include <functional>
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
    std::string to; // a slide's last river on the list
    bool out = false; // the slide leaves the list to its right at the last river's height
    std::string besideTo; // and goes on beside the list to the height of this river
    enum Beyond { No, Above, Below };
    Beyond beyond = No; // the slide ends held above or below the list, HeldBeyondTheList long
    std::vector<std::string> keys; // as the table names them, one after the other
};

// How long a slide that ends beyond the list holds the button there before
// it lets go: long enough for the list to scroll from one end to the other.
constexpr int HeldBeyondTheListMs = 2500;

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

// The plays of the table built into the test programs, the message box
// holding `assignment` at the start. A table that cannot be read gives one
// play with no steps, titled with the line at fault, which fails where it is
// played.
std::vector<Play> builtInPlays(const std::string &assignment);

// Plays each step through `act` and compares what `shown` then reads with
// what the table says, up to the first step where they differ; tells each
// difference, naming the play, the line and the field. None: the play passed.
std::vector<std::string> playThrough(const Play &play, const std::function<void(const Action &)> &act,
                                     const std::function<Shown()> &shown);

// The focus in the message box as the table names it: "message" only with
// nothing in it selected and its first line at its top.
std::string messageBoxFocus(bool textSelected, bool scrolledDown);

// A play's title as a test's name: "A letter answers" gives ALetterAnswers.
std::string testName(const std::string &title);

} // namespace play
