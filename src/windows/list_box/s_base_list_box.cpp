// The list box's settings, the making and rebuilding of its window, and its list operations.
#include "controls/control_kinds.h"
#include "windows/handlers/ac_base_wnd.h"
#include "windows/list_box/list_box_errors.h"
#include "windows/list_box/s_list_box.h"

namespace sundrel {

TsBaseListBox::TsBaseListBox(TComponent* owner)
    : TWinControl(owner), skinData_(this, true), boundLabel_(this, &skinData_) {
  // A click is the selection changing through the user (LBN_SELCHANGE), not any button release.
  SetControlStyle(ControlStyle() & ~csClickEvents);
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetColor(clWindow);
  skinData_.ControlKind = kKindListBox;
  skinHook_ = skinData_.PlugInto(MessageHooks());
  skinData_.Loaded();
}

TsBaseListBox::~TsBaseListBox() {
  FreeHandler(scrollHandler_);
}

void TsBaseListBox::Loaded() {
  TWinControl::Loaded();
  skinData_.Loaded();
  ApplySkinColors();
}

void TsBaseListBox::CreateParams(TCreateParams& params) const {
  TWinControl::CreateParams(params);
  params.BaseClassName = L"LISTBOX";
  params.Style |= WS_VSCROLL | LBS_NOTIFY;
  switch (style_) {
    case lbStandard:
      break;
    case lbOwnerDrawVariable:
      params.Style |= LBS_OWNERDRAWVARIABLE;
      break;
    default:
      params.Style |= LBS_OWNERDRAWFIXED;
      break;
  }
  params.Style |= IsVirtual() ? LBS_NODATA : LBS_HASSTRINGS;
  if (sorted_ && !IsVirtual()) params.Style |= LBS_SORT;
  if (multiSelect_) params.Style |= extendedSelect_ ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (!integralHeight_) params.Style |= LBS_NOINTEGRALHEIGHT;
  if (columns_ > 0) params.Style |= LBS_MULTICOLUMN;
  if (tabWidth_ > 0) params.Style |= LBS_USETABSTOPS;
  // The framework's controls have the 3-D look: the sunken edge stands for the thin border.
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
  if (!autoHideScroll_) params.Style |= LBS_DISABLENOSCROLL;
}

void TsBaseListBox::CreateWnd() {
  TWinControl::CreateWnd();
  // The system snaps the height to whole items when it makes the window; the control's own counts.
  SetWindowPos(Handle(), nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  if (tabWidth_ > 0) SendMessageW(Handle(), LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabWidth_));
  ResetColumnWidth();
  if (IsVirtual() && savedCount_ > 0) {
    SendMessageW(Handle(), LB_SETCOUNT, savedCount_, 0);
  } else if (!IsVirtual() && savedItems_ != nullptr) {
    const std::unique_ptr<std::vector<std::string>> saved = std::move(savedItems_);
    for (const std::string& item : *saved) items_.Add(item);
  }
  SendMessageW(Handle(), LB_SETTOPINDEX, savedTopIndex_, 0);
  SetItemIndex(savedItemIndex_);
  savedCount_ = -1;
  // A rebuilt window needs a handler of its own: the old one let go with the old window.
  if (Ready()) EnsureScrollHandler();
}

void TsBaseListBox::WindowDestroying() {
  // A list that goes for good keeps nothing.
  if (!IsDestroying() && Count() > 0) {
    if (IsVirtual()) {
      savedCount_ = Count();
    } else {
      savedItems_ = std::make_unique<std::vector<std::string>>(items_.ToVector());
    }
    savedTopIndex_ = TopIndex();
    savedItemIndex_ = ItemIndex();
  } else {
    savedTopIndex_ = 0;
    savedItemIndex_ = -1;
  }
  TWinControl::WindowDestroying();
}

void TsBaseListBox::RecreateWnd() {
  if (!HandleAllocated() || IsLoading()) return;
  DestroyHandle();
  CreateHandle();
}

void TsBaseListBox::ResetColumnWidth() {
  if (!HandleAllocated() || columns_ <= 0) return;
  SendMessageW(Handle(), LB_SETCOLUMNWIDTH, std::max(1, (Width() + columns_ - 3) / columns_), 0);
}

bool TsBaseListBox::Ready() {
  return HandleAllocated() && Parent() != nullptr && !IsLoading() && !IsDestroying();
}

void TsBaseListBox::SetItems(const TStrings& items) {
  if (style_ == lbVirtual) SetStyle(lbStandard);
  if (style_ == lbVirtualOwnerDraw) SetStyle(lbOwnerDrawFixed);
  // Read first: the strings given may be these.
  const std::vector<std::string> copy = items.ToVector();
  items_.Update([&] {
    items_.Clear();
    for (const std::string& item : copy) items_.Add(item);
  });
}

void TsBaseListBox::SetStyle(TListBoxStyle style) {
  if (style == style_) return;
  const bool toVirtual = style == lbVirtual || style == lbVirtualOwnerDraw;
  if (toVirtual) {
    items_.Clear();
    sorted_ = false;
    virtualCount_ = 0;
  }
  style_ = style;
  RecreateWnd();
}

void TsBaseListBox::SetSorted(bool sorted) {
  if (IsVirtual() || sorted == sorted_) return;
  sorted_ = sorted;
  RecreateWnd();
}

int TsBaseListBox::ItemHeight() {
  // The list's own item height: the rectangle of a first item would need one to exist.
  if (style_ == lbStandard && HandleAllocated())
    return static_cast<int>(SendMessageW(Handle(), LB_GETITEMHEIGHT, 0, 0));
  return itemHeight_;
}

void TsBaseListBox::SetItemHeight(int height) {
  if (height <= 0 || height == itemHeight_) return;
  itemHeight_ = height;
  RecreateWnd();
}

void TsBaseListBox::SetColumns(int columns) {
  if (columns == columns_) return;
  const bool layoutChanges = (columns_ == 0) != (columns == 0);
  columns_ = columns;
  if (layoutChanges) {
    RecreateWnd();
  } else {
    ResetColumnWidth();
  }
}

void TsBaseListBox::SetTabWidth(int tabWidth) {
  tabWidth = std::max(tabWidth, 0);
  if (tabWidth == tabWidth_) return;
  tabWidth_ = tabWidth;
  RecreateWnd();
}

void TsBaseListBox::SetIntegralHeight(bool integralHeight) {
  if (integralHeight == integralHeight_) return;
  integralHeight_ = integralHeight;
  RecreateWnd();
  if (Parent() != nullptr) Parent()->Realign();
}

void TsBaseListBox::SetBorderStyle(TFormBorderStyle borderStyle) {
  if (borderStyle == borderStyle_) return;
  borderStyle_ = borderStyle;
  RecreateWnd();
}

void TsBaseListBox::SetAutoHideScroll(bool autoHide) {
  if (autoHide == autoHideScroll_) return;
  autoHideScroll_ = autoHide;
  RecreateWnd();
}

void TsBaseListBox::SetMultiSelectValue(bool multiSelect) {
  if (multiSelect == multiSelect_) return;
  multiSelect_ = multiSelect;
  RecreateWnd();
}

void TsBaseListBox::SetExtendedSelectValue(bool extendedSelect) {
  if (extendedSelect == extendedSelect_) return;
  extendedSelect_ = extendedSelect;
  RecreateWnd();
}

void TsBaseListBox::SetDisabledKind(TsDisabledKind kind) {
  if (kind == disabledKind_) return;
  disabledKind_ = kind;
  skinData_.Invalidate();
}

int TsBaseListBox::Count() {
  return IsVirtual() ? virtualCount_ : items_.Count();
}

void TsBaseListBox::SetCount(int count) {
  if (!IsVirtual()) throw EListError(FormatText(SListBoxMustBeVirtual, {Name()}));
  if (HandleAllocated() && SendMessageW(Handle(), LB_SETCOUNT, count, 0) < 0) {
    throw EListError(FormatText(SErrorSettingCount, {Name()}));
  }
  virtualCount_ = count;
  if (!HandleAllocated()) savedCount_ = count;
}

void TsBaseListBox::Clear() {
  items_.Clear();
}

int TsBaseListBox::ItemIndex() {
  // The caret of an empty list still answers item 0.
  if (Count() == 0) return -1;
  const UINT request = multiSelect_ ? LB_GETCARETINDEX : LB_GETCURSEL;
  return static_cast<int>(SendMessageW(Handle(), request, 0, 0));
}

void TsBaseListBox::SetItemIndex(int index) {
  const int previous = ItemIndex();
  if (index == previous) return;
  if (multiSelect_) {
    SendMessageW(Handle(), LB_SETCARETINDEX, index, FALSE);
  } else {
    SendMessageW(Handle(), LB_SETCURSEL, index, 0);
  }
  RedrawItem(previous);
}

bool TsBaseListBox::Selected(int index) {
  if (!multiSelect_) return ItemIndex() == index;
  return SendMessageW(Handle(), LB_GETSEL, index, 0) > 0;
}

void TsBaseListBox::SetSelected(int index, bool selected) {
  if (multiSelect_) {
    if (SendMessageW(Handle(), LB_SETSEL, selected, index) == LB_ERR) throw ListIndexError(index);
    return;
  }
  SetItemIndex(index);
  Invalidate();
}

int TsBaseListBox::SelCount() {
  if (!multiSelect_) return ItemIndex() >= 0 ? 1 : 0;
  return static_cast<int>(SendMessageW(Handle(), LB_GETSELCOUNT, 0, 0));
}

void TsBaseListBox::ClearSelection() {
  if (multiSelect_) {
    SendMessageW(Handle(), LB_SETSEL, FALSE, -1);
  } else {
    SetItemIndex(-1);
  }
}

void TsBaseListBox::DeleteSelected() {
  if (!multiSelect_) {
    const int current = ItemIndex();
    if (current >= 0) items_.Delete(current);
    return;
  }
  for (int i = Count() - 1; i >= 0; --i) {
    if (Selected(i)) items_.Delete(i);
  }
}

int TsBaseListBox::TopIndex() {
  return static_cast<int>(SendMessageW(Handle(), LB_GETTOPINDEX, 0, 0));
}

void TsBaseListBox::SetTopIndex(int index) {
  if (TopIndex() != index) SendMessageW(Handle(), LB_SETTOPINDEX, index, 0);
}

int TsBaseListBox::ItemAtPos(POINT point, bool existing) {
  RECT client;
  GetClientRect(Handle(), &client);
  if (!PtInRect(&client, point)) return -1;
  const int count = Count();
  int index = TopIndex();
  for (; index < count; ++index) {
    RECT item{};
    SendMessageW(Handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    if (item.top >= client.bottom || item.left >= client.right) break;
    if (PtInRect(&item, point)) return index;
  }
  return existing ? -1 : index;
}

}  // namespace sundrel
