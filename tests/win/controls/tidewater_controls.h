// Skinned controls painted with the program's own skin: a form whose manager holds the stored
// "Tidewater (internal)", a "PANEL" over it with a cache of its own that lends its picture to
// its children, and a 113 x 25 "BUTTON" on the panel at (10, 20).
#pragma once

#include "framework/bitmap.h"
#include "skin/model/skin_model.h"
#include "skin_data_fixture.h"

namespace sundrel::testing {

// A manager on the form that holds and shows the program's own skin, its folder the given one.
TsSkinManager* TidewaterManager(TForm* form, const std::string& skinDirectory);

inline constexpr int kButtonLeft = 10, kButtonTop = 20, kButtonWidth = 113, kButtonHeight = 25;

class TidewaterControls : public FrameworkTest {
 protected:
  void SetUp() override;

  const SkinModel& Skin() const { return manager->Skin(); }
  // The "BUTTON" border image; the top-left pixel of its first cell is a hole.
  const TsMaskData& ButtonBorder() const;
  // The panel's finished picture, made of one colour.
  void FillParent(TColor colour);
  static TColor PixelOf(TBitmap& bitmap, int x, int y);

  FreshSlots fresh;
  test::TempDir folder;
  TForm* form = nullptr;
  TsSkinManager* manager = nullptr;
  TSkinnedPanel* parent = nullptr;
  TSkinnedPanel* button = nullptr;
};

}  // namespace sundrel::testing
