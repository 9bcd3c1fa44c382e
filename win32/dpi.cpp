#include "dpi.h"

namespace {

using GetDpiForWindowFunction = UINT(WINAPI *)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI *)(RECT *, DWORD, BOOL, DWORD, UINT);

template<typename Function>
Function user32Function(const char *name)
{
    const FARPROC address = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    // Through the one function type that GCC lets any other be cast from.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

} // namespace

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

SIZE windowSizeFor(RECT client, DWORD style, DWORD exStyle, UINT dpi)
{
    static const auto forDpi = user32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    if (forDpi)
        forDpi(&client, style, FALSE, exStyle, dpi);
    else
        AdjustWindowRectEx(&client, style, FALSE, exStyle);
    return {client.right - client.left, client.bottom - client.top};
}

void fitClientArea(HWND window, const RECT &wanted)
{
    RECT outside;
    RECT inside;
    GetWindowRect(window, &outside);
    GetClientRect(window, &inside);
    if (inside.right == wanted.right && inside.bottom == wanted.bottom)
        return;
    SetWindowPos(window, nullptr, 0, 0, outside.right - outside.left - inside.right + wanted.right,
                 outside.bottom - outside.top - inside.bottom + wanted.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int scaled(int twips, UINT dpi)
{
    return MulDiv(twips, static_cast<int>(dpi), quiz::design::TwipsPerPixel * USER_DEFAULT_SCREEN_DPI);
}

RECT pixels(const quiz::design::Twips &place, UINT dpi)
{
    const int left = scaled(place.left, dpi);
    const int top = scaled(place.top, dpi);
    return {left, top, left + scaled(place.width, dpi), top + scaled(place.height, dpi)};
}
