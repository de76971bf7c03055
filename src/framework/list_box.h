// The list box: wraps the system's list box. Its items live in the window while there is one,
// and are kept by the control when the window is rebuilt.
#pragma once

#include <string>
#include <vector>

#include "framework/strings.h"
#include "framework/win_control.h"

namespace sundrel {

class TListBox;

class TListBoxItems : public TStrings {
 public:
  explicit TListBoxItems(TListBox& listBox) : listBox_(listBox) {}
  int Count() const override;
  std::string Get(int index) const override;
  int Add(const std::string& text) override;
  void Delete(int index) override;
  void Clear() override;

 private:
  TListBox& listBox_;
};

class TListBox : public TWinControl {
 public:
  explicit TListBox(TComponent* owner);

  TStrings& Items() { return items_; }
  // Several items may be selected (with Shift and Ctrl, as the system's extended selection).
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool multiSelect) { multiSelect_ = multiSelect; }
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int height);

  // These need the window and make it when missing.
  bool Selected(int index);
  void SetSelected(int index, bool selected);
  int SelCount();
  int ItemIndex();
  void SelectAll();
  // Removes the selected items, from the last to the first, so the others keep their order.
  void DeleteSelected();
  void Clear() { items_.Clear(); }

 protected:
  void CreateParams(TCreateParams& params) const override;
  void CreateWnd() override;
  void WindowDestroying() override;
  void ChangeScale(int multiplier, int divider) override;

 private:
  friend class TListBoxItems;
  void CheckIndex(int index);

  TListBoxItems items_{*this};
  std::vector<std::string> keptItems_;  // the items while there is no window
  bool multiSelect_ = false;
  int itemHeight_ = 13;
};

}  // namespace sundrel
