#include "control_table.h"

#include "catalogue.h"
#include "dpi.h"
#include "text.h"

#include <commctrl.h>

#include <iterator>
#include <string_view>

namespace {

namespace design = quiz::design;
using quiz::QuizCatalogue;

// The fill behind a control, by the window's brushes, the system's colours or
// the control's own painting.
enum class Background { Label, Frame, Option, Clear, SystemWindow, ActiveTitleBar };

struct ControlRow
{
    ControlId id;
    const wchar_t *className;
    std::string_view text;
    DWORD style;
    DWORD exStyle;
    design::Twips place;
    Background background;
};

// The type buttons' places are given within the frame.
constexpr design::Twips inFrame(design::Twips place)
{
    return {design::FramePlace.left + place.left, design::FramePlace.top + place.top, place.width, place.height};
}

constexpr DWORD Child = WS_CHILD | WS_VISIBLE;
constexpr DWORD TypeButtonStyle = Child | BS_AUTORADIOBUTTON;

// Every control, in the order of creation. The frame comes last, so that it
// lies beneath the type buttons that stand on it; the order of the keyboard
// focus is set afterwards, and the river list's heading, whose lower edge
// meets the list's upper one, goes beneath the list.
constexpr std::array<ControlRow, 9> Controls = {{
    {IdLabel1Title, WC_STATICW, design::Label1[0].text, Child | SS_CENTER | SS_NOPREFIX, 0, design::Label1[0].place,
     Background::Label},
    {IdLabel1RiverHeading, WC_STATICW, design::Label1[1].text, Child | WS_CLIPSIBLINGS | SS_CENTER | SS_NOPREFIX,
     0, design::Label1[1].place, Background::Label},
    {IdText1, WC_EDITW, design::Assignment,
     Child | WS_TABSTOP | WS_GROUP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, WS_EX_CLIENTEDGE,
     design::MessageBoxPlace, Background::SystemWindow},
    {IdList1, WC_LISTBOXW, {}, Child | WS_TABSTOP | WS_GROUP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
     WS_EX_CLIENTEDGE, design::RiverListPlace, Background::ActiveTitleBar},
    {IdCommand1, WC_BUTTONW, design::ClearCaption, Child | WS_TABSTOP | WS_GROUP | BS_OWNERDRAW, 0,
     design::ClearPlace, Background::Clear},
    {IdOption1First, WC_BUTTONW, QuizCatalogue::typeCaption(0), TypeButtonStyle | WS_TABSTOP | WS_GROUP, 0,
     inFrame(design::optionPlace(0)), Background::Option},
    {ControlId(IdOption1First + 1), WC_BUTTONW, QuizCatalogue::typeCaption(1), TypeButtonStyle, 0,
     inFrame(design::optionPlace(1)), Background::Option},
    {ControlId(IdOption1First + 2), WC_BUTTONW, QuizCatalogue::typeCaption(2), TypeButtonStyle, 0,
     inFrame(design::optionPlace(2)), Background::Option},
    {IdFrame1, WC_BUTTONW, design::FrameCaption, Child | WS_GROUP | WS_CLIPSIBLINGS | BS_GROUPBOX, 0,
     design::FramePlace, Background::Frame},
}};
static_assert(IdOption1Last - IdOption1First == QuizCatalogue::LastTypeIndex);

LRESULT CALLBACK frameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR brush)
{
    if (message == WM_ERASEBKGND) {
        RECT inside;
        GetClientRect(frame, &inside);
        FillRect(reinterpret_cast<HDC>(wParam), &inside, reinterpret_cast<HBRUSH>(brush));
        return 1;
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(frame, frameProc, 0);
    return DefSubclassProc(frame, message, wParam, lParam);
}

const ControlRow *rowOf(int id)
{
    for (const ControlRow &row : Controls) {
        if (row.id == id)
            return &row;
    }
    return nullptr;
}

design::Rgb rgbOf(COLORREF colour)
{
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

} // namespace

ControlId typeButtonId(int index)
{
    return ControlId(IdOption1First + index);
}

int typeIndexOf(int id)
{
    return id >= IdOption1First && id <= IdOption1Last ? id - IdOption1First : -1;
}

std::vector<ControlId> controlsOf(design::FocusStop stop)
{
    switch (stop) {
    case design::FocusStop::MessageBox:
        return {IdText1};
    case design::FocusStop::RiverList:
        return {IdList1};
    case design::FocusStop::ClearButton:
        return {IdCommand1};
    case design::FocusStop::TypeButtons:
        return {IdOption1First, ControlId(IdOption1First + 1), IdOption1Last};
    }
    return {};
}

bool createControls(HWND parent, UINT dpi)
{
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    for (const ControlRow &row : Controls) {
        const RECT place = pixels(row.place, dpi);
        const HWND control = CreateWindowExW(row.exStyle, row.className, nullptr, row.style,
                                             place.left, place.top, place.right - place.left,
                                             place.bottom - place.top, parent,
                                             reinterpret_cast<HMENU>(INT_PTR(row.id)), instance, nullptr);
        if (!control)
            return false;
    }
    return true;
}

void fillInsideOfFrame(HWND frame, HBRUSH brush)
{
    SetWindowSubclass(frame, frameProc, 0, reinterpret_cast<DWORD_PTR>(brush));
}

void orderForTab(HWND parent)
{
    HWND previous = GetDlgItem(parent, IdLabel1RiverHeading);
    for (design::FocusStop stop : design::TabOrder) {
        for (ControlId id : controlsOf(stop)) {
            const HWND control = GetDlgItem(parent, id);
            SetWindowPos(control, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            previous = control;
        }
    }
    SetWindowPos(GetDlgItem(parent, IdLabel1RiverHeading), GetDlgItem(parent, IdList1), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HFONT createTextFont(UINT dpi)
{
    LOGFONTW face {};
    face.lfHeight = -MulDiv(design::TextFont.points, static_cast<int>(dpi), 72);
    face.lfWeight = design::TextFont.weight;
    face.lfCharSet = static_cast<BYTE>(design::TextFont.characterSet);
    const std::wstring family = widen(design::TextFont.family);
    family.copy(face.lfFaceName, std::size(face.lfFaceName) - 1);
    return CreateFontIndirectW(&face);
}

void layOutControls(HWND parent, UINT dpi, HFONT font)
{
    for (const ControlRow &row : Controls) {
        const HWND control = GetDlgItem(parent, row.id);
        const RECT place = pixels(row.place, dpi);
        SetWindowPos(control, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

void setControlTexts(HWND parent)
{
    for (const ControlRow &row : Controls)
        SetWindowTextW(GetDlgItem(parent, row.id), widen(row.text).c_str());
}

COLORREF colorRef(design::Rgb rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

void Brushes::make()
{
    held[WindowFill].reset(CreateSolidBrush(colorRef(design::WindowColour)));
    held[LabelFill].reset(CreateSolidBrush(colorRef(design::LabelColour)));
    held[FrameFill].reset(CreateSolidBrush(colorRef(design::FrameColour)));
    held[OptionFill].reset(CreateSolidBrush(colorRef(design::OptionColour)));
    held[ClearFill].reset(CreateSolidBrush(colorRef(design::ClearColour)));
}

void Brushes::release()
{
    for (GdiObject &brush : held)
        brush.reset();
}

HBRUSH colourControl(HDC dc, int id, const Brushes &brushes)
{
    const ControlRow *row = rowOf(id);
    if (!row)
        return nullptr;
    // The brush for the background, and the colour of the text and of the
    // background behind it.
    const auto paint = [dc](HBRUSH brush, COLORREF text, COLORREF back) {
        SetTextColor(dc, text);
        SetBkColor(dc, back);
        return brush;
    };
    const auto own = [&](Fill fill, design::Rgb colour) {
        return paint(brushes[fill], colorRef(design::readableTextOn(colour)), colorRef(colour));
    };
    switch (row->background) {
    case Background::Label:
        return own(LabelFill, design::LabelColour);
    case Background::Frame:
        return own(FrameFill, design::FrameColour);
    case Background::Option:
        return own(OptionFill, design::OptionColour);
    case Background::Clear:
        return own(ClearFill, design::ClearColour);
    case Background::SystemWindow:
        // A read-only box would be grey; the message box keeps a text box's colours.
        return paint(GetSysColorBrush(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW));
    case Background::ActiveTitleBar:
        break;
    }
    const COLORREF caption = GetSysColor(COLOR_ACTIVECAPTION);
    return paint(GetSysColorBrush(COLOR_ACTIVECAPTION), colorRef(design::readableTextOn(rgbOf(caption))), caption);
}
