#include "form_markup.h"

#include "river_list.h"
#include "style_sheet.h"

#include <form_design.h>

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
    const auto text = [&](std::string_view shown) { html += escaped(shown); };
    const auto end = [&](std::string_view tag) { html += "</" + std::string(tag) + ">"; };

    // Inert until the page attaches to it: a click or a key before then
    // changes nothing behind the game's back.
    markup.form = start("main", " inert", true);
    start("h1", " class=\"label\"" + styled(style::place(design::Label1[0].place)));
    text(design::Label1[0].text);
    end("h1");
    start("div", " class=\"label\" id=\"rmq-river-heading\"" + styled(style::place(design::Label1[1].place)));
    text(design::Label1[1].text);
    end("div");

    // The controls stand in the page in the order the keys visit them.
    for (const design::FocusStop stop : design::TabOrder) {
        switch (stop) {
        case design::FocusStop::MessageBox:
            // The box's text as it is made, so that its caret starts at the
            // beginning and the box shows the assignment from its first line.
            markup.messageBox = start("textarea",
                                      " readonly aria-label=\"" + escaped(design::MessageBoxName) + "\""
                                          + styled(style::place(design::MessageBoxPlace)),
                                      true);
            text(design::Assignment);
            end("textarea");
            break;
        case design::FocusStop::RiverList:
            markup.riverList = start("div",
                                     " role=\"listbox\" tabindex=\"0\" aria-labelledby=\"rmq-river-heading\""
                                         + styled(style::place(design::RiverListPlace)),
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
            markup.clearButton = start("button", " type=\"button\"" + styled(style::place(design::ClearPlace)), true);
            text(design::ClearCaption);
            end("button");
            break;
        case design::FocusStop::TypeButtons:
            start("fieldset", styled(style::place(design::FramePlace)));
            start("div", " class=\"edge\"");
            end("div");
            start("legend", "");
            text(design::FrameCaption);
            end("legend");
            for (const quiz::MouthType &type : quiz::QuizCatalogue::MouthTypes) {
                start("label", styled(style::place(design::optionPlace(type.index))));
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
