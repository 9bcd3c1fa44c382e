#include "announcer.h"

#include <oleauto.h>
#include <uiautomationcore.h>

namespace {

// From the Windows SDK's uiautomationcore.h (Windows 10 1709), which
// MinGW-w64's headers lack; its uiautomationcoreapi.h does not compile as C++.
enum NotificationKind { NotificationKind_ActionCompleted = 2 };
enum NotificationProcessing { NotificationProcessing_ImportantMostRecent = 1 };

using HostProviderFromHwnd = HRESULT(WINAPI *)(HWND, IRawElementProviderSimple **);
using RaiseNotificationEvent
    = HRESULT(WINAPI *)(IRawElementProviderSimple *, NotificationKind, NotificationProcessing, BSTR, BSTR);

template<typename Function>
Function as(FARPROC address)
{
    // Through the one function type that GCC lets any other be cast from.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

// Names what the notifications are about, so that a screen reader can drop
// an older verdict that it has not read yet in favour of the newest.
constexpr wchar_t ActivityId[] = L"RiverMouthQuiz.Verdict";

} // namespace

Announcer::Announcer()
{
    // Only from the system's own folder, never from beside the program.
    library = LoadLibraryExW(L"UIAutomationCore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!library)
        return;
    hostProviderFromHwnd = GetProcAddress(library, "UiaHostProviderFromHwnd");
    raiseNotificationEvent = GetProcAddress(library, "UiaRaiseNotificationEvent");
}

Announcer::~Announcer()
{
    if (library)
        FreeLibrary(library);
}

bool Announcer::available() const
{
    return hostProviderFromHwnd && raiseNotificationEvent;
}

void Announcer::announce(HWND control, const std::wstring &text) const
{
    if (!available())
        return;
    IRawElementProviderSimple *provider = nullptr;
    if (FAILED(as<HostProviderFromHwnd>(hostProviderFromHwnd)(control, &provider)) || !provider)
        return;
    BSTR display = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    BSTR activity = SysAllocString(ActivityId);
    if (display && activity) {
        as<RaiseNotificationEvent>(raiseNotificationEvent)(provider, NotificationKind_ActionCompleted,
                                                           NotificationProcessing_ImportantMostRecent, display,
                                                           activity);
    }
    SysFreeString(activity);
    SysFreeString(display);
    provider->Release();
}
