#pragma once

#include "dom.h"
#include "timer.h"

#include <list_box.h>

#include <functional>
#include <string>
#include <string_view>

// The river list: a single-selection list of texts on a role="listbox"
// element, which answers keys and the mouse by the Windows list box's rules
// (quiz::listbox). The rows are the element's children; the list keeps only
// which row is selected and which framed, and reads the rows in sight from the
// element. A selection made by the user is reported through selectionChanged;
// one made by the program is not.
class RiverList
{
public:
    // A row is an element of this tag with this role, its text the row's.
    static constexpr std::string_view RowTag = "div";
    static constexpr std::string_view RowRole = "option";

    // The list on a listbox element of the page, with the rows that are in
    // it already.
    RiverList(dom::Element element, std::string framedRowId);

    dom::Element element() const { return list; }

    int count() const;
    std::string item(int position) const;
    void clear();
    void append(const std::string &text);
    void remove(int position);
    int selection() const { return selected; }
    void select(int position);

    // Runs `fill`, which clears the list and appends its rows anew, keeping
    // the rows there already while it appends the same texts in the same
    // order: the rows that the page's file brings stay as the browser
    // painted them. Whatever the fill does not append again goes.
    void keepingRows(const std::function<void()> &fill);

    std::function<void()> selectionChanged;

    // A key pressed while the list has the focus; false when the list leaves
    // it to the page.
    bool keyPressed(const dom::Event &event);

private:
    // Where the list stands, as the rules read it, and a pointer's place in
    // the list's own units.
    quiz::listbox::State state(const dom::RowsArea &area) const;
    static quiz::listbox::Pointer pointerAt(const dom::RowsArea &area, const quiz::listbox::State &state, double y);

    bool pointerPressed(const dom::Event &event);
    bool pointerMoved(const dom::Event &event);
    bool pointerReleased(const dom::Event &event);
    bool pointerCancelled(const dom::Event &event);
    void scrollTick();
    void showHeld(int row);
    void endHold();

    void selectByUser(int position);
    void markRows();

    dom::Element list;
    std::string framedId;
    // While keepingRows fills the list: the rows the fill has appended or
    // kept, and the rows after them, there from before, that it may keep.
    bool keeping = false;
    int kept = 0;
    int selected = -1;
    int framed = quiz::listbox::FramedWhenEmpty;
    // While the left button is held down on the list, the row framed is
    // selected as the pointer slides, and counts at the release; the
    // selection and the frame from before come back if the hold is
    // cancelled. Held beyond the list, the list scrolls on its own that way.
    bool held = false;
    int selectedBeforeHold = -1;
    int framedBeforeHold = quiz::listbox::FramedWhenEmpty;
    quiz::listbox::Beyond scrolling = quiz::listbox::Beyond::No;
    Timer scrollTimer;
};
