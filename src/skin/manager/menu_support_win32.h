// The skin manager's menu settings: the section behind the menus' icon column and the optional
// extra band at the left of popup menus.
#pragma once

#include <memory>
#include <string>

namespace sundrel {

class TFont;

class TacMenuSupport {
 public:
  TacMenuSupport();
  ~TacMenuSupport();
  TacMenuSupport(const TacMenuSupport&) = delete;
  TacMenuSupport& operator=(const TacMenuSupport&) = delete;

  // Section painted as a column behind the item glyphs; "ICOLINE" when empty after loading.
  std::string IcoLineSkin;
  bool UseExtraLine = false;
  int ExtraLineWidth = 32;

  // The font of the band's vertical text.
  TFont& ExtraLineFont() { return *extraLineFont_; }
  // Copies the font.
  void SetExtraLineFont(const TFont& font);

 private:
  std::unique_ptr<TFont> extraLineFont_;
};

}  // namespace sundrel
