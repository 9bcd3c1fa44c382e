#include "quiz_window.h"

#include "catalogue.h"
#include "config.h"
#include "form_design.h"
#include "list_letters.h"
#include "option_group.h"
#include "text.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

namespace design = quiz::design;
using quiz::QuizCatalogue;

constexpr wchar_t ClassName[] = L"RiverMouthQuizWindow";
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD WindowExStyle = 0;

// Sent before a change of resolution, from Windows 10 1703 on.
constexpr UINT WmGetDpiScaledSize = 0x02E4;

// Functions that came with Windows 10 1607: looked up when the program runs,
// so that it starts on every Windows from 7 on.
using GetDpiForWindowFunction = UINT(WINAPI *)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI *)(RECT *, DWORD, BOOL, DWORD, UINT);

template<typename Function>
Function user32Function(const char *name)
{
    const FARPROC address = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    // Through the one function type that GCC lets any other be cast from.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

// The resolution the window is drawn at: its monitor's where each monitor has
// its own, else the system's one resolution.
UINT dpiOf(HWND window)
{
    static const auto forWindow = user32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (forWindow)
        return forWindow(window);
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

// Without the function, the frame is the system's, at its one resolution.
void addFrame(RECT &client, UINT dpi)
{
    static const auto forDpi = user32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    if (forDpi)
        forDpi(&client, WindowStyle, FALSE, WindowExStyle, dpi);
    else
        AdjustWindowRectEx(&client, WindowStyle, FALSE, WindowExStyle);
}

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

const ControlRow *rowOf(int id)
{
    for (const ControlRow &row : Controls) {
        if (row.id == id)
            return &row;
    }
    return nullptr;
}

// The controls of each stop of the keyboard focus.
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

COLORREF colorRef(design::Rgb rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

design::Rgb rgbOf(COLORREF colour)
{
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

int scaled(int twips, UINT dpi)
{
    return MulDiv(twips, static_cast<int>(dpi), design::TwipsPerPixel * USER_DEFAULT_SCREEN_DPI);
}

RECT pixels(const design::Twips &place, UINT dpi)
{
    const int left = scaled(place.left, dpi);
    const int top = scaled(place.top, dpi);
    return {left, top, left + scaled(place.width, dpi), top + scaled(place.height, dpi)};
}

SIZE windowSize(UINT dpi)
{
    RECT frame = pixels(design::ClientArea, dpi);
    addFrame(frame, dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

int typeIndexOf(int id)
{
    return id >= IdOption1First && id <= IdOption1Last ? id - IdOption1First : -1;
}

std::wstring windowText(HWND control)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace

void QuizWindow::GdiObject::reset(HGDIOBJ object)
{
    if (held)
        DeleteObject(held);
    held = object;
}

QuizWindow::QuizWindow()
    : game(*this)
{
}

QuizWindow::~QuizWindow()
{
    if (window)
        DestroyWindow(window);
}

bool QuizWindow::registerClass(HINSTANCE instance)
{
    INITCOMMONCONTROLSEX controls {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, L"IDI_ICON1");
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = ClassName;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool QuizWindow::create(HINSTANCE instance)
{
    const std::wstring title = widen(config::PublisherUrl) + L' ' + widen(design::TitleText);
    const SIZE size = windowSize(USER_DEFAULT_SCREEN_DPI);
    CreateWindowExW(WindowExStyle, ClassName, title.c_str(), WindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, size.cx,
                    size.cy, nullptr, nullptr, instance, this);
    return window != nullptr;
}

void QuizWindow::show(int showCommand)
{
    // The window has one size: a start asked for maximised opens it at that
    // size all the same. A minimised start stays minimised.
    ShowWindow(window, showCommand == SW_SHOWMAXIMIZED ? SW_SHOWNORMAL : showCommand);
    // Windows may give the first window the state of the start instead.
    if (IsZoomed(window))
        ShowWindow(window, SW_RESTORE);
}

LRESULT CALLBACK QuizWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *self = static_cast<QuizWindow *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<QuizWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        self->onNcDestroy();
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handleMessage(message, wParam, lParam);
}

LRESULT QuizWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return onCreate() ? 0 : -1;
    case WM_DESTROY:
        onDestroy();
        return 0;
    case WM_ACTIVATE:
        onActivate(wParam);
        return 0;
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_NOTIFY:
        return onNotify(*reinterpret_cast<const NMHDR *>(lParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        return onCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM:
        onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_ERASEBKGND:
        onEraseBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WmGetDpiScaledSize:
        onGetDpiScaledSize(static_cast<UINT>(wParam), *reinterpret_cast<SIZE *>(lParam));
        return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool QuizWindow::onCreate()
{
    brushes[WindowFill].reset(CreateSolidBrush(colorRef(design::WindowColour)));
    brushes[LabelFill].reset(CreateSolidBrush(colorRef(design::LabelColour)));
    brushes[FrameFill].reset(CreateSolidBrush(colorRef(design::FrameColour)));
    brushes[OptionFill].reset(CreateSolidBrush(colorRef(design::OptionColour)));
    brushes[ClearFill].reset(CreateSolidBrush(colorRef(design::ClearColour)));

    // Each control is made in its place and gets its text once it has its
    // font: a multi-line box lays out its text at once, and Wine's layout
    // faults on the long text in a box without a width or in the system font.
    dpi = dpiOf(window);
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    for (const ControlRow &row : Controls) {
        const RECT place = pixels(row.place, dpi);
        const HWND control = CreateWindowExW(row.exStyle, row.className, nullptr, row.style,
                                             place.left, place.top, place.right - place.left,
                                             place.bottom - place.top, window,
                                             reinterpret_cast<HMENU>(INT_PTR(row.id)), instance, nullptr);
        if (!control)
            return false;
    }
    // A multi-line box asks for every key, Tab included, and would keep the
    // focus for good; the frame fills its inside.
    SetWindowSubclass(control(IdText1), messageBoxProc, 0, 0);
    SetWindowSubclass(control(IdFrame1), frameProc, 0, reinterpret_cast<DWORD_PTR>(this));
    findLettersInEitherCase(control(IdList1));

    // Tab follows the order of the controls among their siblings.
    HWND previous = control(IdLabel1RiverHeading);
    for (design::FocusStop stop : design::TabOrder) {
        for (ControlId id : controlsOf(stop)) {
            SetWindowPos(control(id), previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            previous = control(id);
        }
    }
    SetWindowPos(control(IdLabel1RiverHeading), control(IdList1), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    focused = control(controlsOf(design::TabOrder.front()).front());

    layOut();
    // The window was made at no resolution in particular; it opens at its
    // monitor's.
    fitClientArea();
    for (const ControlRow &row : Controls)
        SetWindowTextW(control(row.id), widen(row.text).c_str());
    game.LoadQuiz();
    return true;
}

void QuizWindow::onDestroy()
{
    PostQuitMessage(0);
}

void QuizWindow::onNcDestroy()
{
    // The controls are gone by now: nothing uses the font and brushes any more.
    font.reset();
    for (GdiObject &brush : brushes)
        brush.reset();
}

void QuizWindow::onActivate(WPARAM state)
{
    // As a dialog does: the focus comes back to where it was.
    if (LOWORD(state) == WA_INACTIVE) {
        if (HWND now = GetFocus(); now && IsChild(window, now))
            focused = now;
    } else if (focused) {
        SetFocus(focused);
    }
}

void QuizWindow::onCommand(int id, int code)
{
    // Enter, as the dialog manager passes it on: a focused button is pressed,
    // as a push button in a dialog is.
    if (id == IDOK && GetFocus() == control(IdCommand1))
        id = IdCommand1;
    if (id == IdCommand1 && code == BN_CLICKED)
        game.ClearQuiz();
    else if (const int index = typeIndexOf(id); index >= 0 && code == BN_CLICKED)
        game.TypeButtonClicked(index);
    else if (id == IdList1 && code == LBN_SELCHANGE)
        game.PickRiver(quiz::RiverList);
}

LRESULT QuizWindow::onCtlColor(HDC dc, HWND control)
{
    const ControlRow *row = rowOf(GetDlgCtrlID(control));
    if (!row)
        return DefWindowProcW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    HBRUSH brush = nullptr;
    COLORREF colour = 0;
    switch (row->background) {
    case Background::Label:
        brush = static_cast<HBRUSH>(brushes[LabelFill].get());
        colour = colorRef(design::LabelColour);
        break;
    case Background::Frame:
        brush = static_cast<HBRUSH>(brushes[FrameFill].get());
        colour = colorRef(design::FrameColour);
        break;
    case Background::Option:
        brush = static_cast<HBRUSH>(brushes[OptionFill].get());
        colour = colorRef(design::OptionColour);
        break;
    case Background::Clear:
        brush = static_cast<HBRUSH>(brushes[ClearFill].get());
        colour = colorRef(design::ClearColour);
        break;
    case Background::SystemWindow:
        // A read-only box would be grey; the message box keeps a text box's colours.
        brush = GetSysColorBrush(COLOR_WINDOW);
        colour = GetSysColor(COLOR_WINDOW);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, colour);
        return reinterpret_cast<LRESULT>(brush);
    case Background::ActiveTitleBar:
        brush = GetSysColorBrush(COLOR_ACTIVECAPTION);
        colour = GetSysColor(COLOR_ACTIVECAPTION);
        break;
    }
    SetTextColor(dc, colorRef(design::readableTextOn(rgbOf(colour))));
    SetBkColor(dc, colour);
    return reinterpret_cast<LRESULT>(brush);
}

LRESULT QuizWindow::onNotify(const NMHDR &header)
{
    // The classic look fills a type button's well in the system's window
    // colour, which a dark or high-contrast scheme makes black; the window
    // draws these buttons in its own colours then. A theme keeps its own well.
    if (header.code != NM_CUSTOMDRAW || typeIndexOf(static_cast<int>(header.idFrom)) < 0)
        return 0;
    const auto &draw = reinterpret_cast<const NMCUSTOMDRAW &>(header);
    if (draw.dwDrawStage != CDDS_PREPAINT || GetWindowTheme(header.hwndFrom))
        return CDRF_DODEFAULT;
    drawTypeButton(draw);
    return CDRF_SKIPDEFAULT;
}

void QuizWindow::drawTypeButton(const NMCUSTOMDRAW &draw) const
{
    const HDC dc = draw.hdc;
    const HWND button = draw.hdr.hwndFrom;
    FillRect(dc, &draw.rc, static_cast<HBRUSH>(brushes[OptionFill].get()));

    // The circle: two rings, shaded as if lit from the upper left, around
    // the well, and the mark in the well when the button is on.
    const int size = MulDiv(13, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
    const int ring = std::max(1, MulDiv(1, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI));
    const int top = (draw.rc.top + draw.rc.bottom - size) / 2;
    RECT circle {draw.rc.left, top, draw.rc.left + size, top + size};
    const int saved = SaveDC(dc);
    SelectObject(dc, GetStockObject(NULL_PEN));
    SelectObject(dc, GetStockObject(DC_BRUSH));
    const auto disc = [dc](const RECT &box, design::Rgb colour) {
        SetDCBrushColor(dc, colorRef(colour));
        Ellipse(dc, box.left, box.top, box.right + 1, box.bottom + 1);
    };
    const auto shadedRing = [&](const RECT &box, design::Rgb upperLeft, design::Rgb lowerRight) {
        disc(box, lowerRight);
        // The half above the line from the lower left to the upper right.
        SetDCBrushColor(dc, colorRef(upperLeft));
        Chord(dc, box.left, box.top, box.right + 1, box.bottom + 1, box.right + 1, box.top, box.left, box.bottom + 1);
    };
    shadedRing(circle, design::EdgeShadow, design::EdgeHighlight);
    InflateRect(&circle, -ring, -ring);
    shadedRing(circle, design::EdgeDarkShadow, design::EdgeLight);
    InflateRect(&circle, -ring, -ring);
    disc(circle, (draw.uItemState & CDIS_SELECTED) ? design::EdgeLight : design::IndicatorWellColour);
    if (SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED) {
        InflateRect(&circle, -ring - ring / 2 - 1, -ring - ring / 2 - 1);
        disc(circle, design::CaptionColour);
    }
    RestoreDC(dc, saved);

    RECT text = draw.rc;
    text.left += size + MulDiv(4, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
    const std::wstring caption = windowText(button);
    const HGDIOBJ oldFont = SelectObject(dc, font.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colorRef(design::CaptionColour));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if ((draw.uItemState & CDIS_FOCUS) && !(SendMessageW(button, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
        RECT mark = text;
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &mark,
                  DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
        OffsetRect(&mark, 0, (text.bottom - mark.bottom + text.top - mark.top) / 2);
        InflateRect(&mark, 1, 1);
        DrawFocusRect(dc, &mark);
    }
    SelectObject(dc, oldFont);
}

void QuizWindow::onDrawItem(const DRAWITEMSTRUCT &item)
{
    if (item.CtlID != IdCommand1)
        return;
    RECT face = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    FillRect(item.hDC, &face, static_cast<HBRUSH>(brushes[ClearFill].get()));
    DrawEdge(item.hDC, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
    if (pressed)
        OffsetRect(&face, 1, 1);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, colorRef(design::readableTextOn(design::ClearColour)));
    const std::wstring caption = windowText(item.hwndItem);
    DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &face,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        InflateRect(&face, -1, -1);
        DrawFocusRect(item.hDC, &face);
    }
}

void QuizWindow::onEraseBackground(HDC dc)
{
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(brushes[WindowFill].get()));
    // A themed frame asks its parent to paint what lies under it.
    const RECT frame = pixels(design::FramePlace, dpi);
    FillRect(dc, &frame, static_cast<HBRUSH>(brushes[FrameFill].get()));
}

void QuizWindow::onDpiChanged(UINT newDpi, const RECT &suggested)
{
    dpi = newDpi;
    layOut();
    const SIZE size = windowSize(dpi);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    fitClientArea();
    InvalidateRect(window, nullptr, TRUE);
}

void QuizWindow::fitClientArea()
{
    // By the frame the window has, which may be drawn at another resolution
    // than its inside.
    RECT outside;
    RECT inside;
    GetWindowRect(window, &outside);
    GetClientRect(window, &inside);
    const RECT wanted = pixels(design::ClientArea, dpi);
    if (inside.right == wanted.right && inside.bottom == wanted.bottom)
        return;
    SetWindowPos(window, nullptr, 0, 0, outside.right - outside.left - inside.right + wanted.right,
                 outside.bottom - outside.top - inside.bottom + wanted.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void QuizWindow::onGetDpiScaledSize(UINT newDpi, SIZE &size) const
{
    size = windowSize(newDpi);
}

void QuizWindow::layOut()
{
    LOGFONTW face {};
    face.lfHeight = -MulDiv(design::TextFont.points, static_cast<int>(dpi), 72);
    face.lfWeight = design::TextFont.weight;
    face.lfCharSet = static_cast<BYTE>(design::TextFont.characterSet);
    const std::wstring family = widen(design::TextFont.family);
    family.copy(face.lfFaceName, std::size(face.lfFaceName) - 1);
    const HGDIOBJ newFont = CreateFontIndirectW(&face);

    for (const ControlRow &row : Controls) {
        const RECT place = pixels(row.place, dpi);
        SetWindowPos(control(row.id), nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(control(row.id), WM_SETFONT, reinterpret_cast<WPARAM>(newFont), TRUE);
    }
    font.reset(newFont);
}

LRESULT CALLBACK QuizWindow::messageBoxProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR)
{
    if (message == WM_GETDLGCODE) {
        // Coming in by Tab selects nothing and leaves the newest verdict,
        // in the first line, in sight.
        LRESULT code = DefSubclassProc(control, message, wParam, lParam) & ~DLGC_HASSETSEL;
        const auto *key = reinterpret_cast<const MSG *>(lParam);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_TAB)
            code &= ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
        return code;
    }
    // A multi-line box that the dialog manager gives every key to closes its
    // parent on Esc, as if that were a dialog; here it would end the game.
    if ((message == WM_KEYDOWN || message == WM_CHAR) && wParam == VK_ESCAPE)
        return 0;
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(control, messageBoxProc, 0);
    return DefSubclassProc(control, message, wParam, lParam);
}

LRESULT CALLBACK QuizWindow::frameProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR data)
{
    if (message == WM_ERASEBKGND) {
        const auto *self = reinterpret_cast<const QuizWindow *>(data);
        RECT inside;
        GetClientRect(control, &inside);
        FillRect(reinterpret_cast<HDC>(wParam), &inside, static_cast<HBRUSH>(self->brushes[FrameFill].get()));
        return 1;
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(control, frameProc, 0);
    return DefSubclassProc(control, message, wParam, lParam);
}

int QuizWindow::listCount(int list) const
{
    if (list != quiz::RiverList)
        return answerKey.count(list);
    return static_cast<int>(SendMessageW(control(IdList1), LB_GETCOUNT, 0, 0));
}

std::string QuizWindow::listItem(int list, int position) const
{
    if (list != quiz::RiverList)
        return answerKey.item(list, position);
    const HWND box = control(IdList1);
    std::wstring text(static_cast<std::size_t>(SendMessageW(box, LB_GETTEXTLEN, position, 0)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(SendMessageW(box, LB_GETTEXT, position, reinterpret_cast<LPARAM>(text.data()))));
    return narrow(text);
}

void QuizWindow::clearList(int list)
{
    if (list != quiz::RiverList)
        answerKey.clear(list);
    else
        SendMessageW(control(IdList1), LB_RESETCONTENT, 0, 0);
}

void QuizWindow::appendToList(int list, const std::string &text)
{
    if (list != quiz::RiverList)
        answerKey.append(list, text);
    else
        SendMessageW(control(IdList1), LB_INSERTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(widen(text).c_str()));
}

void QuizWindow::removeListItem(int list, int position)
{
    if (list != quiz::RiverList)
        answerKey.remove(list, position);
    else
        SendMessageW(control(IdList1), LB_DELETESTRING, position, 0);
}

int QuizWindow::listSelection(int list) const
{
    if (list != quiz::RiverList)
        return answerKey.selection(list);
    return static_cast<int>(SendMessageW(control(IdList1), LB_GETCURSEL, 0, 0));
}

void QuizWindow::selectInList(int list, int position)
{
    if (list != quiz::RiverList)
        answerKey.select(list, position);
    else
        SendMessageW(control(IdList1), LB_SETCURSEL, position, 0);
}

bool QuizWindow::isTypeButtonOn(int index) const
{
    return SendMessageW(control(ControlId(IdOption1First + index)), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void QuizWindow::turnTypeButtonOff(int index)
{
    SendMessageW(control(ControlId(IdOption1First + index)), BM_SETCHECK, BST_UNCHECKED, 0);
    // Tab comes into the group at its one stop, as in a dialog.
    int on = -1;
    for (int i = 0; i <= QuizCatalogue::LastTypeIndex; ++i) {
        if (isTypeButtonOn(i))
            on = i;
    }
    const int stop = quiz::optiongroup::tabStop(on);
    for (int i = 0; i <= QuizCatalogue::LastTypeIndex; ++i) {
        const HWND button = control(ControlId(IdOption1First + i));
        const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
        SetWindowLongPtrW(button, GWL_STYLE, i == stop ? style | WS_TABSTOP : style & ~LONG_PTR(WS_TABSTOP));
    }
}

std::string QuizWindow::typeButtonCaption(int index) const
{
    return narrow(windowText(control(ControlId(IdOption1First + index))));
}

std::string QuizWindow::messageText() const
{
    return narrow(windowText(control(IdText1)));
}

void QuizWindow::setMessageText(const std::string &text)
{
    SetWindowTextW(control(IdText1), widen(text).c_str());
}

void QuizWindow::announce(const std::string &line)
{
    announcer.announce(control(IdText1), widen(line));
}
