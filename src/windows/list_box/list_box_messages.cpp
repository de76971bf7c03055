// The list box's messages: skin commands, the list's notifications, type-ahead, and what the skin
// must follow after the window has handled a message.
#include "controls/skin_utilities.h"
#include "windows/handlers/ac_base_wnd.h"
#include "windows/list_box/s_list_box.h"
#include "windows/list_box/text_compare.h"

namespace sundrel {

bool TsBaseListBox::HandleSkinCommand(TMessage& message) {
  // The skin data has had its say already (it sits at the head of the message chain).
  const bool own = skinData_.IsOwnManager(message.LParam);
  switch (SkinCommandCode(message.WParam)) {
    case SMC_SKIN_SET:
      return own;
    case SMC_SKIN_REMOVED:
      if (!own) return false;
      // The handler gives back the colours it found when it came; the list's are the system's now.
      FreeHandler(scrollHandler_);
      skinData_.ApplyNativeColors();
      return true;
    case SMC_REFRESH:
      if (!own) return false;
      ApplySkinColors();
      EnsureScrollHandler();
      RepaintAll();
      return true;
    case SMC_PARENT_UPDATED:
      if (skinData_.MustRebuild()) {
        skinData_.Updating = false;
        RepaintAll();
      }
      return true;
    default:
      return false;
  }
}

void TsBaseListBox::HandleNotification(TMessage& message) {
  switch (HIWORD(message.WParam)) {
    case LBN_SELCHANGE:
      Click();
      break;
    case LBN_DBLCLK:
      if (OnDblClick) OnDblClick(this);
      break;
    default:
      break;
  }
}

int TsBaseListBox::FindPrefix(const std::string& prefix) {
  if (IsVirtual()) return OnDataFind ? OnDataFind(this, prefix) : -1;
  const int count = Count();
  for (int i = 0; i < count; ++i) {
    if (StartsWithText(items_.Get(i), prefix)) return i;
  }
  return -1;
}

bool TsBaseListBox::TypeAheadKey(wchar_t key) {
  std::wstring typed(1, key);
  bool consumed = false;
  // A character beyond the first plane comes as two messages: the second is taken along now.
  MSG next;
  if (IS_HIGH_SURROGATE(key) && PeekMessageW(&next, Handle(), WM_CHAR, WM_CHAR, PM_REMOVE)) {
    typed += static_cast<wchar_t>(next.wParam);
    consumed = true;
  }
  const std::string& prefix = typeAhead_.Type(typed, GetTickCount());
  if (prefix.empty()) {
    SetItemIndex(0);
    Click();
    return consumed;
  }
  const int found = FindPrefix(prefix);
  if (found >= 0) {
    if (multiSelect_) {
      ClearSelection();
      SetSelected(found, true);
    }
    SetItemIndex(found);
    Click();
  }
  // The window's own search would move the selection somewhere else.
  return key != L'\r' && key != L'\b' && key != 0x1B;
}

void TsBaseListBox::AfterMessage(const TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
      ResetColumnWidth();
      return;
    case CM_ENABLEDCHANGED:
      ResetColumnWidth();
      RepaintAll();
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // The frame shows the focused state as well as the client area.
      skinData_.BGChanged = true;
      RepaintAll();
      return;
    case CM_COLORCHANGED:
      ApplySkinColors();
      return;
    case CM_SHOWINGCHANGED:
      EnsureScrollHandler();
      return;
    case CM_FONTCHANGED:
      // The border handler gives the font its own colour; the list's section colour wins.
      ApplySkinColors();
      skinData_.BGChanged = true;
      Invalidate();
      if (style_ == lbStandard) SetItemHeight(ItemHeight());
      return;
    default:
      return;
  }
}

void TsBaseListBox::WndProc(TMessage& message) {
  if (message.Msg == SM_SKINCMD && HandleSkinCommand(message)) return;
  switch (message.Msg) {
    case CN_DRAWITEM:
      DrawItem(message);
      return;
    case CN_MEASUREITEM:
      MeasureItem(message);
      return;
    case CN_COMMAND:
      HandleNotification(message);
      return;
    case WM_CHAR:
      if (autoComplete_ && TypeAheadKey(static_cast<wchar_t>(message.WParam))) return;
      break;
    default:
      break;
  }
  if (!Ready() || !skinData_.IsSkinned()) {
    TWinControl::WndProc(message);
    boundLabel_.FollowOwner(message);
    return;
  }
  switch (message.Msg) {
    case WM_ERASEBKGND:
      if (message.WParam == 0) break;
      message.Result = EraseBackground(reinterpret_cast<HDC>(message.WParam)) ? 1 : 0;
      return;
    case WM_SIZE:
    case CM_ENABLEDCHANGED:
      skinData_.BGChanged = true;
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
  AfterMessage(message);
  boundLabel_.FollowOwner(message);
}

}  // namespace sundrel
