#pragma once

#include "dom.h"
#include "form_markup.h"
#include "river_list.h"

#include <answer_key_lists.h>
#include <game.h>

#include <array>
#include <memory>
#include <string>

// The quiz's form as a web page: it attaches to the controls that the page's
// file brings, built from the form's design, implements QuizView on them and
// hands every event to QuizGame.
class QuizPage : public quiz::QuizView
{
public:
    QuizPage();

    int listCount(int list) const override;
    std::string listItem(int list, int position) const override;
    void clearList(int list) override;
    void appendToList(int list, const std::string &text) override;
    void removeListItem(int list, int position) override;
    int listSelection(int list) const override;
    void selectInList(int list, int position) override;

    bool isTypeButtonOn(int index) const override;
    void turnTypeButtonOff(int index) override;
    std::string typeButtonCaption(int index) const override;

    std::string messageText() const override;
    void setMessageText(const std::string &text) override;
    void announce(const std::string &line) override;

private:
    // Takes the form's elements and listens to them; gives the whole form.
    dom::Element attachToForm();

    // The keys and the focus, in keys_and_focus.cpp.
    bool keyPressed(const dom::Event &event);
    bool typeButtonKeyPressed(int index, const std::string &key);
    void moveFocus(bool backwards);
    int typeButtonIndexOf(dom::Element element) const;

    dom::Element Text1;
    dom::Element Command1;
    std::array<dom::Element, FormElements::TypeCount> Option1 {};
    std::array<dom::Element, FormElements::TypeCount> Option1Caption {};
    dom::Element announcer;
    std::unique_ptr<RiverList> riverList;
    // The lists the page never shows: the working codes and the answer key.
    quiz::AnswerKeyLists answerKey;

    quiz::QuizGame game;
};
