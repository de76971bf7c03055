// The form skin provider: skins one framework form as a whole. It sees the form's messages
// first (through the form's hook chain; the form keeps its own layout, names and behaviour),
// paints the frame, title bar, icon, caption and caption buttons from the skin into the window
// the system made (frame widths, title height and client rectangle stay the system's), paints
// the client background, shapes the window region from the skin's corners, hit-tests and
// presses the caption buttons itself, and replaces the system menu by a skinned one.
//
// A form may declare one, or the automatic skinning makes one for a form that is already on the
// screen; it works the same either way. Its skin data answers the skin commands on the form's
// behalf: the form lends its whole window picture to its children.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/s_common_data.h"
#include "framework/forms.h"
#include "framework/label.h"
#include "framework/removal_token.h"
#include "skin/manager/form_provider_link_win32.h"
#include "windows/provider/ctrl_adapter.h"
#include "windows/provider/frame_parts.h"
#include "windows/provider/s_system_menu.h"
#include "windows/provider/title_bar_mouse.h"
#include "windows/provider/title_buttons.h"

namespace sundrel {

inline constexpr const char* SOnlyOneProvider = "Only one TsSkinProvider component is allowed!";

class TsSkinProvider : public TComponent,
                       public TacFormProviderLink,
                       public TacSkinDataWindowOwner,
                       public TacTitleBarMouse {
 public:
  // Serves the form that owns it, unless another provider serves that form already (then this
  // one stays inert).
  explicit TsSkinProvider(TComponent* owner);
  ~TsSkinProvider() override;

  // The form served, or nullptr for an inert provider.
  TCustomForm* Form() const { return form_; }

  TAlignment CaptionAlignment() const { return captionAlignment_; }
  void SetCaptionAlignment(TAlignment alignment);
  TsCommonData& SkinData() { return skinData_; }
  TsGripMode GripMode() const { return gripMode_; }
  void SetGripMode(TsGripMode mode);
  // The system menu lists the skins to change to.
  bool MakeSkinMenu() const { return makeSkinMenu_; }
  void SetMakeSkinMenu(bool make) { makeSkinMenu_ = make; }
  bool ShowAppIcon() const { return showAppIcon_; }
  void SetShowAppIcon(bool show);
  TsTitleButtons& TitleButtons() { return titleButtons_; }
  TsTitleIcon& TitleIcon() { return titleIcon_; }
  // The title bar's section; "FORMTITLE" when empty.
  const std::string& TitleSkin() const { return titleSkin_; }
  void SetTitleSkin(const std::string& section);
  // The form's colour follows the skin's global colour.
  bool UseGlobalColor() const { return useGlobalColor_; }
  void SetUseGlobalColor(bool use);
  TAddItemEvent OnSkinItem;

  TsSystemMenu* SystemMenu() const { return systemMenu_; }
  TacCtrlAdapter* Adapter() const { return adapter_.get(); }

  // TacFormProviderLink
  TsSkinManager* SkinManager() const override { return skinData_.GetSkinManager(); }
  void UpdateRegion() override;
  // TacSkinDataWindowOwner
  HWND SkinDataWindow() const override;

  // Whether the form is painted by the skin now.
  bool Skinned() const;
  // Readies the form for the skin: the system menu, the window style, indexes and colour.
  void PrepareForm();
  // Skins a form that is on the screen already: what loading does for a declared provider,
  // then every control of the form hears of the skin and the whole window is redrawn.
  void SkinShownForm();

  std::vector<TacCaptionButton> CaptionButtons() override;
  int ButtonsWidth();
  RECT IconRect();
  int TitleHitTest(POINT screen) override;

 protected:
  void Loaded() override;
  void BeforeDestruction() override;

 private:
  void WndProc(TMessage& message, const TPassOn& passOn);
  bool HandleSkinCommand(TMessage& message);
  bool IsOwnManager(LPARAM lParam) const;
  void OnSkinSet();
  void OnSkinRemoved();
  void OnRefresh();
  void UpdateIconIndexes();
  void UpdateFormColor();
  void SetSystemMenuStyle(bool on);
  void AdaptControls();
  void ActiveChanged(TMessage& message, const TPassOn& passOn);
  void CaptionChanged(TMessage& message, const TPassOn& passOn);
  // Lets the system do its work on the title bar while the cover hides what it draws there.
  void UnderCover(TMessage& message, const TPassOn& passOn);
  void Resized();
  void LimitMaximized(TMessage& message, const TPassOn& passOn);

  // provider_paint.cpp
  void PaintWindowImage();
  void PaintTitleIcon(TBitmap& cache);
  void PaintTitleButtons(TBitmap& cache);
  void PaintCaptionText(TBitmap& cache);
  bool GripCell(TRect& cell);
  void CopyFrameToWindow();
  void PaintClient(HDC dc);
  // Children that waited for a fresh picture of the form paint themselves now.
  void ReleaseWaitingChildren();
  // Rebuilds the picture when it is stale.
  void EnsurePicture();
  void RepaintFrame();

  // provider_mouse.cpp
  HWND TitleBarWindow() const override;
  TsSkinManager* TitleBarManager() const override { return SkinManager(); }
  void SystemHitTest(TMessage& message, const TPassOn& passOn) override;
  bool RepaintButtonAlone(int hitCode) override;
  void RepaintWholeFrame() override { RepaintFrame(); }
  void ShowSystemMenu(int x, int y) override;
  // Also where Alt+Space shows it.
  void ShowSystemMenuUnderIcon() override;
  void UpdateSystemMenu() override;
  bool CanToggleMaximized() override;
  void ExtraButtonDown(int hitCode, POINT screen) override;
  void ExtraButtonClicked(int hitCode, POINT screen) override;
  void OtherDoubleClick(TMessage& message, const TPassOn& passOn) override;
  TsTitleButton* TitleButtonOf(int hitCode);

  TCustomForm* form_ = nullptr;
  TsCommonData skinData_;
  TRemovalToken formHook_;
  size_t formListIndex_ = 0;

  TAlignment captionAlignment_ = taLeftJustify;
  TsGripMode gripMode_ = gmNone;
  bool makeSkinMenu_ = true;
  bool showAppIcon_ = true;
  bool useGlobalColor_ = true;
  std::string titleSkin_;
  TsTitleButtons titleButtons_;
  TsTitleIcon titleIcon_;

  TsSystemMenu* systemMenu_ = nullptr;
  std::unique_ptr<TacCtrlAdapter> adapter_;

  TacButtonMasks masks_;
  int titleButtonMask_ = -1;
  TacButtonsBackground buttonsBackground_;
  bool active_ = true;
  bool regionDirty_ = true;
  // The picture was rebuilt since children were last told: some may wait for it.
  bool childrenWaiting_ = false;
};

}  // namespace sundrel
