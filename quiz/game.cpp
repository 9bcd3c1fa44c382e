#include "game.h"

#include "catalogue.h"

#include <algorithm>
#include <limits>

namespace quiz {

namespace {

constexpr std::string_view LineBreak = "\r\n";
constexpr std::string_view NewRoundNote = "Нов избор";

bool isIgnoredBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The longest prefix of the blank-free text that reads as a decimal number:
// an optional sign and digits with an optional fraction.
std::string_view leadingNumber(std::string_view text)
{
    std::size_t end = 0;
    if (end < text.size() && (text[end] == '+' || text[end] == '-'))
        ++end;
    std::size_t digits = 0;
    while (end < text.size() && isDigit(text[end])) {
        ++end;
        ++digits;
    }
    if (end < text.size() && text[end] == '.') {
        ++end;
        while (end < text.size() && isDigit(text[end])) {
            ++end;
            ++digits;
        }
    }
    if (digits == 0)
        return {};
    return text.substr(0, end);
}

} // namespace

std::optional<std::int16_t> codeNumber(std::string_view code)
{
    std::string packed;
    packed.reserve(code.size());
    for (char c : code) {
        if (!isIgnoredBlank(c))
            packed += c;
    }

    std::string_view number = leadingNumber(packed);
    if (number.empty())
        return 0;
    const bool negative = number.front() == '-';
    if (number.front() == '+' || negative)
        number.remove_prefix(1);

    // Read and rounded in decimal, digit by digit, so that every compiler and
    // C library gives the same number, however many digits the text has.
    const std::size_t point = std::min(number.find('.'), number.size());
    std::string_view whole = number.substr(0, point);
    const std::string_view fraction = point < number.size() ? number.substr(point + 1) : std::string_view {};
    while (!whole.empty() && whole.front() == '0')
        whole.remove_prefix(1);
    // Six digits are past any 16-bit number, rounded or not.
    if (whole.size() > 5)
        return std::nullopt;
    int value = 0;
    for (char c : whole)
        value = value * 10 + (c - '0');

    // Ties to even: a fraction of exactly one half goes up only from an odd number.
    if (!fraction.empty()) {
        const char first = fraction.front();
        const bool moreThanHalf = fraction.find_first_not_of('0', 1) != std::string_view::npos;
        if (first > '5' || (first == '5' && (moreThanHalf || value % 2 != 0)))
            ++value;
    }
    if (negative)
        value = -value;

    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

QuizGame::QuizGame(QuizView &view)
    : view(view)
{
}

void QuizGame::LoadQuiz()
{
    LastTypeIndex = QuizCatalogue::LastTypeIndex;
    ResetQuiz();
}

void QuizGame::ResetQuiz()
{
    TypeChosen = false;
    LogCleared = false;
    view.clearList(RiverList);
    view.clearList(WorkingCodes);
    const int n = view.listCount(MasterNames);
    for (int i = 1; i <= n; ++i) {
        view.appendToList(RiverList, view.listItem(MasterNames, i - 1));
        view.appendToList(WorkingCodes, view.listItem(MasterCodes, i - 1));
    }
    for (int i = 0; i <= LastTypeIndex; ++i)
        view.turnTypeButtonOff(i);
    ChosenType = -1;
}

void QuizGame::ClearQuiz()
{
    ResetQuiz();
    view.setMessageText(std::string(NewRoundNote));
    view.announce(std::string(NewRoundNote));
}

void QuizGame::ChooseType(int index)
{
    TypeChosen = view.isTypeButtonOn(index);
    if (TypeChosen)
        ChosenType = static_cast<std::int16_t>(index);
    if (!LogCleared) {
        LogCleared = true;
        view.setMessageText({});
    }
}

void QuizGame::TypeButtonClicked(int index)
{
    if (view.isTypeButtonOn(index))
        ChooseType(index);
}

void QuizGame::PickRiver(int listIndex)
{
    if (listIndex > RiverList)
        return;
    if (!TypeChosen) {
        view.selectInList(RiverList, -1);
        return;
    }
    const int p = view.listSelection(RiverList);
    if (p == -1)
        return;
    view.selectInList(WorkingCodes, p);
    const std::optional<std::int16_t> code = codeNumber(view.listItem(WorkingCodes, p));
    const std::string name = view.listItem(RiverList, p);
    const std::string prefix
        = code == ChosenType ? "Вярно. Устието на " + name + " е " : "Грешка! Устието на " + name + " не е ";
    const std::string verdict = prefix + view.typeButtonCaption(ChosenType) + ".";
    view.setMessageText(verdict + std::string(LineBreak) + view.messageText());
    view.announce(verdict);
    TypeChosen = false;
    view.turnTypeButtonOff(ChosenType);
    view.removeListItem(RiverList, p);
    view.removeListItem(WorkingCodes, p);
    view.selectInList(RiverList, -1);
}

} // namespace quiz
