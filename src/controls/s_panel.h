// The skinned panel: its picture (the section, by default "PANEL", with the caption) is composed
// in the cache of its skin data and copied to the screen in one block, with its windowless
// children painted over it. Without a skin it is the plain framework panel.
#pragma once

#include <functional>

#include "controls/s_common_data.h"
#include "framework/panel.h"

namespace sundrel {

class TsPanel;
// Lets the program draw on the panel's picture: on the cache while skinned, so the drawing stays.
using TsPanelPaintEvent = std::function<void(TsPanel* sender, TCanvas& canvas)>;

class TsPanel : public TPanel {
 public:
  explicit TsPanel(TComponent* owner);

  TsCommonData& SkinData() { return skinData_; }

  // Composes the picture in the cache: the section at the panel's place in its parent, the
  // caption, then OnPaint.
  void BuildCache();
  // Shows the picture on the context, rebuilding it first when it is stale; with tellChildren the
  // windowed children hear that their parent is repainted.
  void PaintFromCache(HDC dc, bool tellChildren);

  TsPanelPaintEvent OnPaint;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  void WndProc(TMessage& message) override;
  void PaintHandler(HDC dc) override;
  void Loaded() override;

 private:
  void DrawCaption(RECT r);
  RECT CaptionRect() const;
  void HandleSkinCommand(TMessage& message);
  void PrintUnskinned(HDC dc);

  TsCommonData skinData_;
  TRemovalToken skinHook_;
};

}  // namespace sundrel
