#include "framework_test_support.h"

#include "base/utf.h"

namespace sundrel::testing {

void FrameworkTest::SetUp() {
  application = std::make_unique<TApplication>();
  application->Initialize();
  application->SetTitle("Framework test");
}

void FrameworkTest::TearDown() {
  application.reset();
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  while (!condition()) {
    if (GetTickCount64() > end) return false;
    if (Application != nullptr) {
      Application->ProcessMessages();
    } else {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

TScreenShot SettledCapture(const RECT& area) {
  TScreenShot last = CaptureScreen(area);
  for (int i = 0; i < 50; ++i) {
    PumpUntil([] { return false; }, 100);
    TScreenShot now = CaptureScreen(area);
    if (now == last) return now;
    last = std::move(now);
  }
  ADD_FAILURE() << "the screen kept changing";
  return last;
}

namespace {

struct Search {
  std::wstring className;
  std::wstring caption;
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (!IsWindowVisible(window) || ClassNameOf(window) != search->className) return TRUE;
  if (!search->caption.empty() && ToWide(WindowTextOf(window)) != search->caption) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

HWND FindThreadWindow(const std::wstring& className, const std::wstring& caption) {
  Search search{className, caption};
  EnumThreadWindows(GetCurrentThreadId(), MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring ClassNameOf(HWND window) {
  wchar_t name[256] = L"";
  GetClassNameW(window, name, 256);
  return name;
}

HWND FindDescendant(HWND window, const wchar_t* className) {
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassNameOf(child) == className) return child;
    if (HWND inner = FindDescendant(child, className)) return inner;
  }
  return nullptr;
}

HWND NameBox(HWND fileDialog) {
  constexpr int kFileNameComboId = 0x47C;  // the combo box that holds the name box
  HWND comboEx = GetDlgItem(fileDialog, kFileNameComboId);
  HWND combo = FindWindowExW(comboEx, nullptr, L"ComboBox", nullptr);
  return FindWindowExW(combo != nullptr ? combo : comboEx, nullptr, L"Edit", nullptr);
}

std::string WindowTextOf(HWND window) {
  wchar_t text[1024] = L"";
  GetWindowTextW(window, text, 1024);
  return FromWide(text);
}

std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = FromWide(chars);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

WindowWatch::WindowWatch(std::function<HWND()> find, std::function<void(HWND)> action) : timer_(new TTimer(nullptr)) {
  timer_->SetInterval(20);
  timer_->OnTimer = [this, find, action](TObject*) {
    if (seen_) return;
    if (HWND window = find()) {
      seen_ = true;
      timer_->SetEnabled(false);
      action(window);
    }
  };
}

}  // namespace sundrel::testing
