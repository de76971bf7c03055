#include "controls/page_geometry.h"

#include <utility>

namespace sundrel {

namespace {

void Inflate(TRect& r, int dx, int dy) {
  r.Left -= dx;
  r.Right += dx;
  r.Top -= dy;
  r.Bottom += dy;
}

void Move(TRect& r, int dx, int dy) {
  r.Left += dx;
  r.Right += dx;
  r.Top += dy;
  r.Bottom += dy;
}

}  // namespace

std::string EffectiveClientSection(const std::string& skinSection, TTabPosition position) {
  if (skinSection != kPageControlSection) return skinSection;
  static const char* const kSuffixes[] = {"", "BOTTOM", "LEFT", "RIGHT"};
  return skinSection + kSuffixes[position];
}

std::string TabSection(const std::string& tabSkin, TTabPosition position) {
  if (!tabSkin.empty()) return tabSkin;
  static const char* const kSections[] = {"TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT"};
  return kSections[position];
}

namespace {

// The control's area cut in two where the tabs end and the frame begins: the tab strip first.
std::pair<TRect, TRect> SplitAtTabs(const TRect& whole, const TRect& client, TTabPosition position) {
  TRect strip = whole, frame = whole;
  switch (position) {
    case tpTop:
      strip.Bottom = frame.Top = client.Top - 4;
      break;
    case tpBottom:
      strip.Top = frame.Bottom = client.Bottom + 1;
      break;
    case tpLeft:
      strip.Right = frame.Left = client.Left - 1;
      break;
    case tpRight:
      strip.Left = frame.Right = client.Right + 1;
      break;
  }
  return {strip, frame};
}

}  // namespace

TRect TabStripRect(const TRect& whole, const TRect& client, TTabPosition position, bool hasTabs) {
  return hasTabs ? SplitAtTabs(whole, client, position).first : whole;
}

TRect ClientFrameRect(const TRect& whole, const TRect& client, TTabPosition position, bool hasTabs) {
  return hasTabs ? SplitAtTabs(whole, client, position).second : whole;
}

TRect PaintedTabRect(TRect r, TTabPosition position, bool active) {
  if (r.IsEmpty()) return r;
  r.Bottom -= active ? 1 : -3;
  if (!active) r.Right -= 1;
  switch (position) {
    case tpTop:
      if (active) Inflate(r, 2, 2);
      r.Bottom += 1;
      break;
    case tpBottom:
      if (active) Inflate(r, 2, 1);
      r.Top -= 2;
      r.Bottom += active ? 1 : -3;
      break;
    case tpLeft:
      Inflate(r, 0, 1);
      if (active) {
        r.Right += 2;
        Inflate(r, 1, 1);
      } else {
        r.Right += 4;
        r.Bottom -= 4;
      }
      break;
    case tpRight:
      Inflate(r, 1, 0);
      Move(r, -1, -1);
      if (active) {
        Inflate(r, 1, 1);
        r.Bottom += 3;
      } else {
        r.Bottom -= 2;
      }
      break;
  }
  return r;
}

}  // namespace sundrel
