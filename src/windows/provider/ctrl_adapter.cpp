#include "windows/provider/ctrl_adapter.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "controls/skin_utilities.h"
#include "framework/button.h"
#include "framework/edit.h"
#include "framework/label.h"
#include "framework/panel.h"
#include "framework/registrations.h"
#include "skin/manager/skin_manager_win32.h"

namespace sundrel {

namespace {

struct AdapterRegistration {
  std::string className;
  TAdapterHandlerFactory factory;
};

TRegistrations<AdapterRegistration>& AdapterRegistrations() {
  static TRegistrations<AdapterRegistration> registrations;
  return registrations;
}

TAdapterHandlerFactory FactoryFor(const std::string& className) {
  const auto& registrations = AdapterRegistrations().Entries();
  const auto found = std::find_if(registrations.rbegin(), registrations.rend(),
                                  [&](const auto& entry) { return entry->className == className; });
  return found != registrations.rend() ? (*found)->factory : TAdapterHandlerFactory();
}

// Controls of other component families that are known to take skin data.
constexpr std::array<std::string_view, 13> kAdaptedClassNames = {"TDBCtrlPanel",
                                                                 "TSynEdit",
                                                                 "TSynMemo",
                                                                 "TDBSynEdit",
                                                                 "TVirtualStringTree",
                                                                 "TVirtualStringTreeDB",
                                                                 "TVirtualDrawTree",
                                                                 "TEasyListview",
                                                                 "TRichView",
                                                                 "TDBRichViewEdit",
                                                                 "TRichViewEdit",
                                                                 "TVirtualExplorerTreeview",
                                                                 "TVirtualExplorerListview"};

bool IsAdaptable(TWinControl& control) {
  if (dynamic_cast<TPanel*>(&control) != nullptr || dynamic_cast<TButton*>(&control) != nullptr ||
      dynamic_cast<TEdit*>(&control) != nullptr) {
    return true;
  }
  const std::string name = control.ClassName();
  return std::find(kAdaptedClassNames.begin(), kAdaptedClassNames.end(), name) != kAdaptedClassNames.end();
}

}  // namespace

TRemovalToken RegisterAdapterHandler(std::string className, TAdapterHandlerFactory factory) {
  return AdapterRegistrations().Add(AdapterRegistration{std::move(className), std::move(factory)});
}

TacAdapterItem::TacAdapterItem(TWinControl& control) : control_(control), skinData_(&control, true) {}

void TacAdapterItem::Adapt(const std::string& section, const TAdapterHandlerFactory& factory) {
  skinData_.SetSkinSection(section);
  skinData_.UpdateIndexes();
  if (!handler_ && factory) handler_ = factory(control_, skinData_);
}

TacCtrlAdapter::TacCtrlAdapter(TWinControl& form, const TAddItemEvent& onSkinItem)
    : form_(form), onSkinItem_(onSkinItem) {}

TacCtrlAdapter::~TacCtrlAdapter() = default;

void TacCtrlAdapter::AdaptAll() {
  if (walking_) return;
  walking_ = true;
  try {
    Walk(form_);
  } catch (...) {
    walking_ = false;
    throw;
  }
  walking_ = false;
}

void TacCtrlAdapter::AdaptControl(TControl* control) {
  if (control == nullptr || walking_) return;
  walking_ = true;
  try {
    Adapt(*control);
    if (auto* container = dynamic_cast<TWinControl*>(control)) Walk(*container);
  } catch (...) {
    walking_ = false;
    throw;
  }
  walking_ = false;
}

void TacCtrlAdapter::RemoveAll() {
  items_.clear();
}

void TacCtrlAdapter::Walk(TWinControl& container) {
  for (int i = 0; i < container.ControlCount(); ++i) {
    TControl* child = container.Controls(i);
    if (child->IsDestroying()) continue;
    Adapt(*child);
    if (auto* inner = dynamic_cast<TWinControl*>(child)) Walk(*inner);
  }
}

TacAdapterItem* TacCtrlAdapter::ItemOf(const TControl& control) {
  for (const auto& item : items_) {
    if (&item->Control() == &control) return item.get();
  }
  return nullptr;
}

void TacCtrlAdapter::Adapt(TControl& control) {
  TacAdapterItem* item = ItemOf(control);
  // A skinned control answers for itself; so does one adapted before, through its own data.
  if (item == nullptr && AskControl(&control, SMC_IS_SKINNED)) return;
  if (auto* label = dynamic_cast<TCustomLabel*>(&control)) {
    const TsSkinManager* manager = DefaultManager();
    label->SetTransparent(true);
    if (manager != nullptr && manager->GetGlobalFontColor() != clFuchsia) {
      label->Font().SetColor(manager->GetGlobalFontColor());
    }
    return;
  }
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  if (windowed == nullptr || windowed->Parent() == nullptr || !IsAdaptable(*windowed)) return;
  bool allowed = true;
  std::string section = "EDIT";
  if (onSkinItem_) onSkinItem_(&control, allowed, section);
  if (!allowed) return;
  const TAdapterHandlerFactory factory = FactoryFor(windowed->ClassName());
  if (item == nullptr) {
    // Without a handler nothing would paint the data: the control stays as it is.
    if (!factory) return;
    items_.push_back(std::make_unique<TacAdapterItem>(*windowed));
    item = items_.back().get();
  }
  item->Adapt(section, factory);
}

}  // namespace sundrel
