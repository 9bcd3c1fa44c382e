#pragma once

#include "dom.h"

#include <functional>
#include <string>
#include <vector>

// The river list: a single-selection list of texts on a role="listbox"
// element, which answers keys and the mouse as the Windows list box does. The
// framed row is where its keys go on from; with nothing selected, the first
// arrow key or Space selects the framed row itself. A selection made by the
// user is reported through selectionChanged; one made by the program is not.
class RiverList
{
public:
    // The list on an empty element of the page.
    RiverList(dom::Element element, std::string framedRowId);

    dom::Element element() const { return list; }

    int count() const;
    std::string item(int position) const;
    void clear();
    void append(const std::string &text);
    void remove(int position);
    int selection() const { return selected; }
    void select(int position);

    std::function<void()> selectionChanged;

    // A key pressed while the list has the focus; false when the list leaves
    // it to the page.
    bool keyPressed(const dom::Event &event);

private:
    bool pointerPressed(const dom::Event &event);
    bool pointerMoved(const dom::Event &event);
    bool pointerReleased(const dom::Event &event);
    bool pointerCancelled(const dom::Event &event);

    void selectByUser(int position);
    int rowAfterFrameStartingWith(const std::string &typed) const;
    void markRows();

    dom::Element list;
    std::string framedId;
    std::vector<std::string> rows;
    int selected = -1;
    int framed = 0;
    // While the left button is held down on the list, the row the pointer was
    // last on is selected as the pointer slides; the selection and the frame
    // from before come back if the slide is cancelled.
    bool sliding = false;
    int selectedBeforeSlide = -1;
    int framedBeforeSlide = 0;
};
