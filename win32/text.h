#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// The edge where the game's UTF-8 meets the window's UTF-16.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

// A control's text as it stands.
std::wstring windowText(HWND control);
