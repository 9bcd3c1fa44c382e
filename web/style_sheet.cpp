#include "style_sheet.h"

#include <config.h>

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

} // namespace

std::string place(design::Twips twips)
{
    const auto pixels = [](int value) { return length(static_cast<double>(value) / design::TwipsPerPixel); };
    return "left:" + pixels(twips.left) + ";top:" + pixels(twips.top) + ";width:" + pixels(twips.width)
        + ";height:" + pixels(twips.height) + ";";
}

// The window's client area, scaled to fit the viewport whole, at most twice
// its size, and set in the middle of it. The edges are the 3-D colours of the
// Windows controls.
std::string sheet(std::string_view framedRowId)
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
        + colour(design::CaptionColour) + "}";
}

} // namespace style
