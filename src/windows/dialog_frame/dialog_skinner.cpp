#include "windows/dialog_frame/dialog_skinner.h"

#include <windows.h>

#include "controls/s_common_data.h"
#include "framework/message_box.h"
#include "skin/manager/skin_command_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "windows/auto/ac_provider.h"
#include "windows/dialog_frame/ac_dialog_wnd.h"
#include "windows/dialog_frame/dialog_children.h"

namespace sundrel {

namespace {

// A dialog with this many drop-down lists keeps a part of its client area painted by itself.
constexpr int kThreeDropDownLists = 3;

// A dialog that made its scroll bars flat gets the plain ones back, which the skinned bars are
// drawn over. Looked up when first needed: the compiler's import library of comctl32 lacks it.
void UninitializeFlatScrollBars(HWND dialog) {
  using TUninitializeFlatSB = HRESULT(WINAPI*)(HWND);
  static const TUninitializeFlatSB uninitialize = [] {
    HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
    if (comctl == nullptr) comctl = LoadLibraryW(L"comctl32.dll");
    FARPROC found = comctl != nullptr ? GetProcAddress(comctl, "UninitializeFlatSB") : nullptr;
    return reinterpret_cast<TUninitializeFlatSB>(reinterpret_cast<void*>(found));
  }();
  if (uninitialize != nullptr) uninitialize(dialog);
}

void MoveToWishedPosition(HWND dialog) {
  const POINT wished = MessageBoxPosition();
  if (wished.x == -1 && wished.y == -1) return;
  RECT bounds{};
  GetWindowRect(dialog, &bounds);
  SetWindowPos(dialog, nullptr, wished.x != -1 ? wished.x : bounds.left, wished.y != -1 ? wished.y : bounds.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOOWNERZORDER | SWP_NOACTIVATE);
}

}  // namespace

bool SkinSystemDialog(TacDialogProvider& provider) {
  TsSkinManager* manager = DefaultManager();
  if (provider.DialogHandler() != nullptr || manager == nullptr || !manager->SkinData().Active) return true;
  const HWND dialog = provider.DialogHandle();
  UninitializeFlatScrollBars(dialog);
  auto owned = std::make_unique<TacDialogWnd>(dialog, provider);
  TacDialogWnd& handler = *owned;
  handler.Create(false);
  provider.SetDialogHandler(std::move(owned));
  MoveToWishedPosition(dialog);
  const TacScanResult scan = ScanDialogChildren(provider);
  if (scan.LeaveNative) return false;
  handler.SetUp();
  if (provider.DialogMode == 3) {
    handler.SkinData()->SetSkinSection("FORM");
    handler.SkinData()->UpdateIndexes();
  }
  if (scan.DropDownLists == kThreeDropDownLists) provider.DialogMode = 1;
  SendSkinCommand(dialog, SMC_SKIN_SET, reinterpret_cast<LPARAM>(manager));
  // The dialog may be on the screen already with the system's frame.
  SetWindowPos(dialog, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  return true;
}

TRemovalToken SkinSystemDialogs() {
  return RegisterDialogSkinner(&SkinSystemDialog);
}

}  // namespace sundrel
