// Gives skin data to the controls of a skinned form that are not skinned controls themselves
// (framework labels, panels, buttons, edits, and the like of other component families): a
// label becomes transparent in the skin's font colour; a windowed control gets skin data and a
// window handler, when a handler for its class is registered (RegisterAdapterHandler).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/s_common_data.h"
#include "framework/removal_token.h"
#include "framework/win_control.h"
#include "framework/window_handler.h"

namespace sundrel {

class TsSkinManager;

// Asked before a control is adapted: clear `allowed` to leave it alone, or change the section.
using TAddItemEvent = std::function<void(TControl* item, bool& allowed, std::string& skinSection)>;

// Makes the window handler that paints an adapted control with its skin data, already attached;
// nullptr leaves the control as it is.
using TAdapterHandlerFactory =
    std::function<std::unique_ptr<TWindowHandler>(TWinControl& control, TsCommonData& skinData)>;

// Registers the factory for controls of the class (the C++ class name, as ClassName answers).
// The latest registration counts; letting the token go takes it out.
[[nodiscard]] TRemovalToken RegisterAdapterHandler(std::string className, TAdapterHandlerFactory factory);

// One adapted control: its skin data and its handler.
class TacAdapterItem {
 public:
  explicit TacAdapterItem(TWinControl& control);
  TWinControl& Control() const { return control_; }
  TsCommonData& SkinData() { return skinData_; }
  // Sets the section and lets the registered handler for the control's class take it over.
  void Adapt(const std::string& section, const TAdapterHandlerFactory& factory);

 private:
  TWinControl& control_;
  TsCommonData skinData_;
  std::unique_ptr<TWindowHandler> handler_;
};

class TacCtrlAdapter {
 public:
  // onSkinItem is the form provider's event, asked afresh for every control.
  TacCtrlAdapter(TWinControl& form, const TAddItemEvent& onSkinItem);
  ~TacCtrlAdapter();
  TacCtrlAdapter(const TacCtrlAdapter&) = delete;
  TacCtrlAdapter& operator=(const TacCtrlAdapter&) = delete;

  // Walks the form's controls and adapts those that are not skinned yet (not nested: a walk
  // started from inside one does nothing).
  void AdaptAll();
  // The one control (SMC_CONTROL_REFRESHED) and what it holds.
  void AdaptControl(TControl* control);
  // Lets every adapted control go back to its own look.
  void RemoveAll();
  int Count() const { return static_cast<int>(items_.size()); }

 private:
  void Walk(TWinControl& container);
  void Adapt(TControl& control);
  TacAdapterItem* ItemOf(const TControl& control);

  TWinControl& form_;
  const TAddItemEvent& onSkinItem_;
  std::vector<std::unique_ptr<TacAdapterItem>> items_;
  bool walking_ = false;
};

}  // namespace sundrel
