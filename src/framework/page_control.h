// Pages with tabs: wraps the system's tab control; each TTabSheet is one page, shown while its
// tab is selected.
#pragma once

#include <vector>

#include "framework/win_control.h"

namespace sundrel {

class TPageControl;

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

class TTabSheet : public TWinControl {
 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;

  TPageControl* PageControl() const { return pageControl_; }
  void SetPageControl(TPageControl* pageControl);
  int PageIndex() const;

 protected:
  void WndProc(TMessage& message) override;

 private:
  friend class TPageControl;

  enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
  TPageControl* pageControl_ = nullptr;
};

class TPageControl : public TWinControl {
 public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_.at(index); }
  TTabSheet* ActivePage() const { return activePage_; }
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const { return activePage_ != nullptr ? activePage_->PageIndex() : -1; }
  // The page after (or before) the active one, wrapping around; as Ctrl+Tab and Ctrl+Shift+Tab.
  void SelectNextPage(bool forward);

  TTabPosition TabPosition() const { return tabPosition_; }
  void SetTabPosition(TTabPosition position);
  // Tabs light up under the mouse.
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool hotTrack);
  // The tab's rectangle as the system lays it out (empty without a window or for no such tab),
  // and the tab under a point of the client area (-1 for none).
  RECT TabItemRect(int index) const;
  int IndexOfTabAt(POINT point) const;

  // Before the user's choice of another page takes effect: clearing allowChange keeps the page.
  std::function<void(TObject* sender, bool& allowChange)> OnChanging;
  // After the user chose another page.
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) const override;
  void CreateWnd() override;
  void AdjustClientRect(RECT& rect) const override;
  void AlignControls(RECT& rect) override;
  void WndProc(TMessage& message) override;
  // Whether the user's choice of another page may take effect (OnChanging).
  virtual bool CanChange();

 private:
  friend class TTabSheet;
  void ApplyStyle();
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void InsertTab(int index);
  void UpdateTab(TTabSheet* page);
  void ChangeActivePage(TTabSheet* page);

  std::vector<TTabSheet*> pages_;
  TTabSheet* activePage_ = nullptr;
  TTabPosition tabPosition_ = tpTop;
  bool hotTrack_ = false;
};

}  // namespace sundrel
