// The floor for the Windows program's start-up and memory: a bare Win32
// window with the quiz's client size and title bar, showing one line of text
// in the quiz's font, built with the same compiler and flags as the quiz. No
// controls, no manifest, no resources: what it takes to show a window and
// text at all.
#include "form_design.h"

#include <windows.h>

#include <string>

namespace {

namespace design = quiz::design;

constexpr wchar_t ClassName[] = L"BareWindow";
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

std::wstring widen(std::string_view text)
{
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                             wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

HFONT font;
std::wstring line;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        const HGDIOBJ old = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        TextOutW(dc, 8, 8, line.c_str(), static_cast<int>(line.size()));
        SelectObject(dc, old);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = ClassName;
    if (!RegisterClassExW(&windowClass))
        return 1;

    LOGFONTW face {};
    face.lfHeight = -MulDiv(design::TextFont.points, USER_DEFAULT_SCREEN_DPI, 72);
    face.lfWeight = design::TextFont.weight;
    face.lfCharSet = static_cast<BYTE>(design::TextFont.characterSet);
    const std::wstring family = widen(design::TextFont.family);
    family.copy(face.lfFaceName, LF_FACESIZE - 1);
    font = CreateFontIndirectW(&face);
    line = widen(design::Label1[0].text);

    RECT frame {0, 0, design::ClientArea.width / design::TwipsPerPixel,
                design::ClientArea.height / design::TwipsPerPixel};
    AdjustWindowRectEx(&frame, WindowStyle, FALSE, 0);
    const HWND window = CreateWindowExW(0, ClassName, widen(design::TitleText).c_str(), WindowStyle, CW_USEDEFAULT,
                                        CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                        nullptr, instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, showCommand);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DeleteObject(font);
    return static_cast<int>(message.wParam);
}
