// The skinned page control: its messages, its picture and the page change.
#include "controls/s_page_control.h"

#include <commctrl.h>
#include <windowsx.h>

#include "controls/animate_control.h"
#include "controls/cache_copy.h"
#include "controls/control_kinds.h"
#include "controls/page_geometry.h"
#include "controls/skin_utilities.h"
#include "paint/dc_paint_win32.h"
#include "paint/dib_pixels_win32.h"
#include "paint/keyed_copy.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/section/section_paint.h"

namespace sundrel {

namespace {

TRect ToTRect(const RECT& r) {
  return TRect{r.left, r.top, r.right, r.bottom};
}

void ExcludeRect(HDC dc, const TRect& r) {
  if (!r.IsEmpty()) ExcludeClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
}

// Counts how deep the control is in its own messages; when the outermost one ends, a page change
// that was prepared but neither happened nor was vetoed is taken back, so that the control never
// stays without redrawing.
class MessageDepth {
 public:
  MessageDepth(int& depth, TsPageControl& control, void (TsPageControl::*atEnd)())
      : depth_(depth), control_(control), atEnd_(atEnd) {
    ++depth_;
  }
  ~MessageDepth() {
    if (--depth_ == 0) (control_.*atEnd_)();
  }
  MessageDepth(const MessageDepth&) = delete;
  MessageDepth& operator=(const MessageDepth&) = delete;

 private:
  int& depth_;
  TsPageControl& control_;
  void (TsPageControl::*atEnd_)();
};

}  // namespace

TsPageControl::TsPageControl(TComponent* owner) : TPageControl(owner), skinData_(this, true) {
  skinData_.ControlKind = kKindPageControl;
  skinHook_ = skinData_.PlugInto(MessageHooks());
  // Pages and their children borrow the picture before the control may have painted it.
  cacheHook_ = MessageHooks().Add([this](TMessage& message, const TPassOn& passOn) {
    if (message.Msg == SM_SKINCMD && SkinCommandCode(message.WParam) == SMC_GET_CACHE) EnsureCache();
    passOn(message);
  });
}

TsPageControl::~TsPageControl() {
  if (changePrepared_) CancelControlAnimation();
}

void TsPageControl::Loaded() {
  TPageControl::Loaded();
  skinData_.Loaded();
  if (ActivePage() != nullptr) RefreshViaForm(ActivePage());
}

std::string TsPageControl::EffectiveClientSection() const {
  return sundrel::EffectiveClientSection(skinData_.SkinSection(), TabPosition());
}

bool TsPageControl::IsSkinActive() const {
  return skinData_.IsSkinned(true);
}

bool TsPageControl::PaintsItself() const {
  return IsSkinActive() && !IsLoading() && Parent() != nullptr && !Parent()->IsDestroying();
}

bool TsPageControl::HasTabs() const {
  return PageCount() > 0;
}

TRect TsPageControl::WholeRect() const {
  return TRect{0, 0, Width(), Height()};
}

TRect TsPageControl::PagesRect() const {
  RECT r = ClientRect();
  AdjustClientRect(r);
  return ToTRect(r);
}

TRect TsPageControl::TabStripRect() const {
  return sundrel::TabStripRect(WholeRect(), PagesRect(), TabPosition(), HasTabs());
}

TRect TsPageControl::ClientFrameRect() const {
  return sundrel::ClientFrameRect(WholeRect(), PagesRect(), TabPosition(), HasTabs());
}

TRect TsPageControl::TabRect(int index, bool active) const {
  return PaintedTabRect(ToTRect(TabItemRect(index)), TabPosition(), active);
}

TsTabSheet* TsPageControl::SheetOfTab(int index) const {
  return index >= 0 && index < PageCount() ? dynamic_cast<TsTabSheet*>(Pages(index)) : nullptr;
}

void TsPageControl::EnsureCache() {
  if (!PaintsItself() || !HandleAllocated() || skinData_.MustRebuild()) return;
  const TBitmap* cache = skinData_.CacheBmp();
  const bool resized = cache == nullptr || cache->Width() != Width() || cache->Height() != Height();
  skinData_.PrepareCache();
  if (skinData_.BGChanged || resized) BuildCache();
}

void TsPageControl::BuildCache() {
  if (skinData_.CacheBmp() == nullptr || skinData_.CacheBmp()->Handle() == nullptr) return;
  if (HasTabs()) {
    FillTabStrip();
    const int active = ActivePageIndex();
    for (int i = 0; i < PageCount(); ++i) {
      if (i != active) PaintTab(i, 0);
    }
  }
  PaintClientFrame();
  skinData_.BGChanged = false;
}

void TsPageControl::FillTabStrip() {
  TBitmap& cache = *skinData_.CacheBmp();
  const TRect strip = ClipToSize(TabStripRect(), cache.Width(), cache.Height());
  if (strip.IsEmpty()) return;
  const TacParentImage parent = skinData_.GetParentImage();
  if (parent.Ready) {
    GdiFlush();
    CopyRectKeyed(PixelsOfDibSection(cache.Handle()), parent.Image, strip.Left, strip.Top, clNoKey,
                  TRect{parent.X + Left() + strip.Left, parent.Y + Top() + strip.Top,
                        parent.X + Left() + strip.Right - 1, parent.Y + Top() + strip.Bottom - 1});
  } else {
    FillRectSolid(cache.Canvas().Handle(), strip, GetParentColor(Parent()));
  }
}

void TsPageControl::PaintClientFrame() {
  TsSkinManager* manager = skinData_.GetSkinManager();
  const std::string section = EffectiveClientSection();
  const int skinIndex = manager->GetSkinIndex(section);
  const TRect frame = ClipToSize(ClientFrameRect(), Width(), Height());
  const TacParentImage parent = skinData_.GetParentImage();
  // Holes in the frame's border show the parent's colour where no parent picture lends its own.
  SlotScope keyFill(Shared().KeyFillColor, GetParentColor(Parent()));
  GdiFlush();
  PaintSection(manager->Skin(), {skinIndex, section},
               {PixelsOfDibSection(skinData_.CacheBmp()->Handle()), frame,
                TPoint{Left() + frame.Left, Top() + frame.Top}, 0, parent},
               false);
}

void TsPageControl::PaintControl(HDC dc) {
  skinData_.Updating = skinData_.MustRebuild();
  if (skinData_.Updating) return;
  UpdateArrows();
  TWinControl* parent = Parent();
  skinData_.BGChanged = skinData_.BGChanged || skinData_.HalfVisible || AskControl(parent, SMC_GET_HALF_VISIBLE);
  skinData_.HalfVisible =
      Left() < 0 || Top() < 0 || Left() + Width() > parent->ClientWidth() || Top() + Height() > parent->ClientHeight();
  EnsureCache();
  const int active = ActivePageIndex();
  const TRect activeRect = active >= 0 ? TabRect(active, true) : TRect{};
  {
    SavedDC saved(dc);
    ExcludeRect(dc, activeRect);
    CopyCacheToDC(this, skinData_, TCacheCopy{WholeRect()}, dc, WholeRect());
    PaintGraphicChildren(dc, this, POINT{0, 0});
    if (hotTab_ >= 0 && hotTab_ != active) PaintTabToDC(hotTab_, 1, dc);
  }
  if (active >= 0) PaintTabToDC(active, 2, dc);
}

void TsPageControl::WndProc(TMessage& message) {
  const MessageDepth depth(messageDepth_, *this, &TsPageControl::DropUnfinishedChange);
  switch (message.Msg) {
    case WM_PAINT:
      if (!PaintsItself()) break;
      if (message.WParam != 0) {
        PaintControl(reinterpret_cast<HDC>(message.WParam));
      } else {
        PaintScope paint(Handle());
        PaintControl(paint.get());
      }
      return;
    case WM_PRINTCLIENT:
      if (!PaintsItself()) break;
      PaintControl(reinterpret_cast<HDC>(message.WParam));
      return;
    case WM_ERASEBKGND:
      if (!PaintsItself()) break;
      message.Result = 1;  // the picture covers everything; erasing would only flicker
      return;
    case WM_MOUSEMOVE:
      TPageControl::WndProc(message);
      if (HotTrack() && PaintsItself()) {
        if (TsSkinManager* manager = skinData_.GetSkinManager()) manager->SetActiveControl(nullptr);
        TrackHotTab(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
      }
      return;
    case CM_MOUSELEAVE:
      TPageControl::WndProc(message);
      if (message.LParam == 0) SetHotTab(-1);
      return;
    case WM_STYLECHANGED:
      // The tabs moved to another side or changed their kind: the whole picture is another.
      skinData_.BGChanged = true;
      break;
    case TCM_SETITEMW:
    case TCM_INSERTITEMW:
    case TCM_DELETEITEM:
    case TCM_DELETEALLITEMS:
      // A tab was renamed, added or taken away: the tabs in the cached picture are out of date.
      skinData_.BGChanged = true;
      break;
    case TCM_SETCURSEL:
      TPageControl::WndProc(message);
      PageChanged();
      return;
    case CN_NOTIFY: {
      const UINT code = reinterpret_cast<const NMHDR*>(message.LParam)->code;
      if (code == TCN_SELCHANGING) {
        OnSelChanging(message);
        return;
      }
      if (code == TCN_SELCHANGE) {
        TPageControl::WndProc(message);
        PageChanged();
        if (std::exchange(changePrepared_, false)) AnimateChange();
        return;
      }
      break;
    }
    case SM_SKINCMD:
      TPageControl::WndProc(message);
      OnSkinCommand(message);
      return;
  }
  TPageControl::WndProc(message);
}

}  // namespace sundrel
