#include "form_markup.h"

#include "style_sheet.h"

#include <form_design.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace design = quiz::design;

FormElements addForm()
{
    // The form is written as HTML and added in one step. The elements the
    // page works on carry a mark, and get their handles in the order they are
    // written: their places in that order are counted here.
    std::string html = "<main>";
    int marked = 0;
    const auto start = [&](std::string_view tag, const std::string &attributes, bool handled = false) {
        html += "<" + std::string(tag) + attributes + (handled ? " data-handle>" : ">");
        return handled ? marked++ : -1;
    };
    const auto styled = [](const std::string &css) { return " style=\"" + css + "\""; };
    const auto classes = [](std::initializer_list<std::string_view> names) {
        std::string list;
        for (const std::string_view name : names)
            list += (list.empty() ? "" : " ") + std::string(name);
        return " class=\"" + list + "\"";
    };
    const auto text = [&](std::string_view shown) { html += dom::escaped(shown); };
    const auto end = [&](std::string_view tag) { html += "</" + std::string(tag) + ">"; };

    start("h1", classes({"label", style::classes::Title}));
    text(design::Label1[0].text);
    end("h1");
    start("div", classes({"label", style::classes::RiverHeading}) + " id=\"rmq-river-heading\"");
    text(design::Label1[1].text);
    end("div");

    int message = -1;
    int list = -1;
    int clear = -1;
    std::array<int, FormElements::TypeCount> typeButton {};
    std::array<int, FormElements::TypeCount> typeCaption {};
    // The controls stand in the page in the order the keys visit them.
    for (const design::FocusStop stop : design::TabOrder) {
        switch (stop) {
        case design::FocusStop::MessageBox:
            // The box's text as it is made, so that its caret starts at the
            // beginning and the box shows the assignment from its first line.
            message = start("textarea",
                            classes({style::classes::MessageBox}) + " readonly aria-label=\""
                                + dom::escaped(design::MessageBoxName) + "\"",
                            true);
            text(design::Assignment);
            end("textarea");
            break;
        case design::FocusStop::RiverList:
            list = start("div", classes({style::classes::RiverList}) + " aria-labelledby=\"rmq-river-heading\"", true);
            end("div");
            break;
        case design::FocusStop::ClearButton:
            clear = start("button", classes({style::classes::ClearButton}) + " type=\"button\"", true);
            text(design::ClearCaption);
            end("button");
            break;
        case design::FocusStop::TypeButtons:
            start("fieldset", classes({style::classes::Frame}));
            start("div", " class=\"edge\"");
            end("div");
            start("legend", "");
            text(design::FrameCaption);
            end("legend");
            for (const quiz::MouthType &type : quiz::QuizCatalogue::MouthTypes) {
                start("label", classes({style::classes::TypeButton}));
                typeButton.at(type.index) = start("input", " type=\"radio\" name=\"rmq-type\"", true);
                typeCaption.at(type.index) = start("span", styled("position:static"), true);
                text(type.caption);
                end("span");
                end("label");
            }
            end("fieldset");
            break;
        }
    }
    // Each new first line of the message box, for a screen reader to say.
    const int spoken = start("div", " class=\"announcer\" aria-live=\"polite\"", true);
    end("div");
    end("main");

    const std::vector<dom::Element> handles = dom::addMarkup(html);
    const auto at = [&](int position) { return handles.at(static_cast<std::size_t>(position)); };
    FormElements form;
    form.messageBox = at(message);
    form.riverList = at(list);
    form.clearButton = at(clear);
    for (std::size_t index = 0; index < FormElements::TypeCount; ++index) {
        form.typeButtons[index] = at(typeButton[index]);
        form.typeCaptions[index] = at(typeCaption[index]);
    }
    form.announcer = at(spoken);
    return form;
}
