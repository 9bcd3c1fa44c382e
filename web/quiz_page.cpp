#include "quiz_page.h"

#include <catalogue.h>
#include <config.h>
#include <form_design.h>
#include <option_group.h>

#include <cmath>
#include <memory>
#include <utility>

namespace design = quiz::design;

namespace {

constexpr std::string_view FramedRowId = "rmq-framed";

std::string colour(design::Rgb rgb)
{
    return "rgb(" + std::to_string(rgb.red) + "," + std::to_string(rgb.green) + "," + std::to_string(rgb.blue) + ")";
}

constexpr double FormWidth = static_cast<double>(design::ClientArea.width) / design::TwipsPerPixel;
constexpr double FormHeight = static_cast<double>(design::ClientArea.height) / design::TwipsPerPixel;

// A number for the style sheet, to nine decimals: enough for any screen, and
// no printf to carry in the page.
std::string decimal(double value)
{
    const auto scaled = static_cast<long long>(std::llround(std::abs(value) * 1e9));
    std::string fraction = std::to_string(scaled % 1000000000);
    fraction.insert(0, 9 - fraction.size(), '0');
    return (value < 0 ? "-" : "") + std::to_string(scaled / 1000000000) + "." + fraction;
}

// A length on the form's grid, in pixels of the window at 96 dots per inch:
// the page scales the whole form as one, from its width, --w.
std::string length(double pixels)
{
    return "calc(var(--w)*" + decimal(pixels / FormWidth) + ")";
}

std::string place(design::Twips twips)
{
    const auto pixels = [](int value) { return length(static_cast<double>(value) / design::TwipsPerPixel); };
    return "left:" + pixels(twips.left) + ";top:" + pixels(twips.top) + ";width:" + pixels(twips.width)
        + ";height:" + pixels(twips.height) + ";";
}

std::string fontFamily()
{
    return "\"" + std::string(design::TextFont.family) + "\",\"" RMQ_WEB_FONT_FAMILY "\",serif";
}

// The window's client area, scaled to fit the viewport whole, at most twice
// its size, and set in the middle of it. The edges are the 3-D colours of the
// Windows controls.
std::string styleSheet()
{
    const std::string raised = "border:" + length(1) + " solid;border-color:" + colour(design::EdgeHighlight) + " "
        + colour(design::EdgeDarkShadow) + " " + colour(design::EdgeDarkShadow) + " "
        + colour(design::EdgeHighlight) + ";";
    const std::string sunken = "border:" + length(2) + " inset " + colour(design::EdgeShadow) + ";";
    return ":root{--w:min(100vw, 100vh * " + decimal(FormWidth / FormHeight) + ", " + decimal(2 * FormWidth)
        + "px)}"
          "html,body{margin:0;height:100%;overflow:hidden}"
          "body{display:flex;align-items:center;justify-content:center}"
          "main{position:relative;flex:none;width:"
        + length(FormWidth) + ";height:" + length(FormHeight) + ";background:" + colour(design::WindowColour)
        + ";font-family:" + fontFamily() + ";font-size:" + length(design::TextFont.points * 4.0 / 3.0)
        + ";font-weight:" + std::to_string(design::TextFont.weight) + ";color:" + colour(design::CaptionColour)
        + "}"
          "main *{box-sizing:border-box;position:absolute;margin:0;padding:0;font:inherit;color:inherit}"
          ".label{background:"
        + colour(design::LabelColour)
        + ";text-align:center;white-space:nowrap;overflow:hidden}"
          "fieldset{border:0;min-width:0;background:"
        + colour(design::FrameColour)
        + "}"
          ".edge{left:0;right:0;bottom:0;top:"
        + length(8) + ";border:" + length(1) + " solid " + colour(design::EdgeShadow) + ";box-shadow:inset "
        + length(1) + " " + length(1) + " " + colour(design::EdgeHighlight) + "," + length(1) + " " + length(1)
        + " " + colour(design::EdgeHighlight)
        + "}"
          "legend{left:"
        + length(6) + ";top:0;padding:0 " + length(2) + ";line-height:" + length(16) + ";background:"
        + colour(design::FrameColour)
        + "}"
          "label{display:flex;align-items:center;background:"
        + colour(design::OptionColour)
        + ";white-space:nowrap}"
          "input{position:static;appearance:none;-webkit-appearance:none;flex:none;width:"
        + length(13) + ";height:" + length(13) + ";margin:0 " + length(4) + " 0 " + length(1)
        + ";border-radius:50%;border:" + length(1) + " solid " + colour(design::EdgeShadow) + ";background:"
        + colour(design::IndicatorWellColour)
        + "}"
          "input:checked{background:radial-gradient("
        + colour(design::CaptionColour) + " 0 " + length(2.5) + "," + colour(design::IndicatorWellColour) + " "
        + length(3) + ")}"
          "[role=listbox]{overflow-y:auto;overflow-x:hidden;touch-action:pan-y;user-select:none;-webkit-user-select:"
          "none;outline:none;"
        + sunken + "background:" + colour(design::ActiveTitleBarStandIn)
        + ";color:" + colour(design::readableTextOn(design::ActiveTitleBarStandIn))
        + "}"
          "[role=option]{position:static;white-space:nowrap;padding:0 "
        + length(2) + ";line-height:" + length(18)
        + "}"
          "[role=option][aria-selected=true]{background:Highlight;color:HighlightText}"
          "[role=listbox]:focus #"
        + std::string(FramedRowId) + "{outline:" + length(1) + " dotted;outline-offset:-" + length(1)
        + "}"
          "button{"
        + raised + "background:" + colour(design::ClearColour)
        + "}"
          "button:active{border-color:"
        + colour(design::EdgeDarkShadow)
        + "}"
          "textarea{resize:none;overflow-y:scroll;padding:"
        + length(1) + " " + length(2) + ";" + sunken
        + "background:Field;color:FieldText}"
          ".announcer{width:1px;height:1px;overflow:hidden;clip-path:inset(50%);white-space:nowrap}";
}

} // namespace

QuizPage::QuizPage()
    : game(*this)
{
    buildForm();
    game.LoadQuiz();
    dom::focus(Text1);
}

void QuizPage::buildForm()
{
    dom::setTitle(std::string(config::PublisherUrl) + " " + std::string(design::TitleText));
    dom::addStyleSheet(styleSheet());

    // The form is written as HTML and added in one step. The elements the
    // page works on carry a mark, and get their handles in the order they are
    // written: their places in that order are counted here.
    std::string html = "<main>";
    int marked = 0;
    const auto start = [&](std::string_view tag, const std::string &attributes, bool handled = false) {
        html += "<" + std::string(tag) + attributes + (handled ? " data-handle>" : ">");
        return handled ? marked++ : -1;
    };
    const auto style = [](const std::string &css) { return " style=\"" + css + "\""; };
    const auto text = [&](std::string_view shown) { html += dom::escaped(shown); };
    const auto end = [&](std::string_view tag) { html += "</" + std::string(tag) + ">"; };

    start("h1", " class=\"label\"" + style(place(design::Label1[0].place)));
    text(design::Label1[0].text);
    end("h1");
    start("div", " class=\"label\" id=\"rmq-river-heading\"" + style(place(design::Label1[1].place)));
    text(design::Label1[1].text);
    end("div");

    int message = -1;
    int list = -1;
    int clear = -1;
    std::array<int, 3> typeButton {};
    std::array<int, 3> typeCaption {};
    // The controls stand in the page in the order the keys visit them.
    for (const design::FocusStop stop : design::TabOrder) {
        switch (stop) {
        case design::FocusStop::MessageBox:
            // The box's text as it is made, so that its caret starts at the
            // beginning and the box shows the assignment from its first line.
            message = start("textarea",
                " readonly aria-label=\"" + dom::escaped(design::MessageBoxName) + "\""
                    + style(place(design::MessageBoxPlace)),
                true);
            text(design::Assignment);
            end("textarea");
            break;
        case design::FocusStop::RiverList:
            list = start("div", " aria-labelledby=\"rmq-river-heading\"" + style(place(design::RiverListPlace)), true);
            end("div");
            break;
        case design::FocusStop::ClearButton:
            clear = start("button", " type=\"button\"" + style(place(design::ClearPlace)), true);
            text(design::ClearCaption);
            end("button");
            break;
        case design::FocusStop::TypeButtons:
            start("fieldset", style(place(design::FramePlace)));
            start("div", " class=\"edge\"");
            end("div");
            start("legend", "");
            text(design::FrameCaption);
            end("legend");
            for (const quiz::MouthType &type : quiz::QuizCatalogue::MouthTypes) {
                start("label", style(place(design::optionPlace(type.index))));
                typeButton.at(type.index) = start("input", " type=\"radio\" name=\"rmq-type\"", true);
                typeCaption.at(type.index) = start("span", style("position:static"), true);
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

    const dom::Element first = dom::addMarkup(html);
    Text1 = first + message;
    Command1 = first + clear;
    for (std::size_t index = 0; index < Option1.size(); ++index) {
        Option1[index] = first + typeButton[index];
        Option1Caption[index] = first + typeCaption[index];
    }
    announcer = first + spoken;

    riverList = std::make_unique<RiverList>(first + list, std::string(FramedRowId));
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
}

bool QuizPage::keyPressed(const dom::Event &event)
{
    if (event.otherModifier)
        return false;
    // WebKitGTK names Shift+Tab's key "Unidentified" (GTK's ISO_Left_Tab);
    // its place on the keyboard is Tab's all the same.
    if (event.key == "Tab" || event.code == "Tab") {
        moveFocus(event.shift);
        return true;
    }
    const dom::Element at = dom::focused();
    if (at == riverList->element())
        return riverList->keyPressed(event);
    if (at == Command1 && (event.key == "Enter" || event.key == " ")) {
        dom::click(Command1);
        return true;
    }
    if (const int index = typeButtonIndexOf(at); index >= 0)
        return typeButtonKeyPressed(index, event.key);
    return false;
}

// The type buttons answer the keys as the Windows option buttons do: the
// button the key goes to takes the focus, and is clicked.
bool QuizPage::typeButtonKeyPressed(int index, const std::string &key)
{
    using Key = quiz::optiongroup::Key;
    static constexpr std::array<std::pair<std::string_view, Key>, 5> keys {{
        {"ArrowUp", Key::Up},
        {"ArrowDown", Key::Down},
        {"ArrowLeft", Key::Left},
        {"ArrowRight", Key::Right},
        {" ", Key::Space},
    }};
    for (const auto &[name, groupKey] : keys) {
        if (key == name) {
            const int to = quiz::optiongroup::buttonForKey(groupKey, index, static_cast<int>(Option1.size()));
            dom::focus(Option1.at(to));
            dom::click(Option1.at(to));
            return true;
        }
    }
    return key == "Enter";
}

// Tab and Shift+Tab go round the form's controls; the type buttons are one
// stop.
void QuizPage::moveFocus(bool backwards)
{
    const dom::Element at = dom::focused();
    const auto stopOf = [&](dom::Element element) {
        if (element == Text1)
            return 0;
        if (element == riverList->element())
            return 1;
        if (element == Command1)
            return 2;
        if (typeButtonIndexOf(element) >= 0)
            return 3;
        return -1;
    };
    const int stops = static_cast<int>(design::TabOrder.size());
    int position = -1;
    for (int i = 0; i < stops; ++i) {
        const int stop = static_cast<int>(design::TabOrder[i]);
        if (stop == stopOf(at))
            position = i;
    }
    if (position < 0)
        position = backwards ? 0 : stops - 1;
    position = (position + (backwards ? stops - 1 : 1)) % stops;

    switch (design::TabOrder[position]) {
    case design::FocusStop::MessageBox:
        dom::focus(Text1);
        dom::scrollToTop(Text1);
        break;
    case design::FocusStop::RiverList:
        dom::focus(riverList->element());
        break;
    case design::FocusStop::ClearButton:
        dom::focus(Command1);
        break;
    case design::FocusStop::TypeButtons: {
        int on = -1;
        for (int i = 0; i < static_cast<int>(Option1.size()); ++i) {
            if (isTypeButtonOn(i))
                on = i;
        }
        dom::focus(Option1.at(quiz::optiongroup::tabStop(on)));
        break;
    }
    }
}

int QuizPage::typeButtonIndexOf(dom::Element element) const
{
    for (int i = 0; i < static_cast<int>(Option1.size()); ++i) {
        if (Option1[i] == element)
            return i;
    }
    return -1;
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
