// The skinned page control and its pages. The control keeps the framework page control's tab
// layout, page switching and keyboard, and paints itself from the skin: the pages' frame from
// the section of its tab position, each tab from its own section in the normal, hot or active
// state (the active one larger, over the frame), and a page change as a cross-fade when the skin
// manager animates page changes. A page has no picture of its own: it shows the part of the
// control's picture that lies under it and lends that part to its children.
#pragma once

#include <string>

#include "controls/s_common_data.h"
#include "controls/s_up_down.h"
#include "framework/bitmap.h"
#include "framework/component.h"
#include "framework/page_control.h"
#include "paint/geometry.h"

namespace sundrel {

class TsPageControl;
class TsTabSheet;

// A page's skin settings; they belong to the page control's picture, so changing one redraws it.
class TsTabSkinData : public TPersistent {
 public:
  explicit TsTabSkinData(TsTabSheet& sheet) : sheet_(sheet) {}
  bool CustomColor() const { return customColor_; }
  void SetCustomColor(bool custom);
  bool CustomFont() const { return customFont_; }
  void SetCustomFont(bool custom);
  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::string& section);

 private:
  void Changed();

  TsTabSheet& sheet_;
  bool customColor_ = false;
  bool customFont_ = false;
  std::string skinSection_;
};

class TsTabSheet : public TTabSheet {
 public:
  explicit TsTabSheet(TComponent* owner);

  TsTabSkinData& SkinData() { return skinData_; }
  // The section of this page's tab; empty: the one of the tab position.
  const std::string& TabSkin() const { return tabSkin_; }
  void SetTabSkin(const std::string& section);
  // The page control when it is a skinned one, else none.
  TsPageControl* SkinnedPageControl() const;

 protected:
  void WndProc(TMessage& message) override;
  void PaintHandler(HDC dc) override;

 private:
  // Whether the page shows the page control's picture now.
  bool ShowsSkin() const;
  bool HandleSkinCommand(TMessage& message);
  void AnswerParentImage();
  void ForwardToPageControl(TMessage& message);

  TsTabSkinData skinData_{*this};
  std::string tabSkin_;
};

class TsPageControl : public TPageControl {
 public:
  explicit TsPageControl(TComponent* owner);
  ~TsPageControl() override;

  TsCommonData& SkinData() { return skinData_; }
  const TsCommonData& SkinData() const { return skinData_; }
  // The section that frames the pages: SkinSection, or for "PAGECONTROL" the one of the tab
  // position.
  std::string EffectiveClientSection() const;
  // The tab under the mouse (-1: none); only tracked with HotTrack.
  int HotTab() const { return hotTab_; }

  // Where things are painted, in the control's coordinates.
  TRect TabStripRect() const;
  TRect ClientFrameRect() const;
  TRect TabRect(int index, bool active) const;

  // The picture under the pages is current (rebuilt when it must be and can be).
  void EnsureCache();
  // The skinned arrows that scroll tabs which do not fit, or none.
  TsUpDown* Arrows() const { return arrows_.get(); }

 protected:
  void WndProc(TMessage& message) override;
  void Loaded() override;

 private:
  bool IsSkinActive() const;
  bool PaintsItself() const;
  bool HasTabs() const;
  TRect WholeRect() const;
  TRect PagesRect() const;

  void PaintControl(HDC dc);
  void BuildCache();
  void FillTabStrip();
  void PaintClientFrame();

  // A tab in a state (0 normal, 1 hot, 2 active), composed in a bitmap of its painted size.
  void ComposeTab(int index, int state, TBitmap& picture);
  void DrawTabCaption(int index, int state, TBitmap& picture);
  // A normal or hot tab into the cache, or any tab onto a context; neither covers the frame
  // except the active tab.
  void PaintTab(int index, int state);
  void PaintTabToDC(int index, int state, HDC dc);
  int TabSectionIndex(int index) const;
  TsTabSheet* SheetOfTab(int index) const;

  void TrackHotTab(POINT point);
  void SetHotTab(int index);
  void PageChanged();
  void OnSkinCommand(const TMessage& message);

  bool AnimatesPageChanges() const;
  void OnSelChanging(TMessage& message);
  void AnimateChange();
  // The skinned arrows replace the system's while tabs on the top or bottom do not fit.
  void UpdateArrows();
  void ScrollTabsTo(int first);
  // Takes away a page change prepared for this control that neither happened nor was vetoed.
  void DropUnfinishedChange();

  TsCommonData skinData_;
  TRemovalToken skinHook_;
  TRemovalToken cacheHook_;
  TOwned<TsUpDown> arrows_;
  int hotTab_ = -1;
  int messageDepth_ = 0;
  bool changePrepared_ = false;
};

}  // namespace sundrel
