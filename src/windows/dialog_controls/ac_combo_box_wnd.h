// The combo box of a system dialog (and of a ComboBoxEx): its border from the "COMBOBOX" section,
// the drop-down button from "COMBOBTN" with the section's arrow, the edit part of a simple combo
// box, and a handler of its own for the list, made when the list first asks for its colours.
#pragma once

#include <memory>

#include "base/handles_win32.h"
#include "windows/dialog_controls/ac_combo_list_wnd.h"
#include "windows/handlers/ac_base_wnd.h"

namespace sundrel {

// The combo box has dropped its list down (CBN_DROPDOWN) and not yet closed it (CBN_CLOSEUP).
bool& ComboDroppedDown();

class TacComboBoxWnd : public TacEditWnd {
 public:
  using TacEditWnd::TacEditWnd;
  ~TacComboBoxWnd() override;

  // Where the drop-down button lies in the window; none for a simple combo box.
  virtual RECT ButtonRect() const;
  // 2 while the list shows, 1 focused or hot or hovered, else 0.
  int ButtonState() const;
  // The height of a simple combo box's edit part, border included.
  int EditPartHeight() const;

  HWND ListWindow = nullptr;
  std::unique_ptr<TacComboListWnd> ListHandler;

 protected:
  void WndProc(TMessage& message, const TPassOn& passOn) override;

 private:
  void PaintButton(HDC dc);
  void PaintButtonOnWindow();
  void PaintBorder();
  // The whole combo box into the context, as it looks now.
  void Print(HDC dc);
  // The cache painted anew: the whole window, or a simple combo box's edit part only.
  void PrepareCache();
  // A drop-down list's chosen text in the cache: on the highlight while focused.
  void PaintSelectedText();
  // Where a drop-down list's chosen text goes: inside the border, beside the button on either side.
  RECT TextArea() const;
  void MakeListHandler();
  void AnswerListColors(TMessage& message);
  bool SimpleStyle() const;
  bool DropDownListStyle() const;

  // The list's background brush: one for as long as the colour stays, not one per request.
  UniqueBrush listBrush_;
  TColor listBrushColor_ = clFuchsia;
};

}  // namespace sundrel
