// The skinned list box. The strings live in the system's list box window; the control adds the
// items adapter, selection operations, type-ahead, owner-drawn and virtual modes and a bound
// label. Skinned, its colours come from its section ("EDIT" unless told otherwise) and its client
// background from the section's cached picture; without a skin it is the standard list box.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/s_bound_label.h"
#include "controls/s_common_data.h"
#include "framework/forms.h"
#include "framework/graphics.h"
#include "paint/disabled_look.h"
#include "windows/list_box/list_box_strings.h"
#include "windows/list_box/type_ahead.h"

namespace sundrel {

class TacEditWnd;

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw };

// The ODS_* flags of the item being drawn.
using TOwnerDrawState = UINT;

using TDrawItemEvent = std::function<void(TWinControl* control, int index, const RECT& rect, TOwnerDrawState state)>;
using TMeasureItemEvent = std::function<void(TWinControl* control, int index, int& height)>;
using TLBGetDataEvent = std::function<void(TWinControl* control, int index, std::string& data)>;
using TLBGetDataObjectEvent = std::function<void(TWinControl* control, int index, intptr_t& dataObject)>;
// Answers the index of the virtual item that the text finds, or -1.
using TLBFindDataEvent = std::function<int(TWinControl* control, const std::string& findString)>;
using TScrollEvent = std::function<void(TObject* sender, int scrollCode, int& scrollPos)>;

class TsBaseListBox : public TWinControl {
 public:
  explicit TsBaseListBox(TComponent* owner);
  ~TsBaseListBox() override;

  // Published.
  TListBoxStrings& Items() { return items_; }
  // Copies the strings; a virtual style gives way to its non-virtual counterpart first.
  void SetItems(const TStrings& items);
  TListBoxStyle Style() const { return style_; }
  void SetStyle(TListBoxStyle style);
  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  // For lbStandard the height that the window gives its items.
  int ItemHeight();
  void SetItemHeight(int height);
  int Columns() const { return columns_; }
  void SetColumns(int columns);
  int TabWidth() const { return tabWidth_; }
  void SetTabWidth(int tabWidth);
  bool IntegralHeight() const { return integralHeight_; }
  void SetIntegralHeight(bool integralHeight);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle borderStyle);
  bool AutoHideScroll() const { return autoHideScroll_; }
  void SetAutoHideScroll(bool autoHide);
  bool AutoComplete() const { return autoComplete_; }
  void SetAutoComplete(bool autoComplete) { autoComplete_ = autoComplete; }
  uint16_t AutoCompleteDelay() const { return typeAhead_.Delay(); }
  void SetAutoCompleteDelay(uint16_t milliseconds) { typeAhead_.SetDelay(milliseconds); }
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind kind);
  TsCommonData& SkinData() { return skinData_; }
  TsBoundLabel& BoundLabel() { return boundLabel_; }
  // Where OnDrawItem paints: attached to the item's device context while the event runs.
  TCanvas& Canvas() { return canvas_; }

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;
  TLBGetDataEvent OnData;
  TLBGetDataObjectEvent OnDataObject;
  TLBFindDataEvent OnDataFind;
  // Kept for whoever wants it; the list box itself never raises it.
  TScrollEvent OnVScroll;
  TNotifyEvent OnDblClick;

  // List operations. Those that ask the window make it when it is missing.
  int Count();
  // Only for the virtual styles.
  void SetCount(int count);
  void Clear();
  // The caret item with several selectable, the selected one otherwise; -1 when none.
  int ItemIndex();
  void SetItemIndex(int index);
  bool Selected(int index);
  void SetSelected(int index, bool selected);
  int SelCount();
  void ClearSelection();
  void DeleteSelected();
  int TopIndex();
  void SetTopIndex(int index);
  // The item under the point (client coordinates); -1 outside the client area. Where no item
  // is, -1 unless `existing` is false, which answers the index after the last visible item.
  int ItemAtPos(POINT point, bool existing);
  bool IsVirtual() const { return style_ == lbVirtual || style_ == lbVirtualOwnerDraw; }

 protected:
  bool MultiSelectValue() const { return multiSelect_; }
  void SetMultiSelectValue(bool multiSelect);
  bool ExtendedSelectValue() const { return extendedSelect_; }
  void SetExtendedSelectValue(bool extendedSelect);

  void CreateParams(TCreateParams& params) const override;
  void CreateWnd() override;
  void WindowDestroying() override;
  void WndProc(TMessage& message) override;
  void Loaded() override;

 private:
  friend class TListBoxStrings;

  // Rebuilds the window with the new settings, keeping the items; not while loading.
  void RecreateWnd();
  void ResetColumnWidth();
  // Has a window and a parent, and is neither loading nor going.
  bool Ready();

  // The border and scroll bars of the skin come from a window handler (TacEditWnd, section
  // "EDIT"), kept while the list is skinned and has a window; until one is attached the system
  // draws both.
  void EnsureScrollHandler();

  // Painting (list_box_paint.cpp).
  void DrawItem(TMessage& message);
  void MeasureItem(TMessage& message);
  // The item's colours on the painting canvas: highlighted, disabled or the font's.
  void ChooseItemColors(int index, UINT state);
  // Redraws one item at once through DrawItem.
  void RedrawItem(int index);
  // Answers whether the picture was copied.
  bool EraseBackground(HDC dc);
  void BuildCache();
  void ApplySkinColors();
  void RepaintAll();

  // Messages (list_box_messages.cpp).
  bool HandleSkinCommand(TMessage& message);
  void HandleNotification(TMessage& message);
  void AfterMessage(const TMessage& message);
  // Answers whether the window must not see the key.
  bool TypeAheadKey(wchar_t key);
  // The first item whose text begins with the prefix (letter case aside), or -1.
  int FindPrefix(const std::string& prefix);

  TListBoxStrings items_{*this};
  TsCommonData skinData_;
  TsBoundLabel boundLabel_;
  TCanvas canvas_;
  TTypeAhead typeAhead_;
  TRemovalToken skinHook_;
  std::unique_ptr<TacEditWnd> scrollHandler_;

  TListBoxStyle style_ = lbStandard;
  bool sorted_ = false;
  int itemHeight_ = 16;
  int columns_ = 0;
  int tabWidth_ = 0;
  bool integralHeight_ = false;
  TFormBorderStyle borderStyle_ = bsSingle;
  bool autoHideScroll_ = true;
  bool autoComplete_ = true;
  TsDisabledKind disabledKind_ = dkBlended;
  bool multiSelect_ = false;
  bool extendedSelect_ = true;

  int virtualCount_ = 0;
  // What the window held while it is rebuilt or gone.
  int savedCount_ = -1;
  std::unique_ptr<std::vector<std::string>> savedItems_;
  int savedTopIndex_ = 0;
  int savedItemIndex_ = -1;
};

class TsListBox : public TsBaseListBox {
 public:
  using TsBaseListBox::TsBaseListBox;

  bool MultiSelect() const { return MultiSelectValue(); }
  void SetMultiSelect(bool multiSelect) { SetMultiSelectValue(multiSelect); }
  bool ExtendedSelect() const { return ExtendedSelectValue(); }
  void SetExtendedSelect(bool extendedSelect) { SetExtendedSelectValue(extendedSelect); }
};

}  // namespace sundrel
