// The provider as a component: which form it serves, its properties, how it hears the form's
// messages, and its answers to the skin commands.
#include "windows/provider/s_skin_provider.h"

#include "controls/control_kinds.h"
#include "controls/skin_utilities.h"
#include "framework/application.h"
#include "paint/dib_pixels_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/model/skin_model.h"
#include "windows/provider/frame_geometry.h"
#include "windows/provider/frame_parts.h"
#include "windows/provider/title_cover.h"

namespace sundrel {

namespace {

constexpr const char* kFormSection = "FORM";

TCustomForm* OwnerForm(TComponent* owner) {
  for (TComponent* at = owner; at != nullptr; at = at->Owner()) {
    if (auto* form = dynamic_cast<TCustomForm*>(at)) return form;
  }
  return nullptr;
}

bool FormHasProvider(const TCustomForm& form, const TsSkinProvider* except) {
  for (int i = 0; i < form.ComponentCount(); ++i) {
    auto* other = dynamic_cast<TsSkinProvider*>(form.Components(i));
    if (other != nullptr && other != except && other->Form() == &form) return true;
  }
  return false;
}

}  // namespace

TsSkinProvider::TsSkinProvider(TComponent* owner) : TComponent(owner), skinData_(this, true) {
  skinData_.ControlKind = kKindFormProvider;
  skinData_.SetSkinSection(kFormSection);
  TCustomForm* form = OwnerForm(owner);
  if (form == nullptr || FormHasProvider(*form, this)) return;
  form_ = form;
  systemMenu_ = new TsSystemMenu(this, *form_);
  formHook_ = form_->MessageHooks().Add([this](TMessage& message, const TPassOn& passOn) { WndProc(message, passOn); });
  std::vector<TComponent*>& provided = Shared().FormsWithProvider;
  formListIndex_ = provided.size();
  provided.push_back(form_);
  const TsSkinManager* manager = SkinManager();
  if (manager != nullptr && manager->SkinData().Active) PrepareForm();
}

TsSkinProvider::~TsSkinProvider() = default;

void TsSkinProvider::BeforeDestruction() {
  TComponent::BeforeDestruction();
  if (form_ == nullptr) return;
  std::vector<TComponent*>& provided = Shared().FormsWithProvider;
  if (formListIndex_ < provided.size() && provided[formListIndex_] == form_) provided[formListIndex_] = nullptr;
  formHook_.Remove();
  adapter_.reset();
}

void TsSkinProvider::Loaded() {
  TComponent::Loaded();
  if (form_ == nullptr || !Skinned()) return;
  PrepareForm();
  AdaptControls();
}

HWND TsSkinProvider::SkinDataWindow() const {
  return form_ != nullptr && form_->HandleAllocated() ? form_->Handle() : nullptr;
}

bool TsSkinProvider::Skinned() const {
  return form_ != nullptr && !form_->IsDestroying() && skinData_.IsSkinned(true);
}

bool TsSkinProvider::IsOwnManager(LPARAM lParam) const {
  return lParam != 0 && reinterpret_cast<TsSkinManager*>(lParam) == SkinManager();
}

void TsSkinProvider::SetCaptionAlignment(TAlignment alignment) {
  captionAlignment_ = alignment;
  RepaintFrame();
}

void TsSkinProvider::SetShowAppIcon(bool show) {
  showAppIcon_ = show;
  RepaintFrame();
}

void TsSkinProvider::SetTitleSkin(const std::string& section) {
  titleSkin_ = section;
  RepaintFrame();
}

void TsSkinProvider::SetGripMode(TsGripMode mode) {
  gripMode_ = mode;
  RepaintFrame();
}

void TsSkinProvider::SetUseGlobalColor(bool use) {
  useGlobalColor_ = use;
  UpdateFormColor();
}

void TsSkinProvider::UpdateFormColor() {
  if (form_ == nullptr || !useGlobalColor_ || skinData_.CustomColor()) return;
  const TsSkinManager* manager = SkinManager();
  const bool skinned = Skinned() && form_->Enabled();
  form_->SetColor(skinned ? manager->GetGlobalColor() : clBtnFace);
}

void TsSkinProvider::SetSystemMenuStyle(bool on) {
  if (form_ == nullptr || !form_->HandleAllocated()) return;
  const HWND window = form_->Handle();
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const LONG wanted = on ? style | WS_SYSMENU : style & ~WS_SYSMENU;
  if (wanted != style) SetWindowLongW(window, GWL_STYLE, wanted);
}

void TsSkinProvider::PrepareForm() {
  if (form_ == nullptr) return;
  systemMenu_->UpdateItems();
  // The system would draw and answer its own caption buttons and system menu otherwise.
  if (Skinned()) SetSystemMenuStyle(false);
  skinData_.UpdateIndexes();
  UpdateIconIndexes();
  if (!form_->IsLoading() && !form_->IsDestroying()) UpdateFormColor();
}

void TsSkinProvider::UpdateIconIndexes() {
  const TsSkinManager* manager = SkinManager();
  masks_ = TacButtonMasks{};
  titleButtonMask_ = -1;
  if (manager == nullptr || manager->GetSkinIndex("GLOBALINFO") < 0) return;
  const bool fullCaption =
      (form_->BorderStyle() == bsSingle || form_->BorderStyle() == bsSizeable) && !IsToolWindow(*form_);
  masks_ = CaptionButtonMasks(*manager, skinData_.SkinIndex, skinData_.SkinSection(), fullCaption);
  titleButtonMask_ = manager->GetMaskIndexDirect("GLOBALINFO", "TITLEBUTTON");
  if (titleButtonMask_ < 0) {
    titleButtonMask_ = manager->GetMaskIndex(skinData_.SkinIndex, skinData_.SkinSection(), "TITLEBUTTON");
  }
  for (int i = 0; i < titleButtons_.Count(); ++i) {
    TsTitleButton& button = titleButtons_.Items(i);
    button.MaskIndex = button.UseSkinData ? titleButtonMask_ : -1;
  }
}

void TsSkinProvider::AdaptControls() {
  const TsSkinManager* manager = SkinManager();
  if (form_ == nullptr || manager == nullptr || (manager->SkinningRules() & srThirdParty) == 0) return;
  if (!adapter_) adapter_ = std::make_unique<TacCtrlAdapter>(*form_, OnSkinItem);
  adapter_->AdaptAll();
}

void TsSkinProvider::SkinShownForm() {
  if (form_ == nullptr || !Skinned()) return;
  PrepareForm();
  AdaptControls();
  regionDirty_ = true;
  skinData_.BGChanged = true;
  const TMessage refresh = SkinCommand(SMC_REFRESH, reinterpret_cast<LPARAM>(SkinManager()));
  BroadcastToChildren(form_, refresh);
  if (form_->HandleAllocated()) {
    UpdateRegion();
    RedrawWindow(form_->Handle(), nullptr, nullptr,
                 RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
}

void TsSkinProvider::OnSkinSet() {
  skinData_.UpdateIndexes();
  UpdateIconIndexes();
  SetSystemMenuStyle(false);
  regionDirty_ = true;
  AdaptControls();
}

void TsSkinProvider::OnSkinRemoved() {
  if (adapter_) adapter_->RemoveAll();
  if (useGlobalColor_ && !skinData_.CustomColor()) form_->SetColor(clBtnFace);
  SetSystemMenuStyle((form_->BorderIcons() & biSystemMenu) != 0);
  ForgetButtons();
  if (form_->HandleAllocated()) {
    SetWindowRgn(form_->Handle(), nullptr, FALSE);
    // The system draws its own frame again.
    SetWindowPos(form_->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void TsSkinProvider::OnRefresh() {
  skinData_.UpdateIndexes();
  UpdateIconIndexes();
  skinData_.BGChanged = true;
  regionDirty_ = true;
  AdaptControls();
  if (form_->HandleAllocated() && IsWindowVisible(form_->Handle())) {
    RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  }
}

// Commands that reach the form through BroadcastToForms have been passed on to its controls
// there already; the provider answers for the form alone.
bool TsSkinProvider::HandleSkinCommand(TMessage& message) {
  const int code = SkinCommandCode(message.WParam);
  switch (code) {
    case SMC_SKIN_SET:
    case SMC_SKIN_REMOVED:
    case SMC_REFRESH: {
      const bool own = IsOwnManager(message.LParam);
      skinData_.HandleMessage(message);
      if (!own) return true;
      if (code == SMC_SKIN_SET) OnSkinSet();
      if (code == SMC_SKIN_REMOVED) OnSkinRemoved();
      if (code == SMC_REFRESH) OnRefresh();
      return true;
    }
    case SMC_GET_PROVIDER:
      message.Result = reinterpret_cast<LRESULT>(static_cast<TComponent*>(this));
      return true;
    case SMC_GET_CACHE:
      if (!Skinned() || !form_->HandleAllocated()) return true;
      EnsurePicture();
      if (skinData_.CacheBmp()->Handle() != nullptr) {
        const POINT offset = ClientOffset(form_->Handle());
        Shared().ParentImage =
            TacParentImage{PixelsOfDibSection(skinData_.CacheBmp()->Handle()), offset.x, offset.y, true};
      }
      return true;
    case SMC_IS_SKINNED:
      message.LParam = 1;
      message.Result = 1;
      return true;
    case SMC_SET_UPDATING:
      skinData_.Updating = SkinCommandFlag(message.WParam) == 1;
      if (skinData_.Updating) skinData_.BGChanged = true;
      return true;
    case SMC_GET_BG_CHANGED:
      message.LParam = skinData_.BGChanged || !Skinned() ? 1 : 0;
      return true;
    case SMC_GET_BG_KIND: {
      const TsGeneralData* section = skinData_.Section();
      message.LParam = section != nullptr && section->GradientPercent + section->ImagePercent > 0 ? 1 : 0;
      message.Result = message.LParam;
      return true;
    }
    case SMC_GET_COLOR: {
      const TsGeneralData* section = skinData_.Section();
      Shared().BackFillColor = ColorToRGB(Skinned() && !skinData_.CustomColor() ? section->HotColor : form_->Color());
      message.Result = 1;
      return true;
    }
    case SMC_CONTROL_REFRESHED:
      if (adapter_ && Skinned()) adapter_->AdaptControl(reinterpret_cast<TControl*>(message.LParam));
      return true;
    case SMC_GET_APPLICATION:
      message.Result = reinterpret_cast<LRESULT>(Application);
      return true;
    case SMC_GET_CLIENT_OFFSET: {
      const POINT offset = form_->HandleAllocated() ? ClientOffset(form_->Handle()) : POINT{0, 0};
      message.Result = MAKELONG(offset.x, offset.y);
      return true;
    }
    default:
      return skinData_.HandleMessage(message);
  }
}

void TsSkinProvider::WndProc(TMessage& message, const TPassOn& passOn) {
  if (message.Msg == SM_SKINCMD) {
    if (!HandleSkinCommand(message)) passOn(message);
    return;
  }
  if (message.Msg == WM_CREATE) {
    passOn(message);
    PrepareForm();
    return;
  }
  if (!Skinned() || !form_->HandleAllocated()) {
    passOn(message);
    return;
  }
  if (HandleMouse(message, passOn)) return;
  switch (message.Msg) {
    case WM_NCPAINT:
      if (HasFrame(*form_)) {
        CopyFrameToWindow();
        return;
      }
      break;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_PAINT:
      if (message.WParam != 0) {
        PaintClient(reinterpret_cast<HDC>(message.WParam));
      } else {
        PaintScope paint(form_->Handle());
        PaintClient(paint.get());
      }
      return;
    case WM_PRINTCLIENT:
      PaintClient(reinterpret_cast<HDC>(message.WParam));
      return;
    case WM_NCACTIVATE:
      ActiveChanged(message, passOn);
      return;
    case WM_SETTEXT:
      CaptionChanged(message, passOn);
      return;
    case WM_ENABLE:
    case WM_SETICON:
      passOn(message);
      RepaintFrame();
      return;
    case WM_SIZE:
      passOn(message);
      Resized();
      return;
    case WM_GETMINMAXINFO:
      LimitMaximized(message, passOn);
      return;
    case WM_SYSCOMMAND: {
      // Alt+Space: without the system menu style the system would show nothing.
      if ((message.WParam & 0xFFF0) == SC_KEYMENU && message.LParam == VK_SPACE &&
          (form_->BorderIcons() & biSystemMenu) != 0) {
        ShowSystemMenuUnderIcon();
        return;
      }
      passOn(message);
      const WPARAM command = message.WParam & 0xFFF0;
      if (command == SC_MINIMIZE || command == SC_MAXIMIZE || command == SC_RESTORE) systemMenu_->UpdateItems();
      if (command == SC_MAXIMIZE || command == SC_RESTORE) SetHotButton(0);
      return;
    }
    default:
      break;
  }
  passOn(message);
}

void TsSkinProvider::ActiveChanged(TMessage& message, const TPassOn& passOn) {
  const bool active = message.WParam != 0;
  if (active != active_) skinData_.BGChanged = true;
  active_ = active;
  UnderCover(message, passOn);
  if (!adapter_) AdaptControls();
}

void TsSkinProvider::CaptionChanged(TMessage& message, const TPassOn& passOn) {
  if (!IsWindowVisible(form_->Handle())) {
    passOn(message);
    skinData_.BGChanged = true;
    return;
  }
  UnderCover(message, passOn);
}

void TsSkinProvider::UnderCover(TMessage& message, const TPassOn& passOn) {
  TacTitleCover* cover = IsWindowVisible(form_->Handle()) ? TacTitleCover::Instance() : nullptr;
  if (cover != nullptr) {
    EnsurePicture();
    const POINT offset = ClientOffset(form_->Handle());
    cover->ShowOver(form_->Handle(), *skinData_.CacheBmp(), RECT{0, 0, skinData_.CacheBmp()->Width(), offset.y});
  }
  passOn(message);
  // A new caption changes the picture: it is rebuilt now, after the system has stored the text.
  if (message.Msg == WM_SETTEXT) skinData_.BGChanged = true;
  RepaintFrame();
  if (cover != nullptr) cover->Conceal();
}

void TsSkinProvider::Resized() {
  skinData_.BGChanged = true;
  regionDirty_ = true;
  const TsGeneralData* section = skinData_.Section();
  if (section != nullptr && section->GradientPercent > 0) {
    // A gradient stretches with the window: every child stands on another part of it now.
    for (int i = 0; i < form_->ControlCount(); ++i) {
      SendSkinCommandToControl(form_->Controls(i), SMC_BG_CHANGED, 0, 1);
    }
  }
  UpdateRegion();
  RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TsSkinProvider::LimitMaximized(TMessage& message, const TPassOn& passOn) {
  auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
  info->ptMaxTrackSize = POINT{-1, -1};
  info->ptMaxPosition = POINT{-1, -1};
  passOn(message);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int frame = HasFrame(*form_) ? FrameWidth(*form_) : 0;
  if (info->ptMaxTrackSize.x == -1) info->ptMaxTrackSize.x = (work.right - work.left) + 2 * frame;
  if (info->ptMaxTrackSize.y == -1) info->ptMaxTrackSize.y = (work.bottom - work.top) + 2 * frame;
  if (info->ptMaxPosition.x == -1) info->ptMaxPosition.x = -frame;
  if (info->ptMaxPosition.y == -1) info->ptMaxPosition.y = -frame;
}

}  // namespace sundrel
