// Menu items and the popup (context) menu that shows them.
#pragma once

#include <string>
#include <vector>

#include "framework/control.h"
#include "framework/menu_painter.h"
#include "framework/utility_window.h"

namespace sundrel {

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  // Frees the child items, whoever owns them.
  ~TMenuItem() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  // The caption "-" makes the item a separator line.
  bool IsLine() const { return caption_ == "-"; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked) { checked_ = checked; }
  // A checked radio item shows a bullet instead of a check mark.
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool radioItem) { radioItem_ = radioItem; }
  // The default item of a menu is shown in bold.
  bool Default() const { return default_; }
  void SetDefault(bool isDefault) { default_ = isDefault; }
  // The item starts a new column of its menu.
  bool Break() const { return break_; }
  void SetBreak(bool newColumn) { break_ = newColumn; }

  void Add(TMenuItem* item);
  // Puts the item among the children at the index (at the end when the index is past it).
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(index); }
  TMenuItem* Parent() const { return parent_; }
  int MenuIndex() const;
  // The identifier that the system's menu reports when this item is chosen.
  UINT Command() const { return command_; }
  TMenuItem* FindCommand(UINT command);

  virtual void Click();
  TNotifyEvent OnClick;

 private:
  std::string caption_;
  bool enabled_ = true;
  bool visible_ = true;
  bool checked_ = false;
  bool radioItem_ = false;
  bool default_ = false;
  bool break_ = false;
  TMenuItem* parent_ = nullptr;
  std::vector<TMenuItem*> items_;
  UINT command_;
};

class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(TComponent* owner);

  // The root item; the menu shows its children.
  TMenuItem* Items() const { return items_; }
  // When set, a control with this menu shows it on the context-menu request.
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }
  // The control that showed the menu last.
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* component) { popupComponent_ = component; }

  // While set, the items are owner-drawn, the painter gets the menu messages (see TMenuPainter)
  // and the menu opens without the system's animation, which would slide in a picture that the
  // painter has not drawn yet; without one the system draws them. The painter must outlive the menu or be
  // taken off first.
  TMenuPainter* Painter() const { return painter_; }
  void SetPainter(TMenuPainter* painter) { painter_ = painter; }

  // Shows the menu at a screen position and, when the user chooses an item, clicks it after
  // the menu has closed.
  virtual void Popup(int x, int y);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  // The menu messages that the owner window of the open menu gets; answers whether it used one.
  bool MenuMessage(TMessage& message);

  TMenuItem* items_;
  bool autoPopup_ = true;
  TComponent* popupComponent_ = nullptr;
  TMenuPainter* painter_ = nullptr;
  UtilityWindow window_;
};

}  // namespace sundrel
