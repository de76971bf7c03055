#include "preview.h"

#include <algorithm>
#include <sstream>

namespace tidewater {

namespace {

struct Box {
  int l, t, r, b;
  int Width() const { return r - l; }
  int Height() const { return b - t; }
};

Rgb FromBgr(long value) {
  return {float(value & 0xFF), float((value >> 8) & 0xFF), float((value >> 16) & 0xFF)};
}

struct Step {
  Rgb from, to;
  int percent, direction;
};

std::vector<Step> ParseGradient(const std::string& text) {
  std::vector<long> fields;
  std::stringstream parts(text);
  for (std::string field; std::getline(parts, field, ';');) {
    if (!field.empty()) fields.push_back(std::stol(field));
  }
  std::vector<Step> steps;
  for (size_t i = 0; i + 5 <= fields.size(); i += 5) {
    steps.push_back(
        {FromBgr(fields[i]), FromBgr(fields[i + 1]), int(std::min(fields[i + 2], 100L)), int(fields[i + 3])});
  }
  return steps;
}

enum class Zone { First, Middle, Last, None };

// One axis of a nine-part border: where a target position takes its source from. The first
// and last strips are placed, the middle is tiled from its start (or stretched); a middle with
// nothing to tile gives None.
struct Axis {
  int first, last, cellStart, cellSize, targetSize;
  bool stretch;

  Zone Map(int at, int& source) const {
    if (at < first) {
      source = cellStart + at;
      return Zone::First;
    }
    if (at >= targetSize - last) {
      source = cellStart + cellSize - (targetSize - at);
      return Zone::Last;
    }
    const int middle = std::max(0, cellSize - first - last);
    if (middle == 0) return Zone::None;
    const int along = at - first, length = targetSize - first - last;
    source = cellStart + first + (stretch ? along * middle / length : along % middle);
    return Zone::Middle;
  }
};

class Scene {
 public:
  Scene(const Sections& sections, const std::vector<ImageRef>& refs, const Picture& master, int width, int height)
      : canvas(width, height), sections_(sections), refs_(refs), master_(master) {}

  Picture canvas;

  void Fill(Box box, Rgb colour) {
    for (int y = box.t; y < box.b; ++y) {
      for (int x = box.l; x < box.r; ++x) canvas.Set(x, y, colour);
    }
  }

  // Background and border of a section, as a control paints its whole picture.
  void Control(Box box, const std::string& section, int state, bool fillCentre = true) {
    const Picture parent = canvas;
    Background(box, section, state);
    if (const ImageRef* border = Ref(section, "BORDERSMASK")) Border(box, *border, state, fillCentre, parent);
  }

  void Background(Box box, const std::string& section, int state) {
    const bool hot = state != 0;
    const Rgb colour = FromBgr(Int(section, hot ? "HOTCOLOR" : "COLOR", 16777215));
    const int transparency = Int(section, hot ? "HOTTRANSPARENCY" : "TRANSPARENCY", 0);
    const int gradientPercent = Int(section, hot ? "HOTGRADIENTPERCENT" : "GRADIENTPERCENT", 0);
    const std::vector<Step> steps = ParseGradient(Value(section, hot ? "HOTGRADIENTDATA" : "GRADIENTDATA"));
    for (int y = box.t; y < box.b; ++y) {
      for (int x = box.l; x < box.r; ++x) {
        Rgb own = colour;
        if (gradientPercent > 0 && !steps.empty()) {
          own = Mix(colour, GradientAt(steps, box, x, y), std::min(gradientPercent, 100) / 100.0f);
        }
        canvas.Set(x, y, Mix(own, canvas.Get(x, y), transparency / 100.0f));
      }
    }
    const ImageRef* pattern = Ref(section, "PATTERN");
    if (state == 0 && pattern != nullptr && pattern->form == '~' && pattern->maskType == 1) {
      for (int y = box.t; y + pattern->CellHeight() <= box.b; y += pattern->CellHeight()) {
        for (int x = box.l; x < box.r; x += pattern->CellWidth()) Cell(*pattern, 0, x, y, false, box);
      }
    }
  }

  // The nine-part border painter: corners placed, edges and centre tiled from their start (or
  // stretched, for borders without a mask), the mask blended in, holes showing the parent.
  void Border(Box box, const ImageRef& ref, int state, bool fillCentre, const Picture& parent) {
    Border(box, ref, state, fillCentre, parent, master_);
  }

  // For a bitmap of its own ("!"): the whole bitmap, centre tiled, strips a third of a cell.
  void Border(Box box, const ImageRef& ref, int state, bool fillCentre, const Picture& parent, const Picture& source) {
    const bool own = ref.form == '!';
    const int mode = own ? 4 : ref.value[45] - '0';
    if (state == 0 && (mode & 2)) return;
    const int cw = ref.CellWidth(), ch = ref.CellHeight();
    int wl = own ? 0 : Field(ref, 22), wt = own ? 0 : Field(ref, 27), wr = own ? 0 : Field(ref, 32),
        wb = own ? 0 : Field(ref, 37);
    if (wl + wt + wr + wb == 0) {
      const int width = own ? 0 : ref.value[47] - '0';
      wl = wr = width != 0 ? width : cw / 3;
      wt = wb = width != 0 ? width : ch / 3;
    }
    Fit(box.Width(), wl, wr);
    Fit(box.Height(), wt, wb);
    const int sx = ref.left + std::min(state, ref.imageCount - 1) * cw, sy = ref.top;
    const bool stretch = (mode & 1) && ref.maskType == 0;
    const Axis across{wl, wr, sx, cw, box.Width(), stretch}, down{wt, wb, sy, ch, box.Height(), stretch};
    for (int y = box.t; y < box.b; ++y) {
      int srcY;
      const Zone row = down.Map(y - box.t, srcY);
      if (row == Zone::None) continue;
      for (int x = box.l; x < box.r; ++x) {
        int srcX;
        const Zone column = across.Map(x - box.l, srcX);
        if (column == Zone::None) continue;
        const bool left = column == Zone::First, right = column == Zone::Last;
        const bool top = row == Zone::First, bottom = row == Zone::Last;
        const bool corner = (left || right) && (top || bottom);
        const bool centre = !(left || right || top || bottom);
        if (centre && !(fillCentre && (mode & 4))) continue;
        if (source.IsFuchsia(srcX, srcY)) {
          if (corner) canvas.Set(x, y, parent.Get(x, y));
          if (ref.maskType == 0) continue;
        }
        Put(x, y, source, srcX, srcY, ref.maskType == 1 ? int(source.Get(srcX, srcY + ch).r) : 0);
      }
    }
  }

  // One cell of a glyph at (x, y); faded glyphs (inactive windows) are paler.
  void Cell(const ImageRef& ref, int state, int x, int y, bool faded, Box clip = {0, 0, 1 << 20, 1 << 20}) {
    const int cw = ref.CellWidth(), ch = ref.CellHeight();
    const int sx = ref.left + std::min(state, ref.imageCount - 1) * cw;
    for (int j = 0; j < ch; ++j) {
      for (int i = 0; i < cw; ++i) {
        if (x + i >= clip.r || y + j >= clip.b || master_.IsFuchsia(sx + i, ref.top + j)) continue;
        int mask = ref.maskType == 1 ? int(master_.Get(sx + i, ref.top + j + ch).r) : 0;
        if (faded) mask = std::min(255, mask + 100);
        Put(x + i, y + j, master_, sx + i, ref.top + j, mask);
      }
    }
  }

  void Glyph(const std::string& section, const std::string& key, int state, int x, int y, bool faded = false) {
    if (const ImageRef* ref = Ref(section, key)) Cell(*ref, state, x, y, faded);
  }

  // Text stands in as a bar of the section's text colour, centred in the box.
  void Text(Box box, const std::string& section, int state, int width) {
    const Rgb colour = FromBgr(Int(section, state != 0 ? "HOTFONTCOLOR" : "FONTCOLOR", 0));
    const int l = box.l + (box.Width() - width) / 2, t = box.t + (box.Height() - 5) / 2;
    const long shadow = Int(section, state != 0 ? "HOTTCBOTTOM" : "TCBOTTOM", -1);
    if (shadow != -1) Fill({l, t + 1, l + width, t + 6}, FromBgr(shadow));
    Fill({l, t, l + width, t + 5}, colour);
  }

  const ImageRef* Ref(const std::string& section, const std::string& key) const {
    for (const ImageRef& ref : refs_) {
      if (ref.section == section && ref.key == key) return &ref;
    }
    const std::string parent = Value(section, "PARENTCLASS", false);
    return parent.empty() || parent == section ? nullptr : Ref(parent, key);
  }

 private:
  static void Fit(int size, int& first, int& last) {
    if (size >= first + last) return;
    const int excess = (first + last - size) / 2;
    first = std::max(0, first - excess);
    last = std::max(0, last - excess - (size % 2));
  }

  static int Field(const ImageRef& ref, size_t position) { return std::stoi(ref.value.substr(position - 1, 4)); }

  // The mask blend of the engine: black shows the image, white what lies below.
  void Put(int x, int y, const Picture& source, int srcX, int srcY, int mask) {
    const Rgb s = source.Get(srcX, srcY), d = canvas.Get(x, y);
    auto blend = [mask](float sv, float dv) { return float((int((dv - sv) * mask) + int(sv) * 256) >> 8); };
    canvas.Set(x, y, {blend(s.r, d.r), blend(s.g, d.g), blend(s.b, d.b)});
  }

  Rgb GradientAt(const std::vector<Step>& steps, Box box, int x, int y) const {
    const bool vertical = steps.front().direction == 0;
    const int extent = vertical ? box.Height() : box.Width(), at = vertical ? y - box.t : x - box.l;
    int start = 0;
    for (size_t i = 0; i < steps.size(); ++i) {
      const bool last = i + 1 == steps.size();
      const int end = last ? extent - 1 : std::min(extent - 1, start + steps[i].percent * extent / 100);
      if (at <= end && end > start) return Mix(steps[i].from, steps[i].to, float(at - start) / float(end - start));
      if (at <= end) return steps[i].from;
      start = end;
    }
    return steps.back().to;
  }

  std::string Value(const std::string& section, const std::string& key, bool inherit = true) const {
    const auto found = sections_.find(section);
    if (found != sections_.end()) {
      const auto value = found->second.find(key);
      if (value != found->second.end() && value->second != "-1") return value->second;
      const auto parent = found->second.find("PARENTCLASS");
      if (inherit && parent != found->second.end() && parent->second != section) return Value(parent->second, key);
    }
    return {};
  }

  long Int(const std::string& section, const std::string& key, long fallback) const {
    const std::string value = Value(section, key);
    return value.empty() ? fallback : std::stol(value);
  }

  const Sections& sections_;
  const std::vector<ImageRef>& refs_;
  const Picture& master_;
};

void DrawWindow(Scene& scene, Box window, bool active) {
  scene.Control(window, "FORM", active ? 1 : 0, false);
  const Box title{window.l, window.t, window.r, window.t + 22};
  scene.Control(title, "FORMTITLE", active ? 1 : 0, false);
  scene.Text({title.l + 8, title.t + 2, title.l + 8 + 60, title.b}, "FORMTITLE", active ? 1 : 0, 56);
  int x = window.r - 3 - 1;
  for (const char* button : {"BICONCLOSE", "BICONMAX", "BICONMIN"}) {
    x -= 21;
    scene.Glyph("GLOBALINFO", button, std::string(button) == "BICONCLOSE" && active ? 1 : 0, x, window.t + 1, !active);
    x -= 1;
  }
}

void DrawScrollBar(Scene& scene, Box bar, bool vertical, int thumbStart, int thumbSize, int hotPart) {
  const std::string track1 = vertical ? "SCROLLBAR1V" : "SCROLLBAR1H",
                    track2 = vertical ? "SCROLLBAR2V" : "SCROLLBAR2H";
  const int split = thumbStart + thumbSize / 2;
  if (vertical) {
    scene.Control({bar.l, bar.t, bar.r, split}, track1, 0);
    scene.Control({bar.l, split, bar.r, bar.b}, track2, 0);
  } else {
    scene.Control({bar.l, bar.t, split, bar.b}, track1, 0);
    scene.Control({split, bar.t, bar.r, bar.b}, track2, 0);
  }
  const int size = 17;
  const Box first = vertical ? Box{bar.l, bar.t, bar.r, bar.t + size} : Box{bar.l, bar.t, bar.l + size, bar.b};
  const Box second = vertical ? Box{bar.l, bar.b - size, bar.r, bar.b} : Box{bar.r - size, bar.t, bar.r, bar.b};
  const Box thumb = vertical ? Box{bar.l, thumbStart, bar.r, thumbStart + thumbSize}
                             : Box{thumbStart, bar.t, thumbStart + thumbSize, bar.b};
  const std::string firstButton = vertical ? "SCROLLBTNTOP" : "SCROLLBTNLEFT";
  const std::string secondButton = vertical ? "SCROLLBTNBOTTOM" : "SCROLLBTNRIGHT";
  const std::string slider = vertical ? "SCROLLSLIDERV" : "SCROLLSLIDERH";
  const std::pair<Box, std::string> parts[] = {{first, firstButton}, {second, secondButton}, {thumb, slider}};
  for (int i = 0; i < 3; ++i) {
    const auto& [box, section] = parts[i];
    const int state = hotPart == i ? 1 : hotPart == i + 3 ? 2 : 0;
    scene.Control(box, section, state);
    if (const ImageRef* glyph = scene.Ref(section, "GLYPHMASK")) {
      scene.Cell(*glyph, state, box.l + (box.Width() - glyph->CellWidth()) / 2,
                 box.t + (box.Height() - glyph->CellHeight()) / 2, false);
    }
  }
}

}  // namespace

Picture DrawPreview(const Sections& sections, const std::vector<ImageRef>& refs, const Picture& master,
                    const Picture& buttonHuge) {
  Scene scene(sections, refs, master, 800, 380);
  scene.Fill({0, 0, 800, 380}, Rgb{58, 82, 104});  // a desktop behind the windows

  // The main window: title, page control with two tabs, controls on the page, a bottom panel.
  const Box window{10, 10, 390, 370};
  DrawWindow(scene, window, true);
  const Box pages{window.l + 9, window.t + 30, window.r - 9, window.t + 300};
  scene.Control({pages.l + 84, pages.t + 4, pages.l + 160, pages.t + 24}, "TABTOP", 0);
  scene.Text({pages.l + 84, pages.t + 4, pages.l + 160, pages.t + 24}, "TABTOP", 0, 44);
  scene.Control({pages.l, pages.t + 22, pages.r, pages.b}, "PAGECONTROL", 0, false);
  const Box activeTab{pages.l + 2, pages.t, pages.l + 86, pages.t + 26};
  scene.Control(activeTab, "TABTOP", 2);
  scene.Text({activeTab.l, activeTab.t, activeTab.r, activeTab.t + 22}, "TABTOP", 2, 48);

  const int row = pages.t + 40;
  for (int state = 0; state < 3; ++state) {
    const Box button{pages.l + 16 + state * 104, row, pages.l + 16 + state * 104 + 92, row + 25};
    scene.Control(button, "BUTTON", state);
    const int shift = state == 2 ? 1 : 0;
    scene.Text({button.l + shift, button.t + shift, button.r + shift, button.b + shift}, "BUTTON", state, 44);
  }
  for (int state = 0; state < 2; ++state) {
    const Box edit{pages.l + 16 + state * 170, row + 40, pages.l + 16 + state * 170 + 156, row + 61};
    scene.Control(edit, "EDIT", state);
    scene.Text({edit.l + 4, edit.t, edit.l + 80, edit.b}, "EDIT", state, 70);
  }
  const char* marks[] = {"BOXCHECKED", "BOXUNCHECKED", "RADIOCHECKED", "RADIOUNCHECKED"};
  for (int i = 0; i < 4; ++i) {
    const int x = pages.l + 16 + (i / 2) * 110, y = row + 76 + (i % 2) * 20;
    scene.Glyph("GLOBALINFO", marks[i], i % 2, x, y);
    scene.Text({x + 18, y, x + 78, y + 13}, "CHECKBOX", i % 2, 56);
  }
  const Box group{pages.l + 236, row + 72, pages.r - 12, pages.b - 12};
  scene.Control({group.l, group.t + 6, group.r, group.b}, "GROUPBOX", 0, false);
  scene.Fill({group.l + 6, group.t, group.l + 60, group.t + 12}, Rgb{166, 198, 230});
  scene.Text({group.l + 8, group.t, group.l + 58, group.t + 12}, "GROUPBOX", 0, 44);
  scene.Glyph("GLOBALINFO", "BOXGRAYED", 0, group.l + 12, group.t + 22);
  scene.Glyph("GLOBALINFO", "RADIOUNCHECKED", 2, group.l + 12, group.t + 42);

  const Box list{pages.l + 16, row + 118, pages.l + 216, pages.b - 12};
  scene.Control(list, "EDIT", 0);
  for (int i = 0; i < 3; ++i)
    scene.Text({list.l + 4, list.t + 4 + i * 14, list.l + 110, list.t + 16 + i * 14}, "EDIT", 0, 96);
  DrawScrollBar(scene, {list.r - 19, list.t + 2, list.r - 2, list.b - 2}, true, list.t + 32, 28, 2);

  const Box panel{window.l + 3, window.b - 58, window.r - 3, window.b - 3};
  scene.Control(panel, "PANEL", 0, false);
  scene.Text({panel.l + 10, panel.t, panel.l + 130, panel.b}, "PANEL", 0, 110);
  const Box quit{panel.r - 104, panel.t + 15, panel.r - 12, panel.t + 40};
  scene.Control(quit, "BUTTON", 0);
  scene.Text(quit, "BUTTON", 0, 30);

  // A popup menu with a hot item and a separator.
  const Box menu{410, 20, 570, 118};
  scene.Control(menu, "MAINMENU", 0, false);
  const int items[] = {0, 1, -1, 0};
  int y = menu.t + 3;
  for (const int state : items) {
    if (state < 0) {
      const ImageRef* channel = scene.Ref("TRACKBAR", "SLIDERCHANNEL");
      if (channel) scene.Border({menu.l + 30, y + 3, menu.r - 8, y + 5}, *channel, 0, true, scene.canvas);
      y += 8;
      continue;
    }
    const Box item{menu.l + 3, y, menu.r - 3, y + 21};
    scene.Control(item, "MENUITEM", state);
    scene.Text({item.l + 30, item.t, item.l + 100, item.b}, "MENUITEM", state, 64);
    y += 21;
  }

  // An inactive window and a horizontal scroll bar.
  DrawWindow(scene, {410, 140, 590, 230}, false);
  DrawScrollBar(scene, {414, 205, 586, 222}, false, 470, 40, 0);

  // Buttons on the window's own colour, as in message boxes.
  const Box dialog{410, 246, 590, 316};
  scene.Fill(dialog, Rgb{230, 238, 246});
  for (int state = 0; state < 3; ++state) {
    const Box button{dialog.l + 8 + state * 58, dialog.t + 22, dialog.l + 8 + state * 58 + 52, dialog.t + 47};
    scene.Control(button, "BUTTON", state);
    scene.Text(button, "BUTTON", state, 24);
  }

  // BUTTON_HUGE, from its bitmap of its own, in its three states on the page colour.
  const Box page{610, 10, 790, 370};
  scene.Fill(page, FromBgr(15124134));
  if (const ImageRef* huge = scene.Ref("BUTTON_HUGE", "BORDERSMASK")) {
    ImageRef whole = *huge;
    whole.right = buttonHuge.Width();
    whole.bottom = buttonHuge.Height();
    for (int state = 0; state < 3; ++state) {
      const Box button{page.l + 14, page.t + 14 + state * 116, page.r - 14, page.t + 14 + state * 116 + 100};
      const Picture parent = scene.canvas;
      scene.Background(button, "BUTTON_HUGE", state);
      scene.Border(button, whole, state, true, parent, buttonHuge);
      scene.Text(button, "BUTTON_HUGE", state, 60);
    }
  }
  return scene.canvas;
}

}  // namespace tidewater
