#pragma once

#include <windows.h>

#include <string>

// Tells a screen reader what has just happened, as a UI Automation
// notification from a control. Windows has them since Windows 10 1709; on an
// older system, or one without UI Automation, nothing is said and the program
// runs all the same, so the functions are looked up when the program starts.
class Announcer
{
public:
    Announcer();
    ~Announcer();
    Announcer(const Announcer &) = delete;
    Announcer &operator=(const Announcer &) = delete;

    // Whether this system can raise the notifications at all.
    bool available() const;
    void announce(HWND control, const std::wstring &text) const;

private:
    HMODULE library = nullptr;
    FARPROC hostProviderFromHwnd = nullptr;
    FARPROC raiseNotificationEvent = nullptr;
};
