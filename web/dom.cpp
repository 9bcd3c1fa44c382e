#include "dom.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <cstdlib>
#include <vector>

// The runtime's string helpers have new names in newer emscripten, which also
// leaves out of the build every helper that the code does not declare it uses
// (EM_JS_DEPS, which the older one lacks). The page's own script finds them
// under one name on Module.
// clang-format off
#ifdef EM_JS_DEPS
EM_JS_DEPS(rmq_dom, "$UTF8ToString,$stackSave,$stackRestore,$stringToUTF8OnStack,$stringToNewUTF8");
EM_JS(void, rmq_name_string_helpers, (), {
    Module.rmqStringOnStack = stringToUTF8OnStack;
    Module.rmqNewString = stringToNewUTF8;
});
#else
EM_JS(void, rmq_name_string_helpers, (), {
    Module.rmqStringOnStack = allocateUTF8OnStack;
    Module.rmqNewString = allocateUTF8;
});
#endif

// The elements live in a JavaScript array, indexed by their handles.
EM_JS(int, rmq_take_marked, (), {
    if (!Module.rmqElements)
        Module.rmqElements = [document];
    const first = Module.rmqElements.length;
    document.querySelectorAll("[data-handle]").forEach(function(element) {
        element.removeAttribute("data-handle");
        Module.rmqElements.push(element);
    });
    return first;
});
EM_JS(int, rmq_element_count, (), {
    return Module.rmqElements.length;
});
EM_JS(void, rmq_remove_attribute, (int element, const char *name), {
    Module.rmqElements[element].removeAttribute(UTF8ToString(name));
});
EM_JS(void, rmq_set_text, (int element, const char *text), {
    Module.rmqElements[element].textContent = UTF8ToString(text);
});
EM_JS(void, rmq_listen, (int element, const char *type, int listener), {
    Module.rmqElements[element].addEventListener(UTF8ToString(type), function(event) {
        const stack = stackSave();
        const key = Module.rmqStringOnStack(event.key || "");
        const code = Module.rmqStringOnStack(event.code || "");
        const other = event.ctrlKey || event.altKey || event.metaKey;
        const acted = Module._rmq_dispatch(listener, key, code, event.shiftKey ? 1 : 0, other ? 1 : 0, event.button || 0,
            event.pointerId || 0, event.clientX || 0, event.clientY || 0);
        stackRestore(stack);
        if (acted)
            event.preventDefault();
    });
});
EM_JS(void, rmq_focus, (int element, int intoView), {
    Module.rmqElements[element].focus({preventScroll: !intoView});
});
EM_JS(int, rmq_focused, (), {
    return Module.rmqElements.indexOf(document.activeElement);
});
EM_JS(void, rmq_click, (int element), {
    Module.rmqElements[element].click();
});
EM_JS(void, rmq_set_checked, (int element, int checked), {
    Module.rmqElements[element].checked = checked !== 0;
});
EM_JS(int, rmq_is_checked, (int element), {
    return Module.rmqElements[element].checked ? 1 : 0;
});
EM_JS(char *, rmq_value, (int element), {
    return Module.rmqNewString(Module.rmqElements[element].value);
});
EM_JS(void, rmq_set_value, (int element, const char *text), {
    Module.rmqElements[element].value = UTF8ToString(text);
});
EM_JS(void, rmq_scroll_to_top, (int element), {
    const box = Module.rmqElements[element];
    box.setSelectionRange(0, 0);
    box.scrollTop = 0;
});
EM_JS(void, rmq_append_child, (int parent, const char *tag, const char *text, const char *role), {
    const child = document.createElement(UTF8ToString(tag));
    child.textContent = UTF8ToString(text);
    child.setAttribute("role", UTF8ToString(role));
    Module.rmqElements[parent].appendChild(child);
});
EM_JS(void, rmq_remove_child, (int parent, int position), {
    Module.rmqElements[parent].children[position].remove();
});
EM_JS(void, rmq_remove_children, (int parent), {
    Module.rmqElements[parent].replaceChildren();
});
EM_JS(void, rmq_scroll_child_into_view, (int parent, int position), {
    const list = Module.rmqElements[parent];
    const child = list.children[position];
    if (child.offsetTop < list.scrollTop)
        list.scrollTop = child.offsetTop;
    else if (child.offsetTop + child.offsetHeight > list.scrollTop + list.clientHeight)
        list.scrollTop = child.offsetTop + child.offsetHeight - list.clientHeight;
});
EM_JS(int, rmq_child_count, (int parent), {
    return Module.rmqElements[parent].children.length;
});
EM_JS(char *, rmq_child_text, (int parent, int position), {
    return Module.rmqNewString(Module.rmqElements[parent].children[position].textContent);
});
// Six numbers into `area`, as dom::RowsArea holds them.
EM_JS(void, rmq_rows_area, (int element, double *area), {
    const list = Module.rmqElements[element];
    const box = list.getBoundingClientRect();
    const row = list.firstElementChild;
    HEAPF64.set([box.left + list.clientLeft, box.top + list.clientTop, list.clientWidth, list.clientHeight,
        list.scrollTop, row ? row.getBoundingClientRect().height : 0], area >> 3);
});
EM_JS(char *, rmq_text, (int element), {
    return Module.rmqNewString(Module.rmqElements[element].textContent);
});
// The selected row and the framed one, which the list names as the row its
// keys go on from.
EM_JS(void, rmq_mark_rows, (int parent, int selected, int framed, const char *framedId), {
    const list = Module.rmqElements[parent];
    const id = UTF8ToString(framedId);
    Array.prototype.forEach.call(list.children, function(row, position) {
        row.setAttribute("aria-selected", position === selected ? "true" : "false");
        if (position === framed)
            row.id = id;
        else
            row.removeAttribute("id");
    });
    if (framed >= 0 && framed < list.children.length)
        list.setAttribute("aria-activedescendant", id);
    else
        list.removeAttribute("aria-activedescendant");
});
EM_JS(void, rmq_capture_pointer, (int element, int pointerId), {
    Module.rmqElements[element].setPointerCapture(pointerId);
});
// clang-format on

namespace dom {

namespace {

std::vector<Listener> &listeners()
{
    static std::vector<Listener> all;
    return all;
}

std::string owned(std::string_view view)
{
    return std::string(view);
}

// A string that the page's script allocated, freed once copied.
std::string taken(char *raw)
{
    std::string result(raw);
    std::free(raw);
    return result;
}

// Named before any element is made.
[[maybe_unused]] const bool stringHelpersNamed = (rmq_name_string_helpers(), true);

} // namespace

std::vector<Element> markedElements()
{
    const int first = rmq_take_marked();
    std::vector<Element> marked;
    for (int handle = first; handle < rmq_element_count(); ++handle)
        marked.emplace_back(handle);
    return marked;
}

void removeAttribute(Element element, std::string_view name)
{
    rmq_remove_attribute(element.handle(), owned(name).c_str());
}

void setText(Element element, std::string_view text)
{
    rmq_set_text(element.handle(), owned(text).c_str());
}

void listen(Element element, std::string_view type, Listener listener)
{
    listeners().push_back(std::move(listener));
    rmq_listen(element.handle(), owned(type).c_str(), static_cast<int>(listeners().size()) - 1);
}

void focus(Element element, bool intoView)
{
    rmq_focus(element.handle(), intoView ? 1 : 0);
}

Element focused()
{
    const int element = rmq_focused();
    return element > Document.handle() ? Element(element) : None;
}

void click(Element element)
{
    rmq_click(element.handle());
}

void setChecked(Element element, bool checked)
{
    rmq_set_checked(element.handle(), checked ? 1 : 0);
}

bool isChecked(Element element)
{
    return rmq_is_checked(element.handle()) != 0;
}

std::string value(Element element)
{
    return taken(rmq_value(element.handle()));
}

void setValue(Element element, std::string_view text)
{
    rmq_set_value(element.handle(), owned(text).c_str());
}

void scrollToTop(Element element)
{
    rmq_scroll_to_top(element.handle());
}

void appendChild(Element parent, std::string_view tag, std::string_view text, std::string_view role)
{
    rmq_append_child(parent.handle(), dom::owned(tag).c_str(), owned(text).c_str(), owned(role).c_str());
}

void removeChild(Element parent, int position)
{
    rmq_remove_child(parent.handle(), position);
}

void removeChildren(Element parent)
{
    rmq_remove_children(parent.handle());
}

void scrollChildIntoView(Element parent, int position)
{
    rmq_scroll_child_into_view(parent.handle(), position);
}

int childCount(Element parent)
{
    return rmq_child_count(parent.handle());
}

std::string childText(Element parent, int position)
{
    return taken(rmq_child_text(parent.handle(), position));
}

RowsArea rowsArea(Element list)
{
    double values[6] = {};
    rmq_rows_area(list.handle(), values);
    return {values[0], values[1], values[2], values[3], values[4], values[5]};
}

std::string text(Element element)
{
    return taken(rmq_text(element.handle()));
}

void markRows(Element parent, int selected, int framed, std::string_view framedId)
{
    rmq_mark_rows(parent.handle(), selected, framed, owned(framedId).c_str());
}

void capturePointer(Element element, int pointerId)
{
    rmq_capture_pointer(element.handle(), pointerId);
}

} // namespace dom

// Every listener's event comes in here from the page's script.
extern "C" EMSCRIPTEN_KEEPALIVE int rmq_dispatch(int listener, const char *key, const char *code, int shift,
    int otherModifier, int button, int pointerId, double x, double y)
{
    const dom::Event event {key, code, shift != 0, otherModifier != 0, button, pointerId, x, y};
    return dom::listeners().at(static_cast<std::size_t>(listener))(event) ? 1 : 0;
}
