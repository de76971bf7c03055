#include "painters.h"

#include <cmath>
#include <functional>
#include <stdexcept>

namespace tidewater {

namespace {

// The palette: deep water for lines and text, foam for highlights, a teal-blue accent for what
// the mouse or the keyboard is on.
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kInk{24, 44, 68};
constexpr Rgb kOutline{70, 104, 140};
constexpr Rgb kOutlineSoft{120, 150, 182};
constexpr Rgb kOutlinePressed{40, 70, 106};
constexpr Rgb kAccent{34, 126, 180};
constexpr Rgb kAccentGlow{150, 212, 242};
constexpr Rgb kDeep{20, 46, 82};
constexpr Rgb kFrameOutline{52, 84, 120};
constexpr Rgb kFrame{126, 160, 196};
constexpr Rgb kFrameInner{104, 138, 174};
constexpr Rgb kClient{230, 238, 246};
constexpr Rgb kCoral{214, 82, 70};
constexpr Rgb kCoralDeep{160, 48, 40};

enum State { kNormal = 0, kHot = 1, kPressed = 2 };

void Expect(const ImageRef& ref, int cells, int maskType) {
  if (ref.imageCount != cells || ref.maskType != maskType) {
    throw std::runtime_error(ref.Name() + ": expected " + std::to_string(cells) + " cells with mask type " +
                             std::to_string(maskType));
  }
}

enum class Encoding { Masked, Glyph, Texture };

// Draws cell k (0 .. imageCount - 1) of the reference with draw(k) and puts it in place.
void PutCells(Picture& master, const ImageRef& ref, Encoding encoding, const std::function<Cell(int)>& draw) {
  const int mask = ref.maskType == 1 ? ref.CellHeight() : 0;
  for (int k = 0; k < ref.imageCount; ++k) {
    const Cell cell = draw(k);
    const int x = ref.left + k * ref.CellWidth();
    if (encoding == Encoding::Masked) master.PutMasked(cell, x, ref.top, mask);
    if (encoding == Encoding::Glyph) master.PutGlyph(cell, x, ref.top, mask);
    if (encoding == Encoding::Texture) master.PutTexture(cell, x, ref.top, mask);
  }
}

using SideAlpha = std::function<float(float x, float y)>;

// A ring whose strength depends on the side it runs along (top, bottom, left, right).
SideAlpha BySide(const RoundRect& rect, float top, float bottom, float left, float right) {
  return [=](float x, float y) { return SidesOf(rect, x, y).Of(top, bottom, left, right); };
}

void PaintRing(Cell& cell, const RoundRect& rect, float inset, float width, Rgb colour, const SideAlpha& alpha) {
  cell.Paint(
      rect.Ring(inset, width), [colour](float, float) { return colour; }, alpha);
}

// --- Buttons: a rounded outline with a lit top edge; hot glows in the accent, pressed sinks.
// Every feature runs parallel to the edges, so the nine pieces tile cleanly. `unit` is the
// width of one line: 1 on the 27-pixel cells, 2 on the 96-pixel ones.
Cell ButtonCell(int size, float radius, float unit, int state) {
  Cell cell(size, size);
  const RoundRect shape = RoundRect::Uniform(0, 0, size, size, radius);
  cell.SetSilhouette(shape.Fill());
  const Rgb outline = state == kHot ? kAccent : state == kPressed ? kOutlinePressed : kOutline;
  if (state == kPressed) cell.Paint(shape.Inset(unit).Fill(), kDeep, 0.14f);
  cell.Paint(shape.Ring(0, unit), outline);
  if (state == kNormal) {
    PaintRing(cell, shape, unit, unit, kWhite, BySide(shape, 0.85f, 0, 0.4f, 0.4f));
    PaintRing(cell, shape, unit, 2 * unit, kDeep, BySide(shape, 0, 0.16f, 0, 0));
  } else if (state == kHot) {
    PaintRing(cell, shape, unit, unit, kAccentGlow, BySide(shape, 0.95f, 0.8f, 0.85f, 0.85f));
    PaintRing(cell, shape, 2 * unit, unit, kWhite, BySide(shape, 0.5f, 0.1f, 0.25f, 0.25f));
  } else {
    PaintRing(cell, shape, unit, unit, kDeep, BySide(shape, 0.45f, 0, 0.22f, 0.22f));
    PaintRing(cell, shape, 2 * unit, unit, kDeep, BySide(shape, 0.2f, 0, 0.08f, 0.08f));
    PaintRing(cell, shape, unit, unit, kWhite, BySide(shape, 0, 0.35f, 0, 0));
  }
  return cell;
}

void PaintButton(Picture& master, const ImageRef& ref) {
  Expect(ref, 3, 1);
  PutCells(master, ref, Encoding::Masked, [&](int state) { return ButtonCell(ref.CellWidth(), 5, 1, state); });
}

// --- Small rounded parts: scroll buttons and thumbs, the small speed button.
Cell SmallButtonCell(int size, float radius, int state, Rgb normalOutline) {
  Cell cell(size, size);
  const RoundRect shape = RoundRect::Uniform(0, 0, size, size, radius);
  cell.SetSilhouette(shape.Fill());
  if (state == kPressed) cell.Paint(shape.Inset(1).Fill(), kDeep, 0.12f);
  cell.Paint(shape.Ring(0, 1), state == kHot ? kAccent : state == kPressed ? kOutlinePressed : normalOutline);
  if (state == kPressed) {
    PaintRing(cell, shape, 1, 1, kDeep, BySide(shape, 0.3f, 0, 0.15f, 0.15f));
  } else {
    PaintRing(cell, shape, 1, 1, kWhite, BySide(shape, 0.85f, 0.25f, 0.55f, 0.55f));
  }
  return cell;
}

void PaintScrollButton(Picture& master, const ImageRef& ref) {
  Expect(ref, 3, 1);
  PutCells(master, ref, Encoding::Masked, [&](int state) {
    return SmallButtonCell(ref.CellWidth(), 3, state, Rgb{146, 172, 200});
  });
}

void PaintScrollThumb(Picture& master, const ImageRef& ref) {
  Expect(ref, 3, 1);
  PutCells(master, ref, Encoding::Masked, [&](int state) {
    return SmallButtonCell(ref.CellWidth(), 4, state, Rgb{116, 148, 184});
  });
}

// --- The scroll track: a quiet groove that darkens while it is pressed.
void PaintScrollTrack(Picture& master, const ImageRef& ref) {
  Expect(ref, 3, 1);
  PutCells(master, ref, Encoding::Masked, [&](int state) {
    Cell cell(ref.CellWidth(), ref.CellHeight());
    const RoundRect shape = RoundRect::Uniform(0, 0, cell.Width(), cell.Height(), 2);
    cell.SetSilhouette(shape.Fill());
    if (state == kPressed) cell.Paint(shape.Inset(1).Fill(), Rgb{120, 156, 196}, 0.35f);
    cell.Paint(shape.Ring(0, 1), Rgb{196, 210, 226});
    PaintRing(cell, shape, 1, 1, kDeep, BySide(shape, 0.07f, 0, 0.04f, 0.04f));
    return cell;
  });
}

// --- Frames of fields: a fine outline; the hot (focused) field glows in the accent.
void PaintFieldFrame(Picture& master, const ImageRef& ref) {
  Expect(ref, 2, 1);
  PutCells(master, ref, Encoding::Masked, [&](int state) {
    Cell cell(ref.CellWidth(), ref.CellHeight());
    const RoundRect shape = RoundRect::Uniform(0, 0, cell.Width(), cell.Height(), 2);
    cell.SetSilhouette(shape.Fill());
    if (state == kNormal) {
      cell.Paint(shape.Ring(0, 1), Rgb{132, 160, 190});
      PaintRing(cell, shape, 1, 1, kDeep, BySide(shape, 0.08f, 0, 0.04f, 0.04f));
    } else {
      cell.Paint(shape.Ring(0, 1), kAccent);
      cell.Paint(shape.Ring(1, 1), kAccentGlow, 0.85f);
    }
    return cell;
  });
}

// --- Rounded frames of one cell: an outline and a light line inside it, lit by side.
struct FrameLook {
  float radius;
  Rgb outline;
  float top, bottom, left, right;  // strength of the inner light along each side
};

Cell FrameCell(int width, int height, const FrameLook& look) {
  Cell cell(width, height);
  const RoundRect shape = RoundRect::Uniform(0, 0, width, height, look.radius);
  cell.SetSilhouette(shape.Fill());
  cell.Paint(shape.Ring(0, 1), look.outline);
  PaintRing(cell, shape, 1, 1, kWhite, BySide(shape, look.top, look.bottom, look.left, look.right));
  return cell;
}

template <const FrameLook& look>
void PaintFrame(Picture& master, const ImageRef& ref) {
  Expect(ref, 1, 1);
  PutCells(master, ref, Encoding::Masked, [&](int) { return FrameCell(ref.CellWidth(), ref.CellHeight(), look); });
}

constexpr FrameLook kPageFrame{3, {96, 132, 170}, 0.55f, 0.2f, 0.4f, 0.2f};
constexpr FrameLook kGroupFrame{4, {140, 168, 198}, 0.7f, 0.7f, 0.7f, 0.7f};  // etched
constexpr FrameLook kHintFrame{3, {176, 162, 128}, 0.7f, 0.2f, 0.5f, 0.3f};
constexpr FrameLook kHotMenuItem{3, {104, 158, 208}, 0.5f, 0.5f, 0.5f, 0.5f};

// The menu item's frame shows only while it is hot (its normal cell stays empty).
void PaintMenuItem(Picture& master, const ImageRef& ref) {
  Expect(ref, 2, 1);
  PutCells(master, ref, Encoding::Masked, [&](int state) {
    return state == kHot ? FrameCell(ref.CellWidth(), ref.CellHeight(), kHotMenuItem)
                         : Cell(ref.CellWidth(), ref.CellHeight());
  });
}

// --- Tabs, drawn as top tabs and turned for the other sides. The side towards the page stays
// open; the active tab carries an accent line on its rounded side.
Cell TopTabCell(int size, int state) {
  Cell cell(size, size);
  const RoundRect shape{0, 0, float(size), float(size + 6), 4, 4, 0, 0};
  cell.SetSilhouette(shape.Fill());
  const Rgb outline = state == kHot ? kAccent : state == kPressed ? Rgb{90, 126, 166} : kOutlineSoft;
  cell.Paint(shape.Ring(0, 1), outline);
  PaintRing(cell, shape, 1, 1, kWhite, BySide(shape, state == kPressed ? 0.6f : 0.75f, 0, 0.35f, 0.35f));
  if (state == kPressed) PaintRing(cell, shape, 1, 2, Rgb{42, 150, 204}, BySide(shape, 1, 0, 0, 0));
  return cell;
}

enum class Side { Top, Bottom, Left, Right };

Cell TurnedTab(int size, int state, Side side) {
  const Cell top = TopTabCell(size, state);
  // (u, v) in the top tab: u along the tab's rounded side, v away from it towards the page.
  return top.Remapped([size, side](int x, int y, int& u, int& v) {
    switch (side) {
      case Side::Top:
        u = x, v = y;
        break;
      case Side::Bottom:
        u = x, v = size - 1 - y;
        break;
      case Side::Left:
        u = y, v = x;
        break;
      case Side::Right:
        u = y, v = size - 1 - x;
        break;
    }
  });
}

template <Side side>
void PaintTab(Picture& master, const ImageRef& ref) {
  Expect(ref, 3, 1);
  if (ref.CellWidth() != ref.CellHeight()) throw std::runtime_error(ref.Name() + ": tab cells must be square");
  PutCells(master, ref, Encoding::Masked, [&](int state) { return TurnedTab(ref.CellWidth(), state, side); });
}

// --- The title bar: rounded top corners that cut the window's shape, a lit top edge, and a
// dark line where the title meets the window. Cell 0 is an inactive window, cell 1 the active.
void PaintTitle(Picture& master, const ImageRef& ref) {
  Expect(ref, 2, 1);
  PutCells(master, ref, Encoding::Masked, [&](int active) {
    Cell cell(ref.CellWidth(), ref.CellHeight());
    const RoundRect shape{0, 0, float(cell.Width()), float(cell.Height()), 5, 5, 0, 0};
    cell.SetSilhouette(shape.Fill());
    const Rgb outline = active ? kFrameOutline : Rgb{124, 142, 162};
    PaintRing(cell, shape, 0, 1, outline, BySide(shape, 1, 0.55f, 1, 1));
    PaintRing(cell, shape, 1, 1, kWhite, BySide(shape, active ? 0.35f : 0.6f, 0, 0.12f, 0.12f));
    return cell;
  });
}

// --- The window frame: drawn opaque (no mask), its edges stretched; the corners match the
// title's so that the window's shape is one.
void PaintWindowFrame(Picture& master, const ImageRef& ref) {
  Expect(ref, 1, 0);
  Cell cell(ref.CellWidth(), ref.CellHeight());
  const RoundRect shape = RoundRect::Uniform(0, 0, cell.Width(), cell.Height(), 5);
  cell.SetSilhouette(shape.Fill());
  cell.Paint(shape.Fill(), kFrameOutline);
  cell.Paint(shape.Inset(1).Fill(), kFrame);
  cell.Paint(shape.Inset(3).Fill(), kFrameInner);
  cell.Paint(shape.Inset(4).Fill(), kClient);
  master.PutOpaque(cell, ref.left, ref.top, kClient);
}

// --- Flat opaque frames of panels and menus, their two lines lit from the top left.
void PaintOpaqueBevel(Picture& master, const ImageRef& ref, Rgb outerLight, Rgb outerShade, Rgb innerLight,
                      Rgb innerShade) {
  Expect(ref, 1, 0);
  Cell cell(ref.CellWidth(), ref.CellHeight());
  const RoundRect shape = RoundRect::Uniform(0, 0, cell.Width(), cell.Height(), 0);
  auto bySide = [&](Rgb light, Rgb shade) {
    return [=](float x, float y) {
      const SideWeights sides = SidesOf(shape, x, y);
      return Mix(light, shade, sides.bottom + sides.right);
    };
  };
  cell.Paint(shape.Ring(0, 1), bySide(outerLight, outerShade), [](float, float) { return 1.0f; });
  cell.Paint(shape.Ring(1, 1), bySide(innerLight, innerShade), [](float, float) { return 1.0f; });
  cell.Paint(shape.Inset(2).Fill(), kWhite);
  master.PutOpaque(cell, ref.left, ref.top, kWhite);
}

void PaintPanelFrame(Picture& master, const ImageRef& ref) {
  PaintOpaqueBevel(master, ref, Rgb{176, 198, 220}, Rgb{160, 184, 208}, Rgb{252, 253, 255}, Rgb{210, 223, 237});
}

void PaintMenuFrame(Picture& master, const ImageRef& ref) {
  PaintOpaqueBevel(master, ref, Rgb{120, 148, 178}, Rgb{120, 148, 178}, kWhite, Rgb{246, 249, 252});
}

// --- A groove line, two pixels high: the track bar's channel and the menus' separator.
void PaintChannel(Picture& master, const ImageRef& ref) {
  Expect(ref, 1, 1);
  PutCells(master, ref, Encoding::Masked, [&](int) {
    Cell cell(ref.CellWidth(), ref.CellHeight());
    const float w = float(cell.Width());
    // Fades in over the end pieces, full strength over the middle.
    auto fade = [w](float strength) {
      return [=](float x, float) { return strength * std::min({1.0f, x / 2.5f, (w - x) / 2.5f}); };
    };
    cell.Paint([](float, float y) { return y < 1 ? 1.0f : 0.0f; },
               [](float, float) {
                 return Rgb{118, 144, 174};
               },
               fade(0.85f));
    cell.Paint([](float, float y) { return y >= 1 ? 1.0f : 0.0f; }, [](float, float) { return kWhite; }, fade(0.95f));
    return cell;
  });
}

// --- A tile of grip dots, laid over a surface in whole rows (fill mode 10).
void PaintGripTexture(Picture& master, const ImageRef& ref) {
  Expect(ref, 1, 1);
  PutCells(master, ref, Encoding::Texture, [&](int) {
    Cell cell(ref.CellWidth(), ref.CellHeight());
    for (const float x : {1.0f, 4.0f}) {
      for (const float y : {1.0f, 4.0f}) {
        cell.Paint(Disc(x + 0.5f, y + 0.5f, 0.55f), Rgb{104, 134, 168}, 0.85f);
        cell.Paint(Disc(x + 1.5f, y + 1.5f, 0.5f), kWhite, 0.9f);
      }
    }
    return cell;
  });
}

// --- Glyphs.

// The shape grown by about one pixel all round: the dark halo that keeps a white symbol
// readable on a light (inactive) title as well as on the dark active one.
Shape Halo(const Shape& shape) {
  return [shape](float x, float y) {
    float coverage = 0;
    for (const auto& [dx, dy] : {std::pair{-1.0f, 0.0f},
                                 {1.0f, 0.0f},
                                 {0.0f, -1.0f},
                                 {0.0f, 1.0f},
                                 {-0.7f, -0.7f},
                                 {0.7f, -0.7f},
                                 {-0.7f, 0.7f},
                                 {0.7f, 0.7f}}) {
      coverage = std::max(coverage, shape(x + dx, y + dy));
    }
    return coverage;
  };
}

// The caption buttons: a glassy rounded body on the title, the symbol in white; hot lights the
// body (coral for close), pressed darkens it.
Cell CaptionButtonCell(int width, int height, int state, bool isClose, const Shape* symbol) {
  Cell cell(width, height);
  const RoundRect body = RoundRect::Uniform(2, 2, width - 2, height - 2, 3);
  if (state == kNormal) {
    cell.Paint(body.Fill(), kWhite, 0.16f);
    cell.Paint(body.Ring(0, 1), kWhite, 0.45f);
  } else if (state == kHot) {
    cell.Paint(body.Fill(), isClose ? kCoral : kWhite, isClose ? 0.95f : 0.42f);
    cell.Paint(body.Ring(0, 1), isClose ? kCoralDeep : kWhite, isClose ? 0.9f : 0.8f);
  } else {
    cell.Paint(body.Fill(), isClose ? kCoralDeep : kDeep, isClose ? 0.95f : 0.38f);
    cell.Paint(body.Ring(0, 1), kDeep, 0.55f);
  }
  if (symbol != nullptr) {
    const bool dark = state == kHot && !isClose;
    if (!dark) cell.Paint(Halo(*symbol), kDeep, 0.45f);
    cell.Paint(*symbol, dark ? kInk : kWhite, 0.97f);
  }
  return cell;
}

// Symbols are laid on whole pixels around the body's centre (cx, cy), which lies between
// pixels: odd widths keep their edges sharp.
Shape CloseSymbol(float cx, float cy) {
  return Union({Segment(cx - 3.5f, cy - 3.5f, cx + 3.5f, cy + 3.5f, 1.7f),
                Segment(cx - 3.5f, cy + 3.5f, cx + 3.5f, cy - 3.5f, 1.7f)});
}

Shape MaximizeSymbol(float cx, float cy) {
  const RoundRect box = RoundRect::Uniform(cx - 4.5f, cy - 3.5f, cx + 4.5f, cy + 3.5f, 0);
  return Union({box.Ring(0, 1), RoundRect::Uniform(cx - 4.5f, cy - 3.5f, cx + 4.5f, cy - 1.5f, 0).Fill()});
}

Shape MinimizeSymbol(float cx, float cy) {
  return RoundRect::Uniform(cx - 4.5f, cy + 1.5f, cx + 4.5f, cy + 3.5f, 0).Fill();
}

Shape RestoreSymbol(float cx, float cy) {
  const RoundRect back = RoundRect::Uniform(cx - 1.5f, cy - 4.5f, cx + 4.5f, cy + 0.5f, 0);
  const RoundRect front = RoundRect::Uniform(cx - 4.5f, cy - 1.5f, cx + 1.5f, cy + 4.5f, 0);
  const Shape frontFill = front.Fill();
  const Shape backLines =
      Union({back.Ring(0, 1), RoundRect::Uniform(cx - 1.5f, cy - 4.5f, cx + 4.5f, cy - 2.5f, 0).Fill()});
  return Union({[=](float x, float y) { return frontFill(x, y) > 0.5f ? 0.0f : backLines(x, y); }, front.Ring(0, 1),
                RoundRect::Uniform(cx - 4.5f, cy - 1.5f, cx + 1.5f, cy + 0.5f, 0).Fill()});
}

Shape HelpSymbol(float cx, float cy) {
  // A question mark: an arc over a short stem, and the dot.
  std::vector<Shape> parts;
  const float radius = 2.6f, arcY = cy - 1.6f;
  const float pi = 3.14159265f;
  float px = cx + radius * std::cos(pi * 1.1f), py = arcY + radius * std::sin(pi * 1.1f);
  for (int i = 1; i <= 10; ++i) {
    const float angle = pi * 1.1f + (pi * 1.0f) * i / 10;
    const float nx = cx + radius * std::cos(angle), ny = arcY + radius * std::sin(angle);
    parts.push_back(Segment(px, py, nx, ny, 1.6f));
    px = nx, py = ny;
  }
  parts.push_back(Segment(px, py, cx, cy + 1.2f, 1.6f));
  parts.push_back(Disc(cx, cy + 3.6f, 1.0f));
  return Union(parts);
}

template <Shape (*symbol)(float, float), bool isClose>
void PaintCaptionButton(Picture& master, const ImageRef& ref) {
  Expect(ref, 3, 1);
  const int w = ref.CellWidth(), h = ref.CellHeight();
  const Shape glyph = symbol(w / 2.0f, h / 2.0f);
  PutCells(master, ref, Encoding::Glyph, [&](int state) { return CaptionButtonCell(w, h, state, isClose, &glyph); });
}

void PaintTitleButton(Picture& master, const ImageRef& ref) {
  Expect(ref, 3, 1);
  PutCells(master, ref, Encoding::Glyph,
           [&](int state) { return CaptionButtonCell(ref.CellWidth(), ref.CellHeight(), state, false, nullptr); });
}

// The size grip: a triangle of dots, each with its light below right.
void PaintGrip(Picture& master, const ImageRef& ref) {
  Expect(ref, 1, 1);
  PutCells(master, ref, Encoding::Glyph, [&](int) {
    Cell cell(ref.CellWidth(), ref.CellHeight());
    for (int i = 0; i < 4; ++i) {
      for (int j = 0; j < 4; ++j) {
        if (i + j < 3) continue;
        const float x = 1.5f + 3 * i, y = 1.5f + 3 * j;
        cell.Paint(Disc(x + 1, y + 1, 0.75f), kWhite, 0.95f);
        cell.Paint(Disc(x, y, 0.8f), Rgb{92, 122, 158}, 0.95f);
      }
    }
    return cell;
  });
}

// Check boxes and radio buttons: a small field lit from above, its mark in deep blue.
enum class Mark { None, Check, Gray, Dot };

Cell CheckCell(int size, int state, bool round, Mark mark) {
  Cell cell(size, size);
  const float s = float(size);
  const RoundRect box = RoundRect::Uniform(0, 0, s, s, round ? s / 2 : 2.5f);
  const Rgb top = state == kPressed ? Rgb{196, 214, 234} : kWhite;
  const Rgb bottom = state == kHot ? Rgb{204, 230, 248} : state == kPressed ? Rgb{222, 234, 246} : Rgb{220, 231, 243};
  cell.Paint(
      box.Fill(), [=](float, float y) { return Mix(top, bottom, y / s); }, [](float, float) { return 1.0f; });
  cell.Paint(box.Ring(0, 1), state == kHot ? kAccent : state == kPressed ? kOutlinePressed : Rgb{96, 126, 160});
  PaintRing(cell, box, 1, 1, kWhite, BySide(box, state == kPressed ? 0 : 0.6f, 0, 0.2f, 0.2f));
  const Rgb ink = state == kHot ? Rgb{10, 76, 132} : Rgb{22, 58, 100};
  const float c = s / 2;
  switch (mark) {
    case Mark::Check:
      cell.Paint(Union({Segment(c - 3.1f, c + 0.2f, c - 1.0f, c + 2.4f, 1.9f),
                        Segment(c - 1.0f, c + 2.4f, c + 3.2f, c - 2.8f, 1.9f)}),
                 ink);
      break;
    case Mark::Gray:
      cell.Paint(RoundRect::Uniform(c - 3, c - 3, c + 3, c + 3, 1).Fill(), Rgb{120, 146, 176}, 0.85f);
      break;
    case Mark::Dot:
      cell.Paint(Disc(c, c, 2.6f), ink);
      cell.Paint(Disc(c - 0.8f, c - 0.9f, 0.7f), kWhite, 0.6f);
      break;
    case Mark::None:
      break;
  }
  return cell;
}

template <bool round, Mark mark>
void PaintCheck(Picture& master, const ImageRef& ref) {
  Expect(ref, 3, 1);
  PutCells(master, ref, Encoding::Glyph, [&](int state) { return CheckCell(ref.CellWidth(), state, round, mark); });
}

// Arrows of scroll buttons and combo boxes: a small solid triangle.
Cell ArrowCell(int size, int state, Side pointing) {
  Cell cell(size, size);
  const float c = size / 2.0f;
  const Rgb ink = state == kHot ? Rgb{18, 100, 158} : state == kPressed ? Rgb{14, 40, 72} : Rgb{44, 72, 106};
  switch (pointing) {
    case Side::Top:
      cell.Paint(Triangle(c, c - 2.2f, c - 3.6f, c + 1.8f, c + 3.6f, c + 1.8f), ink);
      break;
    case Side::Bottom:
      cell.Paint(Triangle(c, c + 2.2f, c - 3.6f, c - 1.8f, c + 3.6f, c - 1.8f), ink);
      break;
    case Side::Left:
      cell.Paint(Triangle(c - 2.2f, c, c + 1.8f, c - 3.6f, c + 1.8f, c + 3.6f), ink);
      break;
    case Side::Right:
      cell.Paint(Triangle(c + 2.2f, c, c - 1.8f, c - 3.6f, c - 1.8f, c + 3.6f), ink);
      break;
  }
  return cell;
}

template <Side pointing>
void PaintArrow(Picture& master, const ImageRef& ref) {
  Expect(ref, 3, 1);
  PutCells(master, ref, Encoding::Glyph, [&](int state) { return ArrowCell(ref.CellWidth(), state, pointing); });
}

// The grip on a scroll thumb: three ridges across the thumb's length.
template <bool vertical>
void PaintThumbGrip(Picture& master, const ImageRef& ref) {
  Expect(ref, 3, 1);
  PutCells(master, ref, Encoding::Glyph, [&](int state) {
    Cell cell(ref.CellWidth(), ref.CellHeight());
    const Rgb ridge = state == kHot ? Rgb{40, 112, 168} : Rgb{96, 126, 160};
    const float across = float(vertical ? cell.Width() : cell.Height());
    for (int i = 0; i < 3; ++i) {
      const float at = 1.5f + 2 * i;
      auto line = [&](float offset) {
        return vertical ? Segment(1.5f, at + offset, across - 1.5f, at + offset, 1)
                        : Segment(at + offset, 1.5f, at + offset, across - 1.5f, 1);
      };
      cell.Paint(line(1), kWhite, 0.9f);
      cell.Paint(line(0), ridge, 0.9f);
    }
    return cell;
  });
}

}  // namespace

const std::map<std::string, Painter>& Painters() {
  static const std::map<std::string, Painter> painters = {
      {"GLOBALINFO/BICONCLOSE", PaintCaptionButton<CloseSymbol, true>},
      {"GLOBALINFO/BICONMAX", PaintCaptionButton<MaximizeSymbol, false>},
      {"GLOBALINFO/BICONMIN", PaintCaptionButton<MinimizeSymbol, false>},
      {"GLOBALINFO/BICONNORM", PaintCaptionButton<RestoreSymbol, false>},
      {"GLOBALINFO/BICONHELP", PaintCaptionButton<HelpSymbol, false>},
      {"GLOBALINFO/TITLEBUTTON", PaintTitleButton},
      {"GLOBALINFO/GRIPIMAGE", PaintGrip},
      {"GLOBALINFO/BOXCHECKED", PaintCheck<false, Mark::Check>},
      {"GLOBALINFO/BOXUNCHECKED", PaintCheck<false, Mark::None>},
      {"GLOBALINFO/BOXGRAYED", PaintCheck<false, Mark::Gray>},
      {"GLOBALINFO/RADIOCHECKED", PaintCheck<true, Mark::Dot>},
      {"GLOBALINFO/RADIOUNCHECKED", PaintCheck<true, Mark::None>},
      {"GLOBALINFO/RADIOGRAYED", PaintCheck<true, Mark::Gray>},
      {"MENUITEM/BORDERSMASK", PaintMenuItem},
      {"MAINMENU/BORDERSMASK", PaintMenuFrame},
      {"COMBOBOX/GLYPHMASK", PaintArrow<Side::Bottom>},
      {"PAGECONTROL/BORDERSMASK", PaintFrame<kPageFrame>},
      {"SCROLLBAR1H/BORDERSMASK", PaintScrollTrack},
      {"SCROLLBAR2H/BORDERSMASK", PaintScrollTrack},
      {"SCROLLBAR1V/BORDERSMASK", PaintScrollTrack},
      {"SCROLLBAR2V/BORDERSMASK", PaintScrollTrack},
      {"PROGRESSH/BORDERSMASK", PaintScrollTrack},
      {"PROGRESSV/BORDERSMASK", PaintScrollTrack},
      {"GAUGE/BORDERSMASK", PaintScrollTrack},
      {"STATUSBAR/BORDERSMASK", PaintPanelFrame},
      {"CALCPANEL/BORDERSMASK", PaintPanelFrame},
      {"TOOLBAR/BORDERSMASK", PaintPanelFrame},
      {"PANEL/BORDERSMASK", PaintPanelFrame},
      {"GROUPBOX/BORDERSMASK", PaintFrame<kGroupFrame>},
      {"FORMTITLE/BORDERSMASK", PaintTitle},
      {"FORM/BORDERSMASK", PaintWindowFrame},
      {"PANEL_LOW/BORDERSMASK", PaintFieldFrame},
      {"EDIT/BORDERSMASK", PaintFieldFrame},
      {"FLATEDIT/BORDERSMASK", PaintFieldFrame},
      {"DRAGBAR/PATTERN", PaintGripTexture},
      {"GRIPH/PATTERN", PaintGripTexture},
      {"TABTOP/BORDERSMASK", PaintTab<Side::Top>},
      {"TABBOTTOM/BORDERSMASK", PaintTab<Side::Bottom>},
      {"TABLEFT/BORDERSMASK", PaintTab<Side::Left>},
      {"TABRIGHT/BORDERSMASK", PaintTab<Side::Right>},
      {"SCROLLBTNTOP/BORDERSMASK", PaintScrollButton},
      {"SCROLLBTNBOTTOM/BORDERSMASK", PaintScrollButton},
      {"SCROLLBTNLEFT/BORDERSMASK", PaintScrollButton},
      {"SCROLLBTNRIGHT/BORDERSMASK", PaintScrollButton},
      {"SPEEDBUTTON_SMALL/BORDERSMASK", PaintScrollButton},
      {"SCROLLBTNTOP/GLYPHMASK", PaintArrow<Side::Top>},
      {"SCROLLBTNBOTTOM/GLYPHMASK", PaintArrow<Side::Bottom>},
      {"SCROLLBTNLEFT/GLYPHMASK", PaintArrow<Side::Left>},
      {"SCROLLBTNRIGHT/GLYPHMASK", PaintArrow<Side::Right>},
      {"SCROLLSLIDERH/BORDERSMASK", PaintScrollThumb},
      {"SCROLLSLIDERV/BORDERSMASK", PaintScrollThumb},
      {"SCROLLSLIDERH/GLYPHMASK", PaintThumbGrip<false>},
      {"SCROLLSLIDERV/GLYPHMASK", PaintThumbGrip<true>},
      {"BUTTON/BORDERSMASK", PaintButton},
      {"SPEEDBUTTON/BORDERSMASK", PaintButton},
      {"TOOLBUTTON/BORDERSMASK", PaintButton},
      {"HINT/BORDERSMASK", PaintFrame<kHintFrame>},
      {"TRACKBAR/SLIDERCHANNEL", PaintChannel},
  };
  return painters;
}

Picture DrawButtonHuge(const ImageRef& ref) {
  Expect(ref, 3, 1);
  constexpr int kCell = 96;
  Picture picture(kCell * 3, kCell * 2);
  for (int state = 0; state < 3; ++state) {
    picture.PutMasked(ButtonCell(kCell, 16, 2, state), state * kCell, 0, kCell);
  }
  return picture;
}

}  // namespace tidewater
