// A skinned dialog's system menu: the system's own is gone with WS_SYSMENU, so this one offers
// the same commands, shown and enabled by the dialog's border, its saved style and its state.
#pragma once

#include <windows.h>

#include <string>

#include "framework/menus.h"

namespace sundrel {

// What the menu reads from its dialog.
struct TacSystemMenuState {
  int BorderKind = 1;
  LONG SavedStyle = 0;  // the style before skinning took WS_SYSMENU away
};

class TacSystemMenu : public TPopupMenu {
 public:
  TacSystemMenu(HWND dialog, const TacSystemMenuState& state);

  TMenuItem* miRestore;
  TMenuItem* miMove;
  TMenuItem* miSize;
  TMenuItem* miMinimize;
  TMenuItem* miMaximize;
  TMenuItem* miClose;

  // Shows and enables the items by the dialog's state now.
  void UpdateItems();

  // Whether maximizing or restoring can be asked for now.
  bool CanMaximize() const { return miMaximize->Visible() && miMaximize->Enabled(); }
  bool CanRestore() const { return miRestore->Enabled(); }
  bool CanMinimize() const { return miMinimize->Visible() && miMinimize->Enabled(); }

 private:
  TMenuItem* NewItem(const char* name, UINT stringId, WPARAM command);

  HWND dialog_;
  const TacSystemMenuState& state_;
};

// The caption of the string table's entry, or the system's English one where the program has none.
std::string SystemMenuCaption(UINT stringId);

}  // namespace sundrel
