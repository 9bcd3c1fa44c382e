#include "quiz_window.h"

#include "catalogue.h"
#include "config.h"
#include "dpi.h"
#include "form_design.h"
#include "list_letters.h"
#include "message_box_keys.h"
#include "option_group.h"
#include "painting.h"
#include "text.h"

#include <commctrl.h>
#include <uxtheme.h>

namespace {

namespace design = quiz::design;
using quiz::QuizCatalogue;

constexpr wchar_t ClassName[] = L"RiverMouthQuizWindow";
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD WindowExStyle = 0;

SIZE windowSize(UINT dpi)
{
    return windowSizeFor(pixels(design::ClientArea, dpi), WindowStyle, WindowExStyle, dpi);
}

} // namespace

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
        PostQuitMessage(0);
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
        *reinterpret_cast<SIZE *>(lParam) = windowSize(static_cast<UINT>(wParam));
        return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool QuizWindow::onCreate()
{
    brushes.make();
    // Each control is made in its place and gets its text once it has its
    // font: a multi-line box lays out its text at once, and Wine's layout
    // faults on the long text in a box without a width or in the system font.
    dpi = dpiOf(window);
    if (!createControls(window, dpi))
        return false;
    passTabAndKeepEscape(control(IdText1));
    fillInsideOfFrame(control(IdFrame1), brushes[FrameFill]);
    findLettersInEitherCase(control(IdList1));

    // Tab follows the order of the controls among their siblings.
    orderForTab(window);
    focused = control(controlsOf(design::TabOrder.front()).front());

    layOut();
    // The window was made at no resolution in particular; it opens at its
    // monitor's.
    fitClientArea(window, pixels(design::ClientArea, dpi));
    setControlTexts(window);
    game.LoadQuiz();
    return true;
}

void QuizWindow::onNcDestroy()
{
    // The controls are gone by now: nothing uses the font and brushes any more.
    font.reset();
    brushes.release();
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
    if (const HBRUSH brush = colourControl(dc, GetDlgCtrlID(control), brushes))
        return reinterpret_cast<LRESULT>(brush);
    return DefWindowProcW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
}

LRESULT QuizWindow::onNotify(const NMHDR &header)
{
    // The classic look fills a type button's well in the system's window
    // colour, which a dark or high-contrast scheme makes black; the window
    // draws these buttons in its own colours then. A theme keeps its own well.
    if (header.code != NM_CUSTOMDRAW || typeIndexOf(static_cast<int>(header.idFrom)) < 0)
        return 0;
    const auto &draw = reinterpret_cast<const NMCUSTOMDRAW &>(header);
    const HWND button = header.hwndFrom;
    if (draw.dwDrawStage != CDDS_PREPAINT || GetWindowTheme(button))
        return CDRF_DODEFAULT;
    const std::wstring caption = windowText(button);
    const TypeButtonFace face {
        caption,
        SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED,
        (draw.uItemState & CDIS_SELECTED) != 0,
        (draw.uItemState & CDIS_FOCUS) && !(SendMessageW(button, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS),
    };
    drawTypeButton(draw.hdc, draw.rc, face, brushes[OptionFill], static_cast<HFONT>(font.get()), dpi);
    return CDRF_SKIPDEFAULT;
}

void QuizWindow::onDrawItem(const DRAWITEMSTRUCT &item)
{
    if (item.CtlID != IdCommand1)
        return;
    drawClearButton(item.hDC, item.rcItem, windowText(item.hwndItem), item.itemState & ODS_SELECTED,
                    (item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT), brushes[ClearFill]);
}

void QuizWindow::onEraseBackground(HDC dc)
{
    RECT client;
    GetClientRect(window, &client);
    // A themed frame asks its parent to paint what lies under it.
    eraseBackground(dc, client, brushes[WindowFill], pixels(design::FramePlace, dpi), brushes[FrameFill]);
}

void QuizWindow::onDpiChanged(UINT newDpi, const RECT &suggested)
{
    dpi = newDpi;
    layOut();
    const SIZE size = windowSize(dpi);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    fitClientArea(window, pixels(design::ClientArea, dpi));
    InvalidateRect(window, nullptr, TRUE);
}

void QuizWindow::layOut()
{
    const HFONT newFont = createTextFont(dpi);
    layOutControls(window, dpi, newFont);
    font.reset(newFont);
}

int QuizWindow::listCount(int list) const
{
    return list == quiz::RiverList ? static_cast<int>(toRiverList(LB_GETCOUNT)) : answerKey.count(list);
}

std::string QuizWindow::listItem(int list, int position) const
{
    if (list != quiz::RiverList)
        return answerKey.item(list, position);
    std::wstring text(static_cast<std::size_t>(toRiverList(LB_GETTEXTLEN, position)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(toRiverList(LB_GETTEXT, position, reinterpret_cast<LPARAM>(text.data()))));
    return narrow(text);
}

void QuizWindow::clearList(int list)
{
    if (list == quiz::RiverList)
        toRiverList(LB_RESETCONTENT);
    else
        answerKey.clear(list);
}

void QuizWindow::appendToList(int list, const std::string &text)
{
    if (list == quiz::RiverList)
        toRiverList(LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(widen(text).c_str()));
    else
        answerKey.append(list, text);
}

void QuizWindow::removeListItem(int list, int position)
{
    if (list == quiz::RiverList)
        toRiverList(LB_DELETESTRING, position);
    else
        answerKey.remove(list, position);
}

int QuizWindow::listSelection(int list) const
{
    return list == quiz::RiverList ? static_cast<int>(toRiverList(LB_GETCURSEL)) : answerKey.selection(list);
}

void QuizWindow::selectInList(int list, int position)
{
    if (list == quiz::RiverList)
        toRiverList(LB_SETCURSEL, position);
    else
        answerKey.select(list, position);
}

bool QuizWindow::isTypeButtonOn(int index) const
{
    return SendMessageW(control(typeButtonId(index)), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void QuizWindow::turnTypeButtonOff(int index)
{
    SendMessageW(control(typeButtonId(index)), BM_SETCHECK, BST_UNCHECKED, 0);
    // Tab comes into the group at its one stop, as in a dialog.
    int on = -1;
    for (int i = 0; i <= QuizCatalogue::LastTypeIndex; ++i) {
        if (isTypeButtonOn(i))
            on = i;
    }
    const int stop = quiz::optiongroup::tabStop(on);
    for (int i = 0; i <= QuizCatalogue::LastTypeIndex; ++i) {
        const HWND button = control(typeButtonId(i));
        const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
        SetWindowLongPtrW(button, GWL_STYLE, i == stop ? style | WS_TABSTOP : style & ~LONG_PTR(WS_TABSTOP));
    }
}

std::string QuizWindow::typeButtonCaption(int index) const
{
    return narrow(windowText(control(typeButtonId(index))));
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
