// The combo box of a system dialog (and of a ComboBoxEx): its border from the "COMBOBOX" section,
// the drop-down button from "COMBOBTN" with the section's arrow, and a handler of its own for the
// drop-down list, made when the list first asks for its colours.
#pragma once

#include <memory>

#include "base/handles_win32.h"
#include "windows/handlers/ac_base_wnd.h"

namespace sundrel {

// The combo box has dropped its list down (CBN_DROPDOWN) and not yet closed it (CBN_CLOSEUP).
bool& ComboDroppedDown();

// The drop-down list of a combo box: its border ring and skinned bars.
class TacComboListWnd : public TacEditWnd {
 public:
  using TacEditWnd::TacEditWnd;
  ~TacComboListWnd() override;

  bool ListShown = false;
  bool SimpleCombo = false;

 protected:
  void WndProc(TMessage& message, const TPassOn& passOn) override;
};

class TacComboBoxWnd : public TacEditWnd {
 public:
  using TacEditWnd::TacEditWnd;
  ~TacComboBoxWnd() override;

  // Where the drop-down button lies in the window; none for a simple combo box.
  virtual RECT ButtonRect() const;
  // 2 while the list shows, 1 focused or hot or hovered, else 0.
  int ButtonState() const;

  HWND ListWindow = nullptr;
  std::unique_ptr<TacComboListWnd> ListHandler;

 protected:
  void WndProc(TMessage& message, const TPassOn& passOn) override;

 private:
  void PaintButton(HDC dc);
  void PaintButtonOnWindow();
  void PaintBorder();
  void AnswerListColors(TMessage& message);
  bool SimpleStyle() const;

  // The list's background brush: one for as long as the colour stays, not one per request.
  UniqueBrush listBrush_;
  TColor listBrushColor_ = clFuchsia;
};

}  // namespace sundrel
