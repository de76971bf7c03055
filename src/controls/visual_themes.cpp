#include "controls/visual_themes.h"

namespace sundrel {

namespace {

// Loaded at the first question and released when the program ends.
class ThemeModule {
 public:
  ThemeModule() : module_(LoadLibraryW(L"uxtheme.dll")) {
    if (module_ == nullptr) return;
    isThemeActive_ =
        reinterpret_cast<IsThemeActiveFn>(reinterpret_cast<void*>(GetProcAddress(module_, "IsThemeActive")));
    setWindowTheme_ =
        reinterpret_cast<SetWindowThemeFn>(reinterpret_cast<void*>(GetProcAddress(module_, "SetWindowTheme")));
  }
  ~ThemeModule() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  ThemeModule(const ThemeModule&) = delete;
  ThemeModule& operator=(const ThemeModule&) = delete;

  bool Active() const { return isThemeActive_ != nullptr && isThemeActive_(); }
  void SwitchOff(HWND window) const {
    if (setWindowTheme_ != nullptr) setWindowTheme_(window, L" ", L" ");
  }
  void Restore(HWND window) const {
    if (setWindowTheme_ != nullptr) setWindowTheme_(window, nullptr, nullptr);
  }

 private:
  using IsThemeActiveFn = BOOL(WINAPI*)();
  using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
  HMODULE module_;
  IsThemeActiveFn isThemeActive_ = nullptr;
  SetWindowThemeFn setWindowTheme_ = nullptr;
};

const ThemeModule& Themes() {
  static const ThemeModule module;
  return module;
}

}  // namespace

bool ThemesActive() {
  return Themes().Active();
}

void SwitchOffWindowTheme(HWND window) {
  Themes().SwitchOff(window);
}

void RestoreWindowTheme(HWND window) {
  Themes().Restore(window);
}

}  // namespace sundrel
