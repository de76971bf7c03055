#include "windows/provider/s_system_menu.h"

#include <algorithm>
#include <vector>

#include "skin/manager/skin_manager_win32.h"
#include "windows/provider/frame_geometry.h"

namespace sundrel {

namespace {

constexpr const char* kSkinItemsName = "SkinSelectItem";

std::string WithoutAmpersands(std::string caption) {
  caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
  return caption;
}

}  // namespace

TsSystemMenu::TsSystemMenu(TComponent* owner, TCustomForm& form) : TPopupMenu(owner), form_(form) {
  ItemRestore = NewItem("ItemRestore", SRestore, SC_RESTORE);
  ItemMove = NewItem("ItemMove", SMove, SC_MOVE);
  ItemSize = NewItem("ItemSize", SSize, SC_SIZE);
  ItemMinimize = NewItem("ItemMinimize", SMinimize, SC_MINIMIZE);
  ItemMaximize = NewItem("ItemMaximize", SMaximize, SC_MAXIMIZE);
  NewItem("", "-", 0);
  ItemClose = NewItem("ItemClose", SClose, SC_CLOSE);
  UpdateItems();
}

TMenuItem* TsSystemMenu::NewItem(const std::string& name, const std::string& caption, WPARAM command) {
  auto* item = new TMenuItem(this);
  item->SetName(name);
  item->SetCaption(caption);
  if (command != 0) item->OnClick = [this, command](TObject*) { SystemCommand(command); };
  Items()->Add(item);
  return item;
}

void TsSystemMenu::SystemCommand(WPARAM command) {
  // The form itself decides: the main form minimizes the whole program, a close asks first.
  SendMessageW(form_.Handle(), WM_SYSCOMMAND, command, 0);
  if (command != SC_MOVE && command != SC_SIZE && command != SC_CLOSE) UpdateItems();
}

void TsSystemMenu::UpdateItems() {
  const bool window = form_.HandleAllocated();
  const bool minimized = window && IsIconic(form_.Handle());
  const bool maximized = window && IsZoomed(form_.Handle());
  const TFormBorderStyle border = form_.BorderStyle();
  const bool toolWindow = IsToolWindow(form_);
  const bool systemMenu = (form_.BorderIcons() & biSystemMenu) != 0;
  const bool minimizeIcon = (form_.BorderIcons() & biMinimize) != 0;
  const bool maximizeIcon = (form_.BorderIcons() & biMaximize) != 0;
  const bool singleOrSizeable = (border == bsSingle || border == bsSizeable) && !toolWindow;

  ItemRestore->SetVisible(systemMenu && singleOrSizeable);
  ItemRestore->SetEnabled(minimized || (maximized && maximizeIcon));
  ItemMove->SetEnabled(!maximized);
  ItemSize->SetVisible(border == bsSingle || border == bsSizeable);
  ItemSize->SetEnabled(border != bsSingle && !minimized);
  ItemMinimize->SetVisible(minimized || (systemMenu && singleOrSizeable && (border != bsSingle || minimizeIcon)));
  ItemMinimize->SetEnabled(minimizeIcon && !minimized);
  ItemMaximize->SetVisible(minimized || (systemMenu && maximizeIcon && singleOrSizeable));
  ItemMaximize->SetEnabled(!maximized && singleOrSizeable && maximizeIcon);
  ItemClose->SetVisible(systemMenu);
}

TMenuItem* TsSystemMenu::SkinItems() const {
  for (int i = 0; i < Items()->Count(); ++i) {
    if (Items()->Items(i)->Name() == kSkinItemsName) return Items()->Items(i);
  }
  return nullptr;
}

void TsSystemMenu::RemoveSkinItems() {
  TMenuItem* skins = SkinItems();
  if (skins == nullptr) return;
  // The line under the submenu goes with it.
  const int line = skins->MenuIndex() + 1;
  if (line < Items()->Count() && Items()->Items(line)->IsLine()) Items()->Items(line)->Free();
  skins->Free();
}

void TsSystemMenu::UpdateSkinItems(TsSkinManager* manager) {
  RemoveSkinItems();
  if (manager == nullptr) return;
  std::vector<std::string> names;
  manager->GetSkinNames(names, SkinListFilter::All);
  auto* skins = new TMenuItem(this);
  skins->SetName(kSkinItemsName);
  skins->SetCaption(SAvailableSkins);
  for (size_t i = 0; i < names.size(); ++i) {
    auto* item = new TMenuItem(this);
    item->SetName(kSkinItemsName + std::to_string(i));
    item->SetCaption(names[i]);
    item->SetRadioItem(true);
    item->SetChecked(names[i] == manager->SkinName());
    item->SetBreak(i > 0 && i % kSkinsPerColumn == 0);
    item->OnClick = [manager, item](TObject*) { manager->SetSkinName(WithoutAmpersands(item->Caption())); };
    skins->Add(item);
  }
  auto* line = new TMenuItem(this);
  line->SetCaption("-");
  Items()->Insert(0, line);
  Items()->Insert(0, skins);
}

}  // namespace sundrel
