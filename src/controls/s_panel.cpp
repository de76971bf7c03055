#include "controls/s_panel.h"

#include "base/handles_win32.h"
#include "controls/cache_copy.h"
#include "controls/control_kinds.h"
#include "controls/control_skin.h"
#include "controls/skin_utilities.h"
#include "controls/skinned_text.h"

namespace sundrel {

TsPanel::TsPanel(TComponent* owner) : TPanel(owner), skinData_(this, true) {
  skinData_.ControlKind = kKindPanel;
  skinHook_ = skinData_.PlugInto(MessageHooks());
  skinData_.Loaded();
}

void TsPanel::Loaded() {
  TPanel::Loaded();
  skinData_.Loaded();
}

RECT TsPanel::CaptionRect() const {
  RECT r = ClientRect();
  // The framework panel has one bevel of one pixel and no border inside it.
  if (BevelOuter() != bvNone) InflateRect(&r, -1, -1);
  return r;
}

void TsPanel::BuildCache() {
  skinData_.PrepareCache();
  const TacParentImage parent = skinData_.GetParentImage();
  TBitmap& cache = *skinData_.CacheBmp();
  PaintControlSkin(skinData_, parent, false, false, cache, TPoint{Left(), Top()}, TRect{0, 0, Width(), Height()}, 0);
  DrawCaption(CaptionRect());
  if (OnPaint) OnPaint(this, cache.Canvas());
  skinData_.BGChanged = false;
}

void TsPanel::DrawCaption(RECT r) {
  const std::string caption = Caption();
  if (caption.empty()) return;
  TCanvas& canvas = skinData_.CacheBmp()->Canvas();
  canvas.Font().Assign(Font());
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  SIZE letter{};
  {
    SelectObjectGuard font(canvas.Handle(), Font().Handle());
    GetTextExtentPoint32W(canvas.Handle(), L"W", 1, &letter);
  }
  r.top = (r.top + r.bottom - letter.cy) / 2;
  r.bottom = r.top + letter.cy;
  // The framework panel always centres its caption.
  const UINT flags = DT_CENTER | DT_EXPANDTABS | DT_VCENTER | DT_NOPREFIX;
  DrawSkinnedText(canvas, caption, Enabled(), false, skinData_, flags, r);
}

void TsPanel::PaintFromCache(HDC dc, bool tellChildren) {
  if (IsDestroying() || Parent() == nullptr || Parent()->IsLoading() || !skinData_.IsSkinned()) return;
  skinData_.Updating = skinData_.MustRebuild();
  // The parent's update-ended command redraws the panel later.
  if (skinData_.Updating) return;
  const bool rebuild = skinData_.HalfVisible || skinData_.BGChanged;
  if (skinData_.NeedsParentImage()) {
    RECT clip{};
    GetClipBox(dc, &clip);
    const RECT whole{0, 0, Width(), Height()};
    skinData_.HalfVisible = !EqualRect(&clip, &whole);
  } else {
    skinData_.HalfVisible = false;
  }
  if (rebuild && !skinData_.ParentTransparent) BuildCache();
  const TRect whole{0, 0, Width(), Height()};
  TCacheCopy copy{whole};
  copy.Repair = true;
  CopyCacheToDC(this, skinData_, copy, dc, whole);
  PaintGraphicChildren(dc, this, POINT{0, 0});
  if (tellChildren) ChildrenUpdateEnded(this);
}

void TsPanel::PaintHandler(HDC dc) {
  if (skinData_.IsSkinned()) {
    PaintFromCache(dc, true);
    return;
  }
  PaintWindow(dc);
  if (OnPaint) {
    TCanvas canvas;
    canvas.SetHandle(dc);
    OnPaint(this, canvas);
  }
  PaintControls(dc);
}

void TsPanel::PrintUnskinned(HDC dc) {
  TBitmap picture(Width(), Height());
  OnPaint(this, picture.Canvas());
  BitBlt(dc, 0, 0, Width(), Height(), picture.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TsPanel::HandleSkinCommand(TMessage& message) {
  const auto isOwn = [&] {
    return message.LParam != 0 && reinterpret_cast<TsSkinManager*>(message.LParam) == skinData_.GetSkinManager();
  };
  switch (SkinCommandCode(message.WParam)) {
    case SMC_SKIN_SET:
      BroadcastToChildren(this, message);
      return;
    case SMC_SKIN_REMOVED:
      if (isOwn()) Invalidate();
      BroadcastToChildren(this, message);
      return;
    case SMC_REFRESH:
      BroadcastToChildren(this, message);
      if (isOwn() && HandleAllocated()) {
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      }
      return;
    default:
      break;
  }
  if (!CanRepaint(this) || !skinData_.IsSkinned()) return;
  switch (SkinCommandCode(message.WParam)) {
    case SMC_PARENT_UPDATED: {
      const bool wasStale = skinData_.MustRebuild();
      skinData_.Updating = false;
      if (wasStale) {
        RedrawWindow(Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
      }
      return;
    }
    case SMC_SET_PARENT_TRANSPARENT:
      if (skinData_.ParentTransparent) BuildCache();
      return;
    default:
      return;
  }
}

void TsPanel::WndProc(TMessage& message) {
  const bool skinned = skinData_.IsSkinned();
  switch (message.Msg) {
    case SM_SKINCMD:
      HandleSkinCommand(message);
      return;
    case WM_ERASEBKGND:
      // The cache covers every pixel; an erase first would only flicker.
      if (skinned || OnPaint) {
        message.Result = 1;
        return;
      }
      break;
    case WM_PRINT: {
      HDC dc = reinterpret_cast<HDC>(message.WParam);
      if (!skinned) {
        if (!OnPaint) break;
        PrintUnskinned(dc);
        return;
      }
      skinData_.Updating = false;
      if (skinData_.BGChanged) BuildCache();
      RepairCorners(skinData_, 0);
      PaintFromCache(dc, false);
      return;
    }
    case CM_VISIBLECHANGED:
      skinData_.BGChanged = true;
      skinData_.Updating = false;
      break;
    case CM_TEXTCHANGED:
      if (Parent() != nullptr) skinData_.Invalidate();
      break;
    case CM_ENABLEDCHANGED:
      skinData_.Invalidate();
      break;
    case WM_SETTEXT:
      TPanel::WndProc(message);
      if (skinned && message.LParam != 0 && *reinterpret_cast<const wchar_t*>(message.LParam) != L'\0') {
        skinData_.BGChanged = true;
        if (CanRepaint(this)) Invalidate();
      }
      return;
    case CM_MOUSEENTER:
      if (message.LParam == 0 && OnMouseEnter) OnMouseEnter(this);
      break;
    case CM_MOUSELEAVE:
      if (message.LParam == 0 && OnMouseLeave) OnMouseLeave(this);
      break;
    default:
      break;
  }
  TPanel::WndProc(message);
}

}  // namespace sundrel
