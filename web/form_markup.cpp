#include "form_markup.h"

#include "river_list.h"
#include "style_sheet.h"

#include <form_design.h>

#include <initializer_list>
#include <string>
#include <string_view>

namespace design = quiz::design;

FormMarkup formMarkup()
{
    // The form is written as HTML, into the page's file. The elements the
    // page works on carry a mark, and get their handles in the order they are
    // written: their places in that order are counted here.
    FormMarkup markup;
    std::string &html = markup.html;
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
    const auto text = [&](std::string_view shown) { html += escaped(shown); };
    const auto end = [&](std::string_view tag) { html += "</" + std::string(tag) + ">"; };

    // Inert until the page attaches to it: a click or a key before then
    // changes nothing behind the game's back.
    markup.form = start("main", " inert", true);
    start("h1", classes({"label", style::classes::Title}));
    text(design::Label1[0].text);
    end("h1");
    start("div", classes({"label", style::classes::RiverHeading}) + " id=\"rmq-river-heading\"");
    text(design::Label1[1].text);
    end("div");

    // The controls stand in the page in the order the keys visit them.
    for (const design::FocusStop stop : design::TabOrder) {
        switch (stop) {
        case design::FocusStop::MessageBox:
            // The box's text as it is made, so that its caret starts at the
            // beginning and the box shows the assignment from its first line.
            markup.messageBox = start("textarea",
                                      classes({style::classes::MessageBox}) + " readonly aria-label=\""
                                          + escaped(design::MessageBoxName) + "\"",
                                      true);
            text(design::Assignment);
            end("textarea");
            break;
        case design::FocusStop::RiverList:
            markup.riverList = start("div",
                                     classes({style::classes::RiverList})
                                         + " role=\"listbox\" tabindex=\"0\" aria-labelledby=\"rmq-river-heading\"",
                                     true);
            // The rivers as the game fills the list when the page opens.
            for (const quiz::CatalogueEntry &entry : quiz::QuizCatalogue::Entries) {
                start(RiverList::RowTag, " role=\"" + std::string(RiverList::RowRole) + "\"");
                text(entry.name);
                end(RiverList::RowTag);
            }
            end("div");
            break;
        case design::FocusStop::ClearButton:
            markup.clearButton = start("button", classes({style::classes::ClearButton}) + " type=\"button\"", true);
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
                markup.typeButtons.at(type.index) = start("input", " type=\"radio\" name=\"rmq-type\"", true);
                markup.typeCaptions.at(type.index) = start("span", styled("position:static"), true);
                text(type.caption);
                end("span");
                end("label");
            }
            end("fieldset");
            break;
        }
    }
    // Each new first line of the message box, for a screen reader to say.
    markup.announcer = start("div", " class=\"announcer\" aria-live=\"polite\"", true);
    end("div");
    end("main");
    return markup;
}

std::string cannotRunMarkup()
{
    return "<noscript><p class=\"cannot-run\">" + escaped(design::NoScriptNote) + "</p></noscript>"
        + "<p class=\"cannot-run\" id=\"" + std::string(NoWebAssemblyId) + "\" hidden>"
        + escaped(design::NoWebAssemblyNote) + "</p>";
}

std::string escaped(std::string_view text)
{
    std::string html;
    html.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '"':
            html += "&quot;";
            break;
        default:
            html += c;
        }
    }
    return html;
}
