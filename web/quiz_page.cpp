#include "quiz_page.h"

#include "form_markup.h"

#include <memory>

QuizPage::QuizPage()
    : game(*this)
{
    const dom::Element form = attachToForm();
    // The file's rows are the ones the game fills the list with as it
    // loads: they stay.
    riverList->keepingRows([this] { game.LoadQuiz(); });
    dom::removeAttribute(form, "inert");
    // Where the page is longer than the screen, it opens at its top, at the
    // title and the type buttons, with the message box below.
    dom::focus(Text1, false);
}

// The form's controls, as the page's file has them, and each one's events
// handed to the game; the title and the style sheet are in the file too.
dom::Element QuizPage::attachToForm()
{
    const FormElements form = attachForm();
    Text1 = form.messageBox;
    Command1 = form.clearButton;
    Option1 = form.typeButtons;
    Option1Caption = form.typeCaptions;
    announcer = form.announcer;

    riverList = std::make_unique<RiverList>(form.riverList, std::string(FramedRowId));
    riverList->selectionChanged = [this] { game.PickRiver(quiz::RiverList); };
    dom::listen(Command1, "click", [this](const dom::Event &) {
        dom::focus(Command1);
        game.ClearQuiz();
        return false;
    });
    for (int index = 0; index < static_cast<int>(Option1.size()); ++index) {
        dom::listen(Option1[index], "click", [this, index](const dom::Event &) {
            dom::focus(Option1[index]);
            game.TypeButtonClicked(index);
            return false;
        });
    }
    dom::listen(dom::Document, "keydown", [this](const dom::Event &event) { return keyPressed(event); });
    return form.form;
}

int QuizPage::listCount(int list) const
{
    return list == quiz::RiverList ? riverList->count() : answerKey.count(list);
}

std::string QuizPage::listItem(int list, int position) const
{
    return list == quiz::RiverList ? riverList->item(position) : answerKey.item(list, position);
}

void QuizPage::clearList(int list)
{
    if (list == quiz::RiverList)
        riverList->clear();
    else
        answerKey.clear(list);
}

void QuizPage::appendToList(int list, const std::string &text)
{
    if (list == quiz::RiverList)
        riverList->append(text);
    else
        answerKey.append(list, text);
}

void QuizPage::removeListItem(int list, int position)
{
    if (list == quiz::RiverList)
        riverList->remove(position);
    else
        answerKey.remove(list, position);
}

int QuizPage::listSelection(int list) const
{
    return list == quiz::RiverList ? riverList->selection() : answerKey.selection(list);
}

void QuizPage::selectInList(int list, int position)
{
    if (list == quiz::RiverList)
        riverList->select(position);
    else
        answerKey.select(list, position);
}

bool QuizPage::isTypeButtonOn(int index) const
{
    return dom::isChecked(Option1.at(index));
}

void QuizPage::turnTypeButtonOff(int index)
{
    dom::setChecked(Option1.at(index), false);
}

std::string QuizPage::typeButtonCaption(int index) const
{
    return dom::text(Option1Caption.at(index));
}

std::string QuizPage::messageText() const
{
    // The text box keeps a line break as LF alone; the game's is CR LF.
    const std::string shown = dom::value(Text1);
    std::string text;
    text.reserve(shown.size() + shown.size() / 32);
    for (const char c : shown) {
        if (c == '\n')
            text += '\r';
        text += c;
    }
    return text;
}

void QuizPage::setMessageText(const std::string &text)
{
    dom::setValue(Text1, text);
    dom::scrollToTop(Text1);
}

void QuizPage::announce(const std::string &line)
{
    dom::setText(announcer, line);
}
