// Prints what the page's file carries of the form, for the page's shell to
// take at build time: the title, the style sheet and the body's markup, as a
// JSON object of strings. Run under Node.
#include "form_markup.h"
#include "style_sheet.h"

#include <config.h>
#include <form_design.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace {

std::string json(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static constexpr char hex[] = "0123456789abcdef";
            quoted += "\\u00";
            quoted += hex[(c >> 4) & 0xF];
            quoted += hex[c & 0xF];
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

} // namespace

int main()
{
    const std::string title = std::string(config::PublisherUrl) + " " + std::string(quiz::design::TitleText);
    const std::string parts = "{\"title\":" + json(escaped(title)) + ",\"style\":" + json(style::sheet(FramedRowId))
        + ",\"body\":" + json(cannotRunMarkup() + formMarkup().html) + "}\n";
    std::fputs(parts.c_str(), stdout);
    return 0;
}
