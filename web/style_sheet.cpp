#include "style_sheet.h"

#include <config.h>

#include <array>
#include <cmath>

namespace design = quiz::design;

namespace style {

namespace {

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

std::string fontFamily()
{
    return "\"" + std::string(design::TextFont.family) + "\",\"" RMQ_WEB_FONT_FAMILY "\",serif";
}

// Where a control stands on the form.
std::string place(design::Twips twips)
{
    const auto pixels = [](int value) { return length(static_cast<double>(value) / design::TwipsPerPixel); };
    return "left:" + pixels(twips.left) + ";top:" + pixels(twips.top) + ";width:" + pixels(twips.width)
        + ";height:" + pixels(twips.height) + ";";
}

// The controls placed on the form, each by its class; the type buttons, which
// share theirs, by their place among the frame's labels, from 1.
struct Placed
{
    std::string_view className;
    int nth;
    design::Twips twips;
};

constexpr std::array<Placed, 9> PlacedControls {{
    {classes::Title, 0, design::Label1[0].place},
    {classes::RiverHeading, 0, design::Label1[1].place},
    {classes::Frame, 0, design::FramePlace},
    {classes::TypeButton, 1, design::optionPlace(0)},
    {classes::TypeButton, 2, design::optionPlace(1)},
    {classes::TypeButton, 3, design::optionPlace(2)},
    {classes::RiverList, 0, design::RiverListPlace},
    {classes::ClearButton, 0, design::ClearPlace},
    {classes::MessageBox, 0, design::MessageBoxPlace},
}};

std::string selector(const Placed &control)
{
    return "." + std::string(control.className)
        + (control.nth > 0 ? ":nth-of-type(" + std::to_string(control.nth) + ")" : "");
}

// A river row's height on the form's grid: the lowest of the targets, below
// a type button's row and "Изчисти".
constexpr double RowHeight = 18;
// The least a target may measure for a finger, and what the one column gives
// every row and button, in CSS pixels.
constexpr double LeastTarget = 24;
constexpr double FingerRow = 44;
// The one column's scale of the form's grid: its text an eighth over the
// design's 12 points, and the edges with it.
constexpr double ColumnScale = 1.125;

// Where the form's own layout will not do: narrower or lower than the form at
// its own size, or, under a finger, than the form at the scale where its river
// rows reach the least target. Each edge is half a pixel under that size, so
// that a viewport of exactly that size keeps the form: Chromium matches a
// hundredth of a pixel under the viewport's size as that size itself.
std::string oneColumnCondition()
{
    const auto under = [](std::string_view side, double pixels) {
        return "(max-" + std::string(side) + ":" + decimal(pixels - 0.5) + "px)";
    };
    const double fingerScale = LeastTarget / RowHeight;
    return under("width", FormWidth) + "," + under("height", FormHeight) + ",(pointer:coarse) and "
        + under("width", FormWidth * fingerScale) + ",(pointer:coarse) and "
        + under("height", FormHeight * fingerScale);
}

// The same controls one under the other, in the order the form shows them
// from the top left: the title, the frame with the type buttons, the river
// list under its heading, "Изчисти" and the message box. The keys visit them
// in the markup's order, as on the form. The page scrolls up and down; every
// row and button is a finger high, the list shows as many whole rows as the
// form's does, so that its keys go as far, and the message box five lines at
// the least.
std::string oneColumn()
{
    const auto by = [](std::string_view name) { return "." + std::string(name); };
    const std::string finger = decimal(FingerRow) + "px";
    // Inside the list's sunken edge, two pixels each side.
    const int rowsInSight = static_cast<int>(
        (static_cast<double>(design::RiverListPlace.height) / design::TwipsPerPixel - 4) / RowHeight);
    // Each control placed on the form stands where the column puts it.
    std::string placed;
    for (const Placed &control : PlacedControls)
        placed += (placed.empty() ? "" : ",") + selector(control);

    std::string css = "@media " + oneColumnCondition() + "{:root{--w:" + decimal(FormWidth * ColumnScale) + "px}";
    css += "html{background:" + colour(design::WindowColour) + "}html,body{height:auto;overflow:visible}";
    css += "body{display:block}main{box-sizing:border-box;display:flex;flex-direction:column;gap:" + length(8)
        + ";width:auto;height:auto;min-height:100vh;padding:" + length(8) + "}";
    css += placed + "{position:relative;left:auto;top:auto;width:auto;height:auto}";
    css += by(classes::Title) + "," + by(classes::RiverHeading) + "{white-space:normal;padding:" + length(2) + " "
        + length(4) + "}";
    css += by(classes::Frame) + "{order:1;padding:" + length(20) + " " + length(8) + " " + length(8) + "}";
    css += by(classes::TypeButton) + "{min-height:" + finger + "}";
    css += by(classes::RiverHeading) + "{order:2}";
    css += by(classes::RiverList) + "{order:3;box-sizing:content-box;height:calc(" + std::to_string(rowsInSight)
        + "*" + finger + ")}[role=option]{line-height:" + finger + "}";
    css += by(classes::ClearButton) + "{order:4;align-self:center;min-width:10em;min-height:" + finger
        + ";padding:0 1em}";
    css += by(classes::MessageBox)
        + "{order:5;flex:1 0 auto;box-sizing:content-box;min-height:6.25em;line-height:1.25}";
    return css + "}";
}

} // namespace

// The window's client area, scaled to fit the viewport whole, at most twice
// its size, and set in the middle of it; or the one column where it cannot
// be. The edges are the 3-D colours of the Windows controls.
std::string sheet(std::string_view framedRowId)
{
    const std::string raised = "border:" + length(1) + " solid;border-color:" + colour(design::EdgeHighlight) + " "
        + colour(design::EdgeDarkShadow) + " " + colour(design::EdgeDarkShadow) + " "
        + colour(design::EdgeHighlight) + ";";
    const std::string sunken = "border:" + length(2) + " inset " + colour(design::EdgeShadow) + ";";
    std::string places;
    for (const Placed &control : PlacedControls)
        places += selector(control) + "{" + place(control.twips) + "}";
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
        + length(2) + ";line-height:" + length(RowHeight)
        + "}"
          "[role=option][aria-selected=true]{background:Highlight;color:HighlightText}"
          "[role=listbox]:focus #"
        + std::string(framedRowId) + "{outline:" + length(1) + " dotted;outline-offset:-" + length(1)
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
          ".announcer{width:1px;height:1px;overflow:hidden;clip-path:inset(50%);white-space:nowrap}"
          // Until the page has attached to the form, which it does at once.
          "main[inert]{cursor:progress}"
          // What the page says in place of the form where it cannot run.
          ".cannot-run{max-width:32em;margin:1em;font-family:"
        + fontFamily() + ";font-size:1.25rem;line-height:1.4;text-align:center;color:"
        + colour(design::CaptionColour) + "}" + places + oneColumn();
}

} // namespace style
