#include "play_table.h"

#include "table_text.h"

#include <algorithm>

namespace play {

const std::vector<std::string> AllRivers = {
    "Амур",    "Атанасовско езеро", "Бургаско езеро", "Варненско езеро", "Волга", "Ганг",   "Гарона",
    "Делауеър", "Дунав",            "Елба",           "Енисей",          "Инд",   "Колорадо", "Нигер",
    "Нил",     "Парана",            "Рейн",           "Сейнт Лорънс",    "Темза",
};

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string> split(std::string_view text, std::string_view separator)
{
    std::vector<std::string> parts;
    for (;;) {
        const std::size_t at = text.find(separator);
        parts.emplace_back(trimmed(text.substr(0, at)));
        if (at == std::string_view::npos)
            return parts;
        text.remove_prefix(at + separator.size());
    }
}

bool startsWith(std::string_view text, std::string_view start, std::string_view *rest = nullptr)
{
    if (text.substr(0, start.size()) != start)
        return false;
    if (rest)
        *rest = trimmed(text.substr(start.size()));
    return true;
}

class Reader
{
public:
    Reader(int line, const std::string &assignment)
        : line(line)
        , assignment(assignment)
    {
    }

    Action action(std::string_view text) const
    {
        Action a;
        std::string_view rest;
        if (startsWith(text, "click ", &rest)) {
            a.kind = Action::Click;
            std::string_view name;
            if (rest == "clear" || rest == "message") {
                a.control = rest;
            } else if (startsWith(rest, "type ", &name) || startsWith(rest, "river ", &name)) {
                a.control = rest.substr(0, rest.find(' '));
                a.name = name;
                if (a.control == "river")
                    knownRiver(a.name);
            } else {
                fail("no such control to click: " + std::string(rest));
            }
            return a;
        }
        if (startsWith(text, "slide river ", &rest)) {
            a.kind = Action::Slide;
            a.control = "river";
            if (rest.ends_with(" then out")) {
                a.out = true;
                rest = trimmed(rest.substr(0, rest.size() - std::string_view(" then out").size()));
            }
            const std::size_t to = rest.find(" to river ");
            if (to == std::string_view::npos)
                fail("a slide goes \"to river NAME\"");
            a.name = trimmed(rest.substr(0, to));
            a.to = trimmed(rest.substr(to + std::string_view(" to river ").size()));
            knownRiver(a.name);
            knownRiver(a.to);
            return a;
        }
        if (startsWith(text, "key ", &rest) && !rest.empty()) {
            a.kind = Action::Key;
            a.key = rest;
            return a;
        }
        fail("no such action: " + std::string(text));
        return a;
    }

    // Applies "FIELD: VALUE | ..." to the state shown before.
    void changes(std::string_view text, Shown &shown) const
    {
        if (trimmed(text).empty())
            return;
        for (const std::string &part : split(text, "|")) {
            const std::size_t colon = part.find(':');
            if (colon == std::string::npos)
                fail("a change is \"FIELD: VALUE\": " + part);
            const std::string field(trimmed(std::string_view(part).substr(0, colon)));
            const std::string_view value = trimmed(std::string_view(part).substr(colon + 1));
            if (field == "message")
                message(value, shown.message);
            else if (field == "rivers")
                rivers(value, shown.rivers);
            else if (field == "selected")
                shown.selected = noneOr(value);
            else if (field == "framed")
                shown.framed = noneOr(value);
            else if (field == "on")
                shown.on = noneOr(value);
            else if (field == "focus")
                shown.focus = value == "none" ? std::string() : std::string(value);
            else
                fail("no such field: " + field);
        }
        for (const std::string *row : {&shown.selected, &shown.framed}) {
            if (!row->empty() && std::find(shown.rivers.begin(), shown.rivers.end(), *row) == shown.rivers.end())
                fail(*row + " is not in the list");
        }
    }

    [[noreturn]] void fail(const std::string &what) const
    {
        throw TableError("line " + std::to_string(line) + ": " + what);
    }

private:
    void knownRiver(const std::string &name) const
    {
        if (std::find(AllRivers.begin(), AllRivers.end(), name) == AllRivers.end())
            fail("no such river: " + name);
    }

    static std::string noneOr(std::string_view value) { return value == "none" ? std::string() : std::string(value); }

    void message(std::string_view value, std::string &text) const
    {
        std::string_view line;
        if (value == "assignment")
            text = assignment;
        else if (value == "empty")
            text.clear();
        else if (startsWith(value, "+ ", &line))
            text = std::string(line) + "\r\n" + text;
        else if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            text = value.substr(1, value.size() - 2);
        else
            fail("no such message: " + std::string(value));
    }

    void rivers(std::string_view value, std::vector<std::string> &list) const
    {
        std::string_view gone;
        if (value == "all") {
            list = AllRivers;
        } else if (value == "none") {
            list.clear();
        } else if (startsWith(value, "- ", &gone)) {
            for (const std::string &name : split(gone, ",")) {
                const auto at = std::find(list.begin(), list.end(), name);
                if (at == list.end())
                    fail(name + " is not in the list to go");
                list.erase(at);
            }
        } else {
            fail("no such river list: " + std::string(value));
        }
    }

    int line;
    const std::string &assignment;
};

} // namespace

Shown atStart(const std::string &assignment)
{
    return {assignment, AllRivers, {}, AllRivers.front(), {}, "message"};
}

std::vector<Play> readTable(std::string_view table, const std::string &assignment)
{
    std::vector<Play> plays;
    Shown shown;
    int number = 0;
    while (!table.empty()) {
        const std::size_t end = table.find('\n');
        const std::string_view line = trimmed(table.substr(0, end));
        table.remove_prefix(end == std::string_view::npos ? table.size() : end + 1);
        ++number;
        const Reader reader(number, assignment);
        std::string_view title;
        if (line.empty() || line.front() == '#')
            continue;
        if (startsWith(line, "play:", &title)) {
            plays.push_back({std::string(title), number, {}});
            shown = atStart(assignment);
            continue;
        }
        if (plays.empty())
            reader.fail("a step before the first play");
        const std::size_t arrow = line.find("=>");
        if (arrow == std::string_view::npos)
            reader.fail("a step is \"ACTION => CHANGES\"");
        Step step;
        step.line = number;
        step.text = trimmed(line.substr(0, arrow));
        step.action = reader.action(step.text);
        reader.changes(line.substr(arrow + 2), shown);
        step.after = shown;
        plays.back().steps.push_back(std::move(step));
    }
    return plays;
}

std::vector<Difference> differences(const Shown &expected, const Shown &shown)
{
    const auto none = [](const std::string &value) { return value.empty() ? std::string("none") : value; };
    const auto joined = [](const std::vector<std::string> &names) {
        std::string text;
        for (const std::string &name : names)
            text += (text.empty() ? "" : ", ") + name;
        return names.empty() ? std::string("none") : text;
    };
    std::vector<Difference> found;
    if (shown.message != expected.message)
        found.push_back({"message", "\"" + expected.message + "\"", "\"" + shown.message + "\""});
    if (shown.rivers != expected.rivers)
        found.push_back({"rivers", joined(expected.rivers), joined(shown.rivers)});
    if (shown.selected != expected.selected)
        found.push_back({"selected", none(expected.selected), none(shown.selected)});
    if (shown.framed != expected.framed)
        found.push_back({"framed", none(expected.framed), none(shown.framed)});
    if (shown.on != expected.on)
        found.push_back({"on", none(expected.on), none(shown.on)});
    if (shown.focus != expected.focus)
        found.push_back({"focus", none(expected.focus), none(shown.focus)});
    return found;
}

std::string testName(const std::string &title)
{
    std::string name;
    bool wordStart = true;
    for (const char c : title) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (letter)
            name += wordStart && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        if (letter || c == ' ')
            wordStart = c == ' ';
    }
    return name;
}

std::string_view builtInTable()
{
    return TableText;
}

} // namespace play
