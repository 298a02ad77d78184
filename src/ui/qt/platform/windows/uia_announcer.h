#pragma once

// Windows' own types, declared as its headers declare them: this header brings
// in none of their macros (windows.h names CreateWindow, among others).
struct HWND__;
struct IRawElementProviderSimple;

namespace tavro::qt {

// How announcements reach a screen reader (Narrator, NVDA) through UI
// Automation: a notification event raised on the window's host provider. Qt
// raises none itself. UIAutomationCore.dll has exported the function since
// Windows 10 version 1709, and MinGW-w64's headers lack it, so both functions
// are looked up when first needed; when either is missing, nothing is
// announced.
struct UiaNotificationFunctions {
  // UiaHostProviderFromHwnd: an HRESULT.
  using HostProviderFromHwnd = long(__stdcall*)(HWND__* window,
                                                IRawElementProviderSimple** provider);
  // UiaRaiseNotificationEvent: the kind and processing are UI Automation's
  // NotificationKind and NotificationProcessing, the texts BSTRs.
  using RaiseNotificationEvent = long(__stdcall*)(IRawElementProviderSimple* provider, int kind,
                                                  int processing, wchar_t* text, wchar_t* activity);

  HostProviderFromHwnd host_provider_from_hwnd = nullptr;
  RaiseNotificationEvent raise_notification_event = nullptr;
};

// Every announcement tells of an action completed
// (NotificationKind_ActionCompleted) and is important, and of several waiting
// to be spoken only the latest is (NotificationProcessing_ImportantMostRecent).
inline constexpr int kNotificationKindActionCompleted = 2;
inline constexpr int kNotificationProcessingImportantMostRecent = 1;
inline constexpr wchar_t kAnnouncementActivity[] = L"Tavro.ChangedFields";

// The functions announcements go through: the system's, looked up on first
// use. A test may replace them.
UiaNotificationFunctions& UiaNotifications();

}  // namespace tavro::qt
