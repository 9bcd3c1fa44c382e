#include "quiz_window.h"

#include "catalogue.h"
#include "config.h"
#include "form_design.h"
#include "list_letters.h"
#include "text.h"

#include <commctrl.h>

#include <iterator>

namespace {

namespace design = quiz::design;
using quiz::QuizCatalogue;

constexpr wchar_t ClassName[] = L"RiverMouthQuizWindow";
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD WindowExStyle = 0;

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
// focus is set afterwards.
constexpr std::array<ControlRow, 9> Controls = {{
    {IdLabel1Title, WC_STATICW, design::Label1[0].text, Child | SS_CENTER | SS_NOPREFIX, 0, design::Label1[0].place,
     Background::Label},
    {IdLabel1RiverHeading, WC_STATICW, design::Label1[1].text, Child | SS_CENTER | SS_NOPREFIX, 0,
     design::Label1[1].place, Background::Label},
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
    AdjustWindowRectExForDpi(&frame, WindowStyle, FALSE, WindowExStyle, dpi);
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
    for (const auto &entry : QuizCatalogue::Entries) {
        hiddenLists[MasterNames].items.emplace_back(entry.name);
        hiddenLists[MasterCodes].items.emplace_back(entry.code);
    }
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
    case WM_GETDPISCALEDSIZE:
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
    dpi = GetDpiForWindow(window);
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
    focused = control(controlsOf(design::TabOrder.front()).front());

    layOut();
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
    if (id == IdCommand1 && code == BN_CLICKED)
        game.ClearQuiz();
    else if (const int index = typeIndexOf(id); index >= 0 && code == BN_CLICKED && isTypeButtonOn(index))
        game.ChooseType(index);
    else if (id == IdList1 && code == LBN_SELCHANGE)
        game.PickRiver(0);
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
    InvalidateRect(window, nullptr, TRUE);
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
        LRESULT code = DefSubclassProc(control, message, wParam, lParam);
        const auto *key = reinterpret_cast<const MSG *>(lParam);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_TAB)
            code &= ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
        return code;
    }
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
    if (list == 0)
        return static_cast<int>(SendMessageW(control(IdList1), LB_GETCOUNT, 0, 0));
    return static_cast<int>(hiddenLists.at(list).items.size());
}

std::string QuizWindow::listItem(int list, int position) const
{
    if (list != 0)
        return hiddenLists.at(list).items.at(position);
    const HWND box = control(IdList1);
    std::wstring text(static_cast<std::size_t>(SendMessageW(box, LB_GETTEXTLEN, position, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(SendMessageW(box, LB_GETTEXT, position, reinterpret_cast<LPARAM>(text.data()))));
    return narrow(text);
}

void QuizWindow::clearList(int list)
{
    if (list == 0) {
        SendMessageW(control(IdList1), LB_RESETCONTENT, 0, 0);
        return;
    }
    hiddenLists.at(list) = {};
}

void QuizWindow::appendToList(int list, const std::string &text)
{
    if (list == 0) {
        SendMessageW(control(IdList1), LB_INSERTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(widen(text).c_str()));
        return;
    }
    hiddenLists.at(list).items.push_back(text);
}

void QuizWindow::removeListItem(int list, int position)
{
    if (list == 0) {
        SendMessageW(control(IdList1), LB_DELETESTRING, position, 0);
        return;
    }
    HiddenList &hidden = hiddenLists.at(list);
    hidden.items.erase(hidden.items.begin() + position);
    if (hidden.selected == position)
        hidden.selected = -1;
    else if (hidden.selected > position)
        --hidden.selected;
}

int QuizWindow::listSelection(int list) const
{
    if (list == 0)
        return static_cast<int>(SendMessageW(control(IdList1), LB_GETCURSEL, 0, 0));
    return hiddenLists.at(list).selected;
}

void QuizWindow::selectInList(int list, int position)
{
    if (list == 0) {
        SendMessageW(control(IdList1), LB_SETCURSEL, position, 0);
        return;
    }
    hiddenLists.at(list).selected = position;
}

bool QuizWindow::isTypeButtonOn(int index) const
{
    return SendMessageW(control(ControlId(IdOption1First + index)), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void QuizWindow::turnTypeButtonOff(int index)
{
    SendMessageW(control(ControlId(IdOption1First + index)), BM_SETCHECK, BST_UNCHECKED, 0);
    // A radio button is a Tab stop only while it is on; with all of them off,
    // the first one stands for the group, as in a dialog.
    bool anyOn = false;
    for (int i = 0; i <= QuizCatalogue::LastTypeIndex; ++i)
        anyOn = anyOn || isTypeButtonOn(i);
    if (!anyOn) {
        const HWND first = control(IdOption1First);
        SetWindowLongPtrW(first, GWL_STYLE, GetWindowLongPtrW(first, GWL_STYLE) | WS_TABSTOP);
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
    const std::wstring shown = widen(text);
    SetWindowTextW(control(IdText1), shown.c_str());
    // Each new verdict and the note of a new round stand in the first line.
    if (!shown.empty())
        announcer.announce(control(IdText1), shown.substr(0, shown.find(L"\r\n")));
}
