// Pages with tabs: wraps the system's tab control; each TTabSheet is one page, shown while its
// tab is selected.
#pragma once

#include <vector>

#include "framework/win_control.h"

namespace sundrel {

class TPageControl;

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

  // After the user chose another page.
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) const override;
  void CreateWnd() override;
  void AdjustClientRect(RECT& rect) const override;
  void AlignControls(RECT& rect) override;
  void WndProc(TMessage& message) override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void InsertTab(int index);
  void UpdateTab(TTabSheet* page);
  void ChangeActivePage(TTabSheet* page);

  std::vector<TTabSheet*> pages_;
  TTabSheet* activePage_ = nullptr;
};

}  // namespace sundrel
