#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The few things the page does to its elements, each one call on the DOM.
namespace dom {

// An element of the page, known by a small handle; a default-made one is
// none of them.
class Element
{
public:
    constexpr Element() = default;
    constexpr explicit Element(int handle)
        : id(handle)
    {
    }

    constexpr int handle() const { return id; }
    friend constexpr bool operator==(Element, Element) = default;

private:
    int id = -1;
};

inline constexpr Element Document {0};
inline constexpr Element None {};

// What a listener hears of an event: the key as the browser names it ("Tab",
// "ArrowDown", "а") and the place of the key on the keyboard ("Tab", "KeyA"),
// the modifiers, the mouse button and where the pointer is.
struct Event
{
    std::string key;
    std::string code;
    bool shift = false;
    bool otherModifier = false;
    int button = 0;
    int pointerId = 0;
    double x = 0;
    double y = 0;
};

// A listener answers whether it acted, so that the browser does not as well.
using Listener = std::function<bool(const Event &)>;

// The elements that the page's HTML marks with a bare data-handle attribute,
// in the order they stand in; they get handles and lose the mark.
std::vector<Element> markedElements();
void removeAttribute(Element element, std::string_view name);
void setText(Element element, std::string_view text);
std::string text(Element element);
void listen(Element element, std::string_view type, Listener listener);

// The page scrolls to the element unless asked not to.
void focus(Element element, bool intoView = true);
// The element with the keyboard focus; None when it is on none of ours.
Element focused();
void click(Element element);
void setChecked(Element element, bool checked);
bool isChecked(Element element);

// A text box's text; the browser keeps its line breaks as LF alone.
std::string value(Element element);
void setValue(Element element, std::string_view text);
// Leaves the text box scrolled to the top, with nothing selected.
void scrollToTop(Element element);

// The children of a list, by position.
void appendChild(Element parent, std::string_view tag, std::string_view text, std::string_view role);
void removeChild(Element parent, int position);
void removeChildren(Element parent);
int childCount(Element parent);
std::string childText(Element parent, int position);
void scrollChildIntoView(Element parent, int position);
// Marks the selected child, and gives the framed one the id that the parent
// names as its active descendant; -1 marks none.
void markRows(Element parent, int selected, int framed, std::string_view framedId);
void capturePointer(Element element, int pointerId);

// Where a list's rows show: the area inside its border and beside its scroll
// bar, in the viewport's coordinates as a pointer event gives them; how far
// the rows are scrolled up out of it; and the height of a row, 0 with none.
struct RowsArea
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double scrolled = 0;
    double rowHeight = 0;
};
RowsArea rowsArea(Element list);

} // namespace dom
