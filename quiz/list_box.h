#pragma once

#include <functional>
#include <string>
#include <string_view>

// How a one-column list box of Windows answers the keys and the pointer, as
// plain rules over a few numbers. They keep no rows: each front end that
// draws its own list keeps its rows and state in its own terms, hands these
// rules what they read, and does what they answer. The Windows window has
// the list box itself, which these rules describe.
namespace quiz::listbox {

// Where a list stands, as the rules read it.
struct State
{
    int rows = 0;
    int framed = -1; // the row with the focus frame, where keys go on from; -1 for none
    int selected = -1; // -1 for none
    int top = 0; // the first row in sight
    int inSight = 1; // the rows wholly in sight, at least one
};

enum class Key { Up, Down, Left, Right, Home, End, PageUp, PageDown, Space };

// The row that a key selects, and frames: with nothing selected, every one of
// these keys selects the framed row itself (the first while none is framed);
// with a row selected, Up and Left go one row up, Down and Right one down,
// Home and End to the first and the last row, Page Up and Page Down by the
// rows in sight less one, and Space stays. -1 where there is no row.
int rowForKey(const State &list, Key key);

// The row that a typed character selects: the next one after the framed row
// whose text starts with it, Latin or Cyrillic, in either case, going round
// to the top; -1 where none does. `text` gives a row's text; all is UTF-8.
int rowForCharacter(const State &list, std::string_view typed, const std::function<std::string(int)> &text);

// Where the frame stands after rows change:
// - a list that gets its first rows frames the first;
int framedAfterAppend(int framed);
// - when the row at `removed` goes, the frame stays where it stood, on the
//   row that moves up into its place, or on the new last row; -1 once the
//   list is empty. `framed` is where it stood before, `rows` the rows left.
int framedAfterRemoval(int framed, int removed, int rows);
// An emptied list frames no row and starts again at its top.
constexpr int FramedWhenEmpty = -1;

// The pointer over the list while its left button is held, in the list's
// own units: `y` from the top of its rows' area, whose rows stand `rowHeight`
// apart from `top` on, and which is `height` high. Its left and right do not
// count: beside the list the pointer still points at the row it is level with.
struct Pointer
{
    double y = 0;
    double rowHeight = 1;
    double height = 1;
};

// Held above the list or below it, the list scrolls on its own, a row at a
// time, while the button stays down (the list box's timer: about every
// ScrollInterval milliseconds).
enum class Beyond { No, Above, Below };
Beyond beyond(const Pointer &pointer);
constexpr int ScrollInterval = 50;

// The row a press of the left button frames and holds; -1 below the last row,
// where the press holds nothing.
int rowForPress(const State &list, const Pointer &pointer);

// The row framed as the held pointer moves: the one level with it, or, above
// or below the list, the one just out of sight that way; the list scrolls it
// into sight. The frame stays where it is below the last row.
int rowForHeldMove(const State &list, const Pointer &pointer);

// The row framed at each tick of the scrolling while the pointer is held
// beyond the list; the framed row itself once the list has no further to go.
int rowForScrollTick(const State &list, Beyond where);

// Let go, the button selects the row framed last, once: the answer.

// The first character of a UTF-8 text, in small letters where it is a Latin
// or Cyrillic capital; 0 for an empty text.
char32_t foldedFirstCharacter(std::string_view text);

} // namespace quiz::listbox
