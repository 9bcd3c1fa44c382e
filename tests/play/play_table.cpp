#include "play_table.h"

#include "river_names.h"
#include "table_text.h"

#include <algorithm>
#include <stdexcept>

namespace play {

namespace {

struct TableError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

const std::vector<std::string> AllRivers(answer_key::RiverNames.begin(), answer_key::RiverNames.end());

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    return first == std::string_view::npos ? std::string_view()
                                           : text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> split(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    for (std::size_t at; (at = text.find(separator)) != std::string_view::npos; text.remove_prefix(at + 1))
        parts.emplace_back(trimmed(text.substr(0, at)));
    parts.emplace_back(trimmed(text));
    return parts;
}

// Takes `start` off the front of `text`, if it is there.
bool take(std::string_view &text, std::string_view start)
{
    if (!text.starts_with(start))
        return false;
    text = trimmed(text.substr(start.size()));
    return true;
}

void need(bool ok, int line, const std::string &what)
{
    if (!ok)
        throw TableError("line " + std::to_string(line) + ": " + what);
}

bool isIn(const std::vector<std::string> &names, const std::string &name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

Action readAction(std::string_view text, int line)
{
    Action a;
    if (take(text, "key ")) {
        a.kind = Action::Key;
        a.keys = split(text, ' ');
    } else if (take(text, "slide river ")) {
        a.kind = Action::Slide;
        for (const auto &[words, beyond] :
             {std::pair {" to above the list", Action::Above}, std::pair {" to below the list", Action::Below}}) {
            if (text.ends_with(words)) {
                a.beyond = beyond;
                a.name = trimmed(text.substr(0, text.size() - std::string_view(words).size()));
                need(isIn(AllRivers, a.name), line, "no such river: " + a.name);
                return a;
            }
        }
        if (const std::size_t out = text.find(" then out"); out != std::string_view::npos) {
            a.out = true;
            std::string_view rest = text.substr(out + 9);
            text = trimmed(text.substr(0, out));
            if (take(rest, " to river ")) {
                a.besideTo = trimmed(rest);
                need(isIn(AllRivers, a.besideTo), line, "no such river: " + a.besideTo);
            } else {
                need(rest.empty(), line, "a slide goes out, or out \"to river NAME\"");
            }
        }
        const std::size_t to = text.find(" to river ");
        need(to != std::string_view::npos, line, "a slide goes \"to river NAME\"");
        a.name = trimmed(text.substr(0, to));
        a.to = trimmed(text.substr(to + 10));
        need(isIn(AllRivers, a.name) && isIn(AllRivers, a.to), line, "no such river");
    } else {
        need(take(text, "click "), line, "no such action");
        const std::size_t blank = text.find(' ');
        a.control = text.substr(0, blank);
        a.name = blank == std::string_view::npos ? std::string() : std::string(trimmed(text.substr(blank)));
        need(a.control == "clear" || a.control == "message" || a.control == "type" || a.control == "river", line,
             "no such control to click");
        need(a.control != "river" || isIn(AllRivers, a.name), line, "no such river: " + a.name);
    }
    return a;
}

void readChange(const std::string &change, Shown &shown, const std::string &assignment, int line)
{
    const std::size_t colon = change.find(':');
    need(colon != std::string::npos, line, "a change is \"FIELD: VALUE\"");
    const std::string_view field = trimmed(std::string_view(change).substr(0, colon));
    std::string_view value = trimmed(std::string_view(change).substr(colon + 1));
    const std::string text = value == "none" ? std::string() : std::string(value);
    if (field == "message") {
        if (value == "assignment")
            shown.message = assignment;
        else if (value == "empty")
            shown.message.clear();
        else if (take(value, "+ "))
            shown.message = std::string(value) + "\r\n" + shown.message;
        else if (value.size() >= 2 && value.starts_with('"') && value.ends_with('"'))
            shown.message = value.substr(1, value.size() - 2);
        else
            need(false, line, "no such message");
    } else if (field == "rivers") {
        if (value == "all")
            shown.rivers = AllRivers;
        else if (value == "none")
            shown.rivers.clear();
        else {
            need(take(value, "- "), line, "no such list of rivers");
            for (const std::string &gone : split(value, ',')) {
                need(isIn(shown.rivers, gone), line, gone + " is not in the list");
                shown.rivers.erase(std::find(shown.rivers.begin(), shown.rivers.end(), gone));
            }
        }
    } else if (field == "selected" || field == "framed") {
        need(text.empty() || isIn(shown.rivers, text), line, text + " is not in the list");
        (field == "selected" ? shown.selected : shown.framed) = text;
    } else if (field == "on") {
        shown.on = text;
    } else if (field == "focus") {
        shown.focus = text;
    } else {
        need(false, line, "no such field");
    }
}

std::vector<Play> readTable(std::string_view table, const std::string &assignment)
{
    std::vector<Play> plays;
    Shown shown;
    for (int line = 1; !table.empty(); ++line) {
        const std::size_t end = std::min(table.find('\n'), table.size());
        std::string_view text = trimmed(table.substr(0, end));
        table.remove_prefix(std::min(end + 1, table.size()));
        if (text.empty() || text.starts_with('#'))
            continue;
        if (take(text, "play:")) {
            plays.push_back({std::string(text), {}});
            shown = {assignment, AllRivers, {}, AllRivers.front(), {}, "message"};
            continue;
        }
        const std::size_t arrow = text.find("=>");
        need(!plays.empty() && arrow != std::string_view::npos, line, "a step is \"ACTION => CHANGES\" in a play");
        Step step {
            line, std::string(trimmed(text.substr(0, arrow))), readAction(trimmed(text.substr(0, arrow)), line), {}};
        if (const std::string_view changes = trimmed(text.substr(arrow + 2)); !changes.empty()) {
            for (const std::string &change : split(changes, '|'))
                readChange(change, shown, assignment, line);
        }
        step.after = shown;
        plays.back().steps.push_back(std::move(step));
    }
    return plays;
}

// "field is SHOWN, expected EXPECTED" for each field that differs.
std::vector<std::string> differences(const Shown &expected, const Shown &shown)
{
    const auto text = [](const std::string &value) { return value.empty() ? std::string("none") : value; };
    const auto list = [&](const std::vector<std::string> &names) {
        std::string joined;
        for (const std::string &name : names)
            joined += (joined.empty() ? "" : ", ") + name;
        return text(joined);
    };
    std::vector<std::string> found;
    const auto compare = [&](const char *field, const std::string &wanted, const std::string &seen) {
        if (wanted != seen)
            found.push_back(std::string(field) + " is " + seen + ", expected " + wanted);
    };
    compare("message", '"' + expected.message + '"', '"' + shown.message + '"');
    compare("rivers", list(expected.rivers), list(shown.rivers));
    compare("selected", text(expected.selected), text(shown.selected));
    compare("framed", text(expected.framed), text(shown.framed));
    compare("on", text(expected.on), text(shown.on));
    compare("focus", text(expected.focus), text(shown.focus));
    return found;
}

} // namespace

std::vector<Play> builtInPlays(const std::string &assignment)
{
    try {
        return readTable(TableText, assignment);
    } catch (const TableError &error) {
        return {{std::string("The table reads: ") + error.what(), {}}};
    }
}

std::vector<std::string> playThrough(const Play &play, const std::function<void(const Action &)> &act,
                                     const std::function<Shown()> &shown)
{
    if (play.steps.empty())
        return {"play \"" + play.title + "\" has no steps"};
    for (const Step &step : play.steps) {
        act(step.action);
        std::vector<std::string> wrong = differences(step.after, shown());
        for (std::string &difference : wrong)
            difference = "play \"" + play.title + "\", line " + std::to_string(step.line) + " \"" + step.text
                + "\": " + difference;
        if (!wrong.empty())
            return wrong;
    }
    return {};
}

std::string messageBoxFocus(bool textSelected, bool scrolledDown)
{
    return textSelected ? "message, with text selected" : scrolledDown ? "message, scrolled down" : "message";
}

std::string testName(const std::string &title)
{
    std::string name;
    bool wordStart = true;
    for (const char c : title) {
        const bool ascii = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (ascii)
            name += wordStart && c >= 'a' ? static_cast<char>(c - 'a' + 'A') : c;
        if (ascii || c == ' ')
            wordStart = c == ' ';
    }
    return name;
}

} // namespace play
