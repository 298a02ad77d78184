#include "ui/qt/platform/windows/uia_announcer.h"

#include <windows.h>
// After windows.h, on which they build. (MinGW-w64's uiautomationcoreapi.h,
// with UiaHostProviderFromHwnd, is not valid C++.)
#include <oleauto.h>
#include <uiautomationcore.h>

#include <QWidget>
#include <memory>
#include <type_traits>

#include "ui/qt/platform/platform.h"

namespace tavro::qt {

namespace {

// The types the header declares without Windows' headers are Windows' own.
static_assert(std::is_same_v<HWND, HWND__*> && std::is_same_v<HRESULT, long> &&
              std::is_same_v<BSTR, wchar_t*>);

// A function the module exports, as its own type; nullptr when it is not
// there. Cast through the plain function type, from which any is allowed.
template <typename Function>
Function Exported(HMODULE module, const char* name) {
  if (!module) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

UiaNotificationFunctions SystemFunctions() {
  const HMODULE uia =
      LoadLibraryExW(L"UIAutomationCore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  UiaNotificationFunctions functions;
  functions.host_provider_from_hwnd =
      Exported<UiaNotificationFunctions::HostProviderFromHwnd>(uia, "UiaHostProviderFromHwnd");
  functions.raise_notification_event =
      Exported<UiaNotificationFunctions::RaiseNotificationEvent>(uia, "UiaRaiseNotificationEvent");
  return functions;
}

struct FreeString {
  void operator()(BSTR string) const { SysFreeString(string); }
};
using SystemString = std::unique_ptr<OLECHAR, FreeString>;

}  // namespace

UiaNotificationFunctions& UiaNotifications() {
  static UiaNotificationFunctions functions = SystemFunctions();
  return functions;
}

void Announce(QWidget& window, const QString& text) {
  const UiaNotificationFunctions& uia = UiaNotifications();
  if (!uia.host_provider_from_hwnd || !uia.raise_notification_event) return;
  const auto hwnd = reinterpret_cast<HWND>(window.window()->winId());
  IRawElementProviderSimple* provider = nullptr;
  if (FAILED(uia.host_provider_from_hwnd(hwnd, &provider)) || !provider) return;
  const SystemString shown(
      SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.utf16()), UINT(text.size())));
  const SystemString activity(SysAllocString(kAnnouncementActivity));
  if (shown && activity)
    uia.raise_notification_event(provider, kNotificationKindActionCompleted,
                                 kNotificationProcessingImportantMostRecent, shown.get(),
                                 activity.get());
  provider->Release();
}

}  // namespace tavro::qt
