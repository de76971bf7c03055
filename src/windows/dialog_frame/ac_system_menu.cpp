#include "windows/dialog_frame/ac_system_menu.h"

#include "base/utf.h"
#include "windows/dialog_frame/dialog_border.h"
#include "windows/provider/s_system_menu.h"

namespace sundrel {

namespace {

constexpr UINT kCloseString = 58976;

const char* EnglishCaption(UINT stringId) {
  switch (stringId) {
    case 58981:
      return SRestore;
    case 58980:
      return SMove;
    case 58979:
      return SSize;
    case 58978:
      return SMinimize;
    case 58977:
      return SMaximize;
    default:
      return "Close";
  }
}

}  // namespace

std::string SystemMenuCaption(UINT stringId) {
  wchar_t text[128] = L"";
  if (LoadStringW(GetModuleHandleW(nullptr), stringId, text, 128) > 0) return FromWide(text);
  return EnglishCaption(stringId);
}

TacSystemMenu::TacSystemMenu(HWND dialog, const TacSystemMenuState& state)
    : TPopupMenu(nullptr), dialog_(dialog), state_(state) {
  miRestore = NewItem("miRestore", 58981, SC_RESTORE);
  miMove = NewItem("miMove", 58980, SC_MOVE);
  miSize = NewItem("miSize", 58979, SC_SIZE);
  miMinimize = NewItem("miMinimize", 58978, SC_MINIMIZE);
  miMaximize = NewItem("miMaximize", 58977, SC_MAXIMIZE);
  auto* line = new TMenuItem(this);
  line->SetCaption("-");
  Items()->Add(line);
  miClose = NewItem("miClose", kCloseString, SC_CLOSE);
  UpdateItems();
}

TMenuItem* TacSystemMenu::NewItem(const char* name, UINT stringId, WPARAM command) {
  auto* item = new TMenuItem(this);
  item->SetName(name);
  std::string caption = SystemMenuCaption(stringId);
  if (stringId == kCloseString) caption += "\tAlt+F4";
  item->SetCaption(caption);
  item->OnClick = [this, command](TObject*) {
    SendMessageW(dialog_, WM_SYSCOMMAND, command, 0);
    if (IsWindow(dialog_) && (command == SC_RESTORE || command == SC_MAXIMIZE)) UpdateItems();
  };
  Items()->Add(item);
  return item;
}

void TacSystemMenu::UpdateItems() {
  const int kind = state_.BorderKind;
  const bool systemMenu = (state_.SavedStyle & WS_SYSMENU) != 0;
  const bool maximizeBox = (state_.SavedStyle & WS_MAXIMIZEBOX) != 0;
  const bool minimizeBox = (state_.SavedStyle & WS_MINIMIZEBOX) != 0;
  const bool minimized = IsIconic(dialog_) != FALSE;
  const bool maximized = IsZoomed(dialog_) != FALSE;
  miRestore->SetVisible((kind == bkNotSetUp || kind == bkSizeable) && systemMenu);
  miRestore->SetEnabled(maximizeBox && (minimized || maximized));
  miMove->SetEnabled(!maximized);
  miSize->SetVisible(kind != bkModalFrame && kind != bkCaptionless && kind != 4);
  miSize->SetEnabled(kind != bkNotSetUp && !minimized);
  miMinimize->SetVisible(minimizeBox);
  miMinimize->SetEnabled(minimizeBox && !minimized);
  miMaximize->SetVisible(maximizeBox);
  miMaximize->SetEnabled(maximizeBox && !maximized && (kind == bkNotSetUp || kind == bkSizeable || kind == 5));
  miClose->SetVisible(systemMenu);
}

}  // namespace sundrel
