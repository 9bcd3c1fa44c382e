#include "announcer.h"

#include <oleauto.h>
#include <uiautomationcore.h>

#include <iterator>

namespace {

// The values of the Windows SDK's NotificationKind and NotificationProcessing
// (uiautomationcore.h, Windows 10 1709), passed as the ints they are: MinGW-w64's
// headers declare the two enums from version 12 on and not before, so the
// program names neither.
constexpr int NotificationKindActionCompleted = 2;
constexpr int NotificationProcessingImportantMostRecent = 1;

using HostProviderFromHwnd = HRESULT(WINAPI *)(HWND, IRawElementProviderSimple **);
using RaiseNotificationEvent = HRESULT(WINAPI *)(IRawElementProviderSimple *, int, int, BSTR, BSTR);
// OLE Automation's strings, from oleaut32.dll, which UI Automation loads
// anyway: the program does not import it, so that it is not loaded at start.
using SysAllocStringLenFunction = BSTR(WINAPI *)(const OLECHAR *, UINT);
using SysFreeStringFunction = void(WINAPI *)(BSTR);

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

void Announcer::load() const
{
    if (loaded)
        return;
    loaded = true;
    // Only from the system's own folder, never from beside the program.
    automation = LoadLibraryExW(L"UIAutomationCore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!automation)
        return;
    hostProviderFromHwnd = GetProcAddress(automation, "UiaHostProviderFromHwnd");
    raiseNotificationEvent = GetProcAddress(automation, "UiaRaiseNotificationEvent");
    if (!hostProviderFromHwnd || !raiseNotificationEvent)
        return;
    strings = LoadLibraryExW(L"oleaut32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!strings)
        return;
    allocString = GetProcAddress(strings, "SysAllocStringLen");
    freeString = GetProcAddress(strings, "SysFreeString");
}

Announcer::~Announcer()
{
    if (strings)
        FreeLibrary(strings);
    if (automation)
        FreeLibrary(automation);
}

bool Announcer::available() const
{
    load();
    return hostProviderFromHwnd && raiseNotificationEvent && allocString && freeString;
}

void Announcer::announce(HWND control, const std::wstring &text) const
{
    if (!available())
        return;
    IRawElementProviderSimple *provider = nullptr;
    if (FAILED(as<HostProviderFromHwnd>(hostProviderFromHwnd)(control, &provider)) || !provider)
        return;
    const auto allocate = as<SysAllocStringLenFunction>(allocString);
    const auto release = as<SysFreeStringFunction>(freeString);
    BSTR display = allocate(text.data(), static_cast<UINT>(text.size()));
    BSTR activity = allocate(ActivityId, static_cast<UINT>(std::size(ActivityId) - 1));
    if (display && activity) {
        as<RaiseNotificationEvent>(raiseNotificationEvent)(provider, NotificationKindActionCompleted,
                                                           NotificationProcessingImportantMostRecent, display,
                                                           activity);
    }
    release(activity);
    release(display);
    provider->Release();
}
