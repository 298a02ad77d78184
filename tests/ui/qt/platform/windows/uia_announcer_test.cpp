// Announcements through UI Automation: what a button that changes a field
// hands to the notification function, once a screen reader has asked for the
// window. The system's functions are replaced by recording ones.
#include "ui/qt/platform/windows/uia_announcer.h"

#include <windows.h>
// After windows.h, on which it builds.
#include <uiautomationcore.h>
// The shell's own function, not windows.h's macro.
#undef CreateWindow

#include <QAccessible>
#include <vector>

#include "test_program.h"

namespace tavro::qt::testing {

namespace {

using support::Click;
using support::Type;

// A window's host provider as UI Automation gives one: referenced until
// released.
class FakeProvider final : public IRawElementProviderSimple {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override { return --references; }
  HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID, VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple**) override {
    return E_NOTIMPL;
  }

  ULONG references = 0;
};

struct Notification {
  IRawElementProviderSimple* provider;
  int kind;
  int processing;
  QString text;
  QString activity;
};

FakeProvider provider;
std::vector<HWND> hosts_asked_for;
std::vector<Notification> raised;

HRESULT WINAPI RecordHostProvider(HWND window, IRawElementProviderSimple** result) {
  hosts_asked_for.push_back(window);
  provider.AddRef();
  *result = &provider;
  return S_OK;
}

HRESULT WINAPI RecordNotification(IRawElementProviderSimple* on, int kind, int processing,
                                  BSTR text, BSTR activity) {
  raised.push_back({on, kind, processing, QString::fromWCharArray(text, SysStringLen(text)),
                    QString::fromWCharArray(activity, SysStringLen(activity))});
  return S_OK;
}

// What a UI Automation client asks a window for (UiaRootObjectId).
constexpr LPARAM kUiaRootObjectId = -25;

// The Standard window with 2 and 3 typed, after a screen reader asked for it
// as UI Automation clients do, which makes Qt's accessibility active.
LayoutWindow* StandardWithTwoAndThree(TestProgram& program) {
  LayoutWindow* standard = program.Open("Form1");
  if (!standard) return nullptr;
  SendMessageW(reinterpret_cast<HWND>(standard->winId()), WM_GETOBJECT, 0, kUiaRootObjectId);
  Type(standard->Field("Text1"), QStringLiteral("2"));
  Type(standard->Field("Text2"), QStringLiteral("3"));
  return standard;
}

}  // namespace

class UiaAnnouncerTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    system_ = UiaNotifications();
    UiaNotifications() = {RecordHostProvider, RecordNotification};
    hosts_asked_for.clear();
    raised.clear();
  }
  void cleanup() { UiaNotifications() = system_; }

  void anAnswerIsANotificationOfItsWindow() {
    TestProgram program;
    LayoutWindow* standard = StandardWithTwoAndThree(program);
    QVERIFY(standard);
    QVERIFY(QAccessible::isActive());
    Click(standard->Button("Command1"));  // +
    QCOMPARE(raised.size(), 1u);
    QCOMPARE(raised[0].text, QStringLiteral("ОТГОВОР 5"));
    QCOMPARE(hosts_asked_for, std::vector<HWND>{reinterpret_cast<HWND>(standard->winId())});
    QCOMPARE(raised[0].provider, &provider);
    QCOMPARE(raised[0].kind, kNotificationKindActionCompleted);
    QCOMPARE(raised[0].processing, kNotificationProcessingImportantMostRecent);
    QCOMPARE(raised[0].activity, QString::fromWCharArray(kAnnouncementActivity));
    QCOMPARE(provider.references, 0u);  // given back

    Click(standard->Button("Command1"));  // the same answer again: nothing changed
    QCOMPARE(raised.size(), 1u);
  }

  void nothingIsAnnouncedWhereTheSystemLacksNotifications() {
    // Windows before 10 version 1709, and Wine.
    UiaNotifications().raise_notification_event = nullptr;
    TestProgram program;
    LayoutWindow* standard = StandardWithTwoAndThree(program);
    QVERIFY(standard);
    Click(standard->Button("Command1"));
    QCOMPARE(standard->Field("Text3")->text(), QStringLiteral("5"));
    QVERIFY(hosts_asked_for.empty());
  }

 private:
  UiaNotificationFunctions system_;
};

}  // namespace tavro::qt::testing

QTEST_MAIN(tavro::qt::testing::UiaAnnouncerTest)
#include "uia_announcer_test.moc"
