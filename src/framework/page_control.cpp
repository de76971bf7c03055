#include "framework/page_control.h"

#include <commctrl.h>

#include <algorithm>

#include "base/utf.h"

namespace sundrel {

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
}

TTabSheet::~TTabSheet() {
  SetPageControl(nullptr);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) {
  if (pageControl == pageControl_) return;
  if (pageControl_ != nullptr) pageControl_->RemovePage(this);
  pageControl_ = pageControl;
  SetParent(pageControl);
  if (pageControl_ != nullptr) pageControl_->InsertPage(this);
}

int TTabSheet::PageIndex() const {
  if (pageControl_ == nullptr) return -1;
  const auto& pages = pageControl_->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::WndProc(TMessage& message) {
  TWinControl::WndProc(message);
  if (message.Msg == CM_TEXTCHANGED && pageControl_ != nullptr) pageControl_->UpdateTab(this);
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl() {
  // The pages are freed as children after this part of the control is gone.
  for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
}

namespace {

DWORD TabStyle(TTabPosition position, bool hotTrack) {
  DWORD style = hotTrack ? TCS_HOTTRACK : 0;
  switch (position) {
    case tpTop:
      break;
    case tpBottom:
      style |= TCS_BOTTOM;
      break;
    case tpLeft:
      style |= TCS_VERTICAL | TCS_MULTILINE;
      break;
    case tpRight:
      style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;
      break;
  }
  return style;
}

constexpr DWORD kTabStyleBits = TCS_HOTTRACK | TCS_BOTTOM | TCS_RIGHT | TCS_VERTICAL | TCS_MULTILINE;

}  // namespace

void TPageControl::CreateParams(TCreateParams& params) const {
  TWinControl::CreateParams(params);
  params.BaseClassName = WC_TABCONTROLW;
  params.Style |= WS_CLIPCHILDREN | TabStyle(tabPosition_, hotTrack_);
}

void TPageControl::SetTabPosition(TTabPosition position) {
  if (position == tabPosition_) return;
  tabPosition_ = position;
  ApplyStyle();
}

void TPageControl::SetHotTrack(bool hotTrack) {
  if (hotTrack == hotTrack_) return;
  hotTrack_ = hotTrack;
  ApplyStyle();
}

void TPageControl::ApplyStyle() {
  if (!HandleAllocated()) return;
  const LONG style = GetWindowLongW(Handle(), GWL_STYLE);
  SetWindowLongW(Handle(), GWL_STYLE, static_cast<LONG>((style & ~kTabStyleBits) | TabStyle(tabPosition_, hotTrack_)));
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  Realign();  // the pages' area moved with the tabs
  Invalidate();
}

RECT TPageControl::TabItemRect(int index) const {
  RECT r{};
  if (HandleAllocated() && index >= 0 && index < PageCount()) {
    SendMessageW(const_cast<TPageControl*>(this)->Handle(), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
  }
  return r;
}

int TPageControl::IndexOfTabAt(POINT point) const {
  if (!HandleAllocated()) return -1;
  TCHITTESTINFO hit{point, 0};
  return static_cast<int>(
      SendMessageW(const_cast<TPageControl*>(this)->Handle(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

bool TPageControl::CanChange() {
  bool allowChange = true;
  if (OnChanging) OnChanging(this, allowChange);
  return allowChange;
}

void TPageControl::CreateWnd() {
  TWinControl::CreateWnd();
  for (int i = 0; i < PageCount(); ++i) InsertTab(i);
  if (activePage_ != nullptr) SendMessageW(Handle(), TCM_SETCURSEL, activePage_->PageIndex(), 0);
}

void TPageControl::InsertTab(int index) {
  std::wstring caption = ToWide(pages_[static_cast<size_t>(index)]->Caption());
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = caption.data();
  SendMessageW(Handle(), TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
}

void TPageControl::UpdateTab(TTabSheet* page) {
  if (!HandleAllocated()) return;
  std::wstring caption = ToWide(page->Caption());
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = caption.data();
  SendMessageW(Handle(), TCM_SETITEMW, page->PageIndex(), reinterpret_cast<LPARAM>(&item));
  Realign();  // the tab rows may have changed
}

void TPageControl::InsertPage(TTabSheet* page) {
  pages_.push_back(page);
  if (HandleAllocated()) InsertTab(PageCount() - 1);
  if (activePage_ == nullptr) SetActivePage(page);
  Realign();
}

void TPageControl::RemovePage(TTabSheet* page) {
  const int index = page->PageIndex();
  pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
  if (HandleAllocated()) SendMessageW(Handle(), TCM_DELETEITEM, index, 0);
  if (activePage_ == page) {
    activePage_ = nullptr;
    if (!pages_.empty() && !IsDestroying()) SetActivePage(pages_.front());
  }
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page != nullptr && page->pageControl_ != this) return;
  ChangeActivePage(page);
  if (HandleAllocated() && page != nullptr) SendMessageW(Handle(), TCM_SETCURSEL, page->PageIndex(), 0);
}

void TPageControl::ChangeActivePage(TTabSheet* page) {
  if (page == activePage_) return;
  TTabSheet* previous = activePage_;
  activePage_ = page;
  if (page != nullptr) {
    page->Show();
    if (page->HandleAllocated()) {
      SetWindowPos(page->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  if (previous != nullptr) previous->Hide();
}

void TPageControl::SelectNextPage(bool forward) {
  if (pages_.empty()) return;
  const int count = PageCount();
  const int index = (ActivePageIndex() + (forward ? 1 : count - 1)) % count;
  SetActivePage(pages_[static_cast<size_t>(index)]);
  if (OnChange) OnChange(this);
}

void TPageControl::AdjustClientRect(RECT& rect) const {
  if (HandleAllocated()) {
    SendMessageW(const_cast<TPageControl*>(this)->Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
  } else {
    // A close guess until the window exists and measures its tabs.
    rect.left += 4;
    rect.top += 24;
    rect.right -= 4;
    rect.bottom -= 4;
  }
}

void TPageControl::AlignControls(RECT& rect) {
  for (TTabSheet* page : pages_) {
    page->SetBoundsFromParent(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  }
  TWinControl::AlignControls(rect);
}

void TPageControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
      if (header->code == TCN_SELCHANGE) {
        const auto index = SendMessageW(Handle(), TCM_GETCURSEL, 0, 0);
        if (index >= 0 && index < PageCount()) ChangeActivePage(pages_[static_cast<size_t>(index)]);
        if (OnChange) OnChange(this);
        message.Result = FALSE;
      } else {
        message.Result = header->code == TCN_SELCHANGING && !CanChange();  // TRUE keeps the page
      }
      return;
    }
    case CM_DIALOGKEY:
      if (message.WParam == VK_TAB && (KeyboardShiftState() & ssCtrl) != 0) {
        SelectNextPage((KeyboardShiftState() & ssShift) == 0);
        message.Result = 1;
        return;
      }
      break;
  }
  TWinControl::WndProc(message);
}

}  // namespace sundrel
