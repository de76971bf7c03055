// Small skinned controls for the tests of the control skin data, and a skin written by the test
// whose sections differ only in what the skin data reads: colours, transparency, gradient.
#pragma once

#include <string>

#include "controls/control_kinds.h"
#include "controls/s_common_data.h"
#include "file_fixture.h"
#include "framework/control.h"
#include "framework/edit.h"
#include "framework/forms.h"
#include "framework/panel.h"
#include "framework_test_support.h"
#include "paint/shared_slots.h"
#include "skin/manager/skin_manager_win32.h"

namespace sundrel::testing {

// Section colours of the test skin.
inline constexpr TColor kPanelColor = 0x0000FF;
inline constexpr TColor kPanelFontColor = 0x808080;
inline constexpr TColor kEditColor = 0x00FFFF;
inline constexpr TColor kEditFontColor = 0x0000FF;
inline constexpr TColor kTintColor = 0x000000;
inline constexpr TColor kGradientColor = 0x00FF00;

// Sections "PANEL", "BUTTON" and "EDIT" (opaque), "GLASS" (Transparency 100), "TINT"
// (Transparency 50, black) and "GRADIENT" (a gradient over all of it, green).
std::string MiniSkinOptions();

// A control that owns skin data and hands it every message first, as a skinned control does.
template <class Base>
class TSkinned : public Base {
 public:
  explicit TSkinned(TComponent* owner, int kind = kKindPanel) : Base(owner), data(this, true) {
    data.ControlKind = kind;
    hook_ = data.PlugInto(this->MessageHooks());
  }
  TsCommonData data;

 private:
  TRemovalToken hook_;
};
using TSkinnedPanel = TSkinned<TPanel>;
using TSkinnedEdit = TSkinned<TEdit>;
using TSkinnedGraphic = TSkinned<TGraphicControl>;

template <class T>
T* ChildOf(TWinControl* parent, const std::string& section = "") {
  auto* child = new T(parent);
  child->SetParent(parent);
  if constexpr (requires { child->data; }) {
    if (!section.empty()) child->data.SetSkinSection(section);
  }
  return child;
}

// A windowed control of a kind that is neither a container nor edit-like.
inline TSkinnedPanel* ButtonLikeChild(TWinControl* parent, const std::string& section) {
  auto* child = ChildOf<TSkinnedPanel>(parent, section);
  child->data.ControlKind = kKindButton;
  return child;
}

// A form with a manager whose skin is the test skin (the default manager while it lives).
class SkinDataTest : public FrameworkTest {
 protected:
  void SetUp() override;

  FreshSlots fresh;
  test::TempDir folder;
  TForm* form = nullptr;
  TsSkinManager* manager = nullptr;
};

inline LPARAM Param(const void* object) {
  return reinterpret_cast<LPARAM>(object);
}

}  // namespace sundrel::testing
