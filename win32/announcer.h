#pragma once

#include <windows.h>

#include <string>

// Tells a screen reader what has just happened, as a UI Automation
// notification from a control. Windows has them since Windows 10 1709; on an
// older system, or one without UI Automation, nothing is said and the program
// runs all the same, so the functions are looked up at run time. That happens
// at the first announcement, not at start: UI Automation's libraries would
// cost the start a good part of its time and memory, and a pupil hears
// nothing before the first verdict.
class Announcer
{
public:
    Announcer() = default;
    ~Announcer();
    Announcer(const Announcer &) = delete;
    Announcer &operator=(const Announcer &) = delete;

    // Whether this system can raise the notifications at all.
    bool available() const;
    void announce(HWND control, const std::wstring &text) const;

private:
    void load() const;

    mutable bool loaded = false;
    mutable HMODULE automation = nullptr;
    mutable HMODULE strings = nullptr;
    mutable FARPROC hostProviderFromHwnd = nullptr;
    mutable FARPROC raiseNotificationEvent = nullptr;
    mutable FARPROC allocString = nullptr;
    mutable FARPROC freeString = nullptr;
};
