#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quiz {

// The elements of the list control, by the index the view's list operations
// take: the river list on screen, and the answer key's lists, never shown.
enum ListIndex : int {
    RiverList = 0,
    WorkingCodes = 1,
    MasterNames = 2,
    MasterCodes = 3,
};

// The window as the game sees it: a few plain operations on its controls.
// Lists are addressed by their ListIndex, type buttons by their index in the
// group. Texts are UTF-8; a line break is CR LF.
class QuizView
{
public:
    virtual ~QuizView() = default;

    virtual int listCount(int list) const = 0;
    virtual std::string listItem(int list, int position) const = 0;
    virtual void clearList(int list) = 0;
    virtual void appendToList(int list, const std::string &text) = 0;
    virtual void removeListItem(int list, int position) = 0;
    virtual int listSelection(int list) const = 0;
    // May report the change back at once as a nested PickRiver(list).
    virtual void selectInList(int list, int position) = 0;

    virtual bool isTypeButtonOn(int index) const = 0;
    // Raises no event.
    virtual void turnTypeButtonOff(int index) = 0;
    virtual std::string typeButtonCaption(int index) const = 0;

    virtual std::string messageText() const = 0;
    virtual void setMessageText(const std::string &text) = 0;

    // One line for a screen reader to say at once, wherever the focus is.
    virtual void announce(const std::string &line) = 0;
};

// The number that an answer code stands for: the decimal number at the start
// of the text, blanks, tabs and line feeds ignored wherever they stand, 0 when
// the text does not start with a number, rounded to the nearest integer with a
// half going to the even one. Empty when the number does not fit a type index's
// 16 bits: such a code matches no type.
std::optional<std::int16_t> codeNumber(std::string_view code);

// The state and the rules of one quiz. It reaches the controls only through the
// view, which must outlive it.
class QuizGame
{
public:
    explicit QuizGame(QuizView &view);

    void LoadQuiz();
    void ResetQuiz();
    void ClearQuiz();
    void ChooseType(int index);
    void PickRiver(int listIndex);

    // A click on a type button as the view hears it: the game hears of it
    // only when the click left the button on.
    void TypeButtonClicked(int index);

    bool typeChosen() const { return TypeChosen; }
    int chosenType() const { return ChosenType; }
    bool logCleared() const { return LogCleared; }
    int lastTypeIndex() const { return LastTypeIndex; }

private:
    QuizView &view;

    bool TypeChosen = false;
    std::int16_t ChosenType = -1;
    bool LogCleared = false;
    std::int16_t LastTypeIndex = 0;
};

} // namespace quiz
