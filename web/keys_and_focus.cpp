// The page's keys and its focus: Tab and Shift+Tab round the form's
// controls as the Windows dialog box takes them, and each control's own keys.
#include "quiz_page.h"

#include <form_design.h>
#include <option_group.h>

#include <array>
#include <string_view>
#include <utility>

namespace design = quiz::design;

bool QuizPage::keyPressed(const dom::Event &event)
{
    if (event.otherModifier)
        return false;
    // WebKitGTK names Shift+Tab's key "Unidentified" (GTK's ISO_Left_Tab);
    // its place on the keyboard is Tab's all the same.
    if (event.key == "Tab" || event.code == "Tab") {
        moveFocus(event.shift);
        return true;
    }
    const dom::Element at = dom::focused();
    if (at == riverList->element())
        return riverList->keyPressed(event);
    if (at == Command1 && (event.key == "Enter" || event.key == " ")) {
        dom::click(Command1);
        return true;
    }
    if (const int index = typeButtonIndexOf(at); index >= 0)
        return typeButtonKeyPressed(index, event.key);
    return false;
}

// The type buttons answer the keys as the Windows option buttons do: the
// button the key goes to takes the focus, and is clicked.
bool QuizPage::typeButtonKeyPressed(int index, const std::string &key)
{
    using Key = quiz::optiongroup::Key;
    static constexpr std::array<std::pair<std::string_view, Key>, 5> keys {{
        {"ArrowUp", Key::Up},
        {"ArrowDown", Key::Down},
        {"ArrowLeft", Key::Left},
        {"ArrowRight", Key::Right},
        {" ", Key::Space},
    }};
    for (const auto &[name, groupKey] : keys) {
        if (key == name) {
            const int to = quiz::optiongroup::buttonForKey(groupKey, index, static_cast<int>(Option1.size()));
            dom::focus(Option1.at(to));
            dom::click(Option1.at(to));
            return true;
        }
    }
    return key == "Enter";
}

// Tab and Shift+Tab go round the form's controls; the type buttons are one
// stop.
void QuizPage::moveFocus(bool backwards)
{
    const dom::Element at = dom::focused();
    const auto stopOf = [&](dom::Element element) {
        if (element == Text1)
            return 0;
        if (element == riverList->element())
            return 1;
        if (element == Command1)
            return 2;
        if (typeButtonIndexOf(element) >= 0)
            return 3;
        return -1;
    };
    const int stops = static_cast<int>(design::TabOrder.size());
    int position = -1;
    for (int i = 0; i < stops; ++i) {
        const int stop = static_cast<int>(design::TabOrder[i]);
        if (stop == stopOf(at))
            position = i;
    }
    if (position < 0)
        position = backwards ? 0 : stops - 1;
    position = (position + (backwards ? stops - 1 : 1)) % stops;

    switch (design::TabOrder[position]) {
    case design::FocusStop::MessageBox:
        dom::focus(Text1);
        dom::scrollToTop(Text1);
        break;
    case design::FocusStop::RiverList:
        dom::focus(riverList->element());
        break;
    case design::FocusStop::ClearButton:
        dom::focus(Command1);
        break;
    case design::FocusStop::TypeButtons: {
        int on = -1;
        for (int i = 0; i < static_cast<int>(Option1.size()); ++i) {
            if (isTypeButtonOn(i))
                on = i;
        }
        dom::focus(Option1.at(quiz::optiongroup::tabStop(on)));
        break;
    }
    }
}

int QuizPage::typeButtonIndexOf(dom::Element element) const
{
    for (int i = 0; i < static_cast<int>(Option1.size()); ++i) {
        if (Option1[i] == element)
            return i;
    }
    return -1;
}
