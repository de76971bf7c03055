// The list view of a system dialog (the file list): the border, background and bars of an edit
// field, the skin's colours for its items, and in report view a column header painted from the
// "COLHEADER" section ("BUTTON" in a skin without it), the pressed column pressed.
#pragma once

#include <memory>

#include "framework/window_subclass.h"
#include "windows/handlers/ac_base_wnd.h"

namespace sundrel {

class TacListViewWnd : public TacEditWnd {
 public:
  using TacEditWnd::TacEditWnd;
  ~TacListViewWnd() override;

  void SaveNativeParams() override;
  void RestoreNativeParams() override;
  void ApplySkinParams() override;

  // Report (details) view: the only one with a skinned header.
  bool ReportView() const;
  // Every column and the part right of the last one into the context.
  void PaintHeader(HDC dc);

  HWND HeaderWindow = nullptr;
  int PressedColumn = -1;

 protected:
  void BeforeAttach() override;
  void WndProc(TMessage& message, const TPassOn& passOn) override;

 private:
  void HookHeader(HWND header);
  void HeaderProc(TMessage& message, const TPassOn& passOn);
  void PaintColumn(HDC dc, const RECT& r, int item);
  void RepaintHeader();
  // Report view: the rows follow a thumb drag to the position.
  void FollowThumb(int position);

  std::unique_ptr<TWindowSubclass> headerHook_;
};

}  // namespace sundrel
