#include "realistic_skin.h"

#include <cstdio>
#include <iterator>

namespace sundrel::bench {

namespace {

const char* const kSections[] = {
    "GLOBALINFO",
    "SPLITTER",
    "MENUITEM",
    "MAINMENU",
    "COMBOBOX",
    "MENULINE",
    "PAGECONTROL",
    "SCROLLBAR1H",
    "SCROLLBAR2H",
    "SCROLLBAR1V",
    "SCROLLBAR2V",
    "STATUSBAR",
    "DIVIDER",
    "GROUPBOX",
    "PAGECONTROLBOTTOM",
    "TABCONTROL",
    "TABCONTROLBOTTOM",
    "TABCONTROLLEFT",
    "TABCONTROLRIGHT",
    "PAGECONTROLRIGHT",
    "PAGECONTROLLEFT",
    "CALCPANEL",
    "FORMTITLE",
    "PANEL_LOW",
    "DIALOG",
    "TOOLBAR",
    "PANEL",
    "EDIT",
    "DRAGBAR",
    "FLATCOMBOBOX",
    "PROGRESSH",
    "PROGRESSV",
    "GAUGE",
    "TABBOTTOM",
    "TABTOP",
    "TABLEFT",
    "TABRIGHT",
    "SCROLLBTNBOTTOM",
    "SCROLLBTNLEFT",
    "SCROLLBTNRIGHT",
    "SCROLLBTNTOP",
    "SCROLLSLIDERH",
    "SCROLLSLIDERV",
    "SPEEDBUTTON_SMALL",
    "FORM",
    "FLATEDIT",
    "BAR",
    "BARPANEL",
    "WEBBUTTON",
    "RADIOBUTTON",
    "CHECKBOX",
    "BUTTON_BIG",
    "BUTTON",
    "BARTITLE",
    "SPEEDBUTTON",
    "TOOLBUTTON",
    "EXTRALINE",
    "GRIPH",
    "HINT",
    "TRACKBAR",
    "BUTTON_HUGE",
};

const char* ParentOf(const std::string& section) {
  const std::pair<const char*, const char*> parents[] = {
      {"SPLITTER", "SPEEDBUTTON_SMALL"},
      {"COMBOBOX", "EDIT"},
      {"FLATCOMBOBOX", "FLATEDIT"},
      {"DIALOG", "FORM"},
      {"BUTTON_BIG", "BUTTON"},
      {"PAGECONTROLBOTTOM", "PAGECONTROL"},
      {"PAGECONTROLLEFT", "PAGECONTROL"},
      {"PAGECONTROLRIGHT", "PAGECONTROL"},
      {"TABCONTROL", "PAGECONTROL"},
      {"TABCONTROLBOTTOM", "PAGECONTROLBOTTOM"},
      {"TABCONTROLLEFT", "PAGECONTROLLEFT"},
      {"TABCONTROLRIGHT", "PAGECONTROLRIGHT"},
  };
  for (const auto& [child, parent] : parents) {
    if (section == child) return parent;
  }
  return nullptr;
}

std::string Fixed(const char* format, int a, int b, int c, int d) {
  char text[64];
  std::snprintf(text, sizeof text, format, a, b, c, d);
  return text;
}

std::string Section(const std::string& name, int n) {
  std::string s = "[" + name + "]\n";
  if (const char* parent = ParentOf(name)) {
    // Children give little of their own and inherit the rest.
    s += "PARENTCLASS=" + std::string(parent) + "\nTRANSPARENCY=-1\n";
    return s;
  }
  const int x = (n * 37) % 260;
  const int y = (n * 23) % 150;
  s += "COLOR=" + std::to_string(15847088 + n) + "\nHOTCOLOR=" + std::to_string(16777215 - n) + "\n";
  s += "FONTCOLOR=0\nHOTFONTCOLOR=0\nTRANSPARENCY=0\nGRADIENTPERCENT=100\n";
  s += "GRADIENTDATA=16777215;11237449;99;0;0;11237449;11237449;0;0;0\n";
  if (n % 2 == 0) s += "FADINGENABLED=TRUE\nFADINGITERATIONS=5\n";
  s += "BORDERSMASK=" + Fixed("^%04d^%04d^%04d^%04d", x, y, x + 36, y + 24) + "^0000^0000^0000^0000^3^1^5^0\n";
  if (n % 2 == 0) s += "GLYPHMASK=" + Fixed("@%04d@%04d@%04d@%04d", x, y, x + 27, y + 18) + "@3@1\n";
  if (n % 3 == 0) s += "PATTERN=" + Fixed("~%04d~%04d~%04d~%04d", x, y, x + 6, y + 12) + "~10~1\n";
  return s;
}

std::string GlobalInfo() {
  std::string s =
      "[GLOBALINFO]\nVERSION=5.4\nAUTHOR=Sundrel\nDESCRIPTION=Benchmark skin\nSUID={6A2D1C8E}\n"
      "MASTERBITMAP=MASTER.BMP\nCOLOR=15847088\nHOTCOLOR=16777215\nFONTCOLOR=0\n"
      "SHADOW1COLOR=0\nSHADOW1OFFSET=0\nSHADOW1BLUR=-1\nSHADOW1TRANSPARENCY=0\nBORDERCOLOR=8421504\n";
  const char* glyphs[] = {"BOXCHECKED",  "BOXUNCHECKED", "BOXGRAYED",      "RADIOCHECKED", "RADIOUNCHECKED",
                          "RADIOGRAYED", "SMALLCHECKED", "SMALLUNCHECKED", "SMALLGRAYED",  "BICONCLOSE",
                          "BICONMAX",    "BICONMIN",     "BICONNORM",      "BICONHELP",    "SICONCLOSE",
                          "SICONMAX",    "SICONMIN",     "SICONNORM",      "SICONHELP",    "GRIPIMAGE"};
  int i = 0;
  for (const char* key : glyphs) {
    s += std::string(key) + "=" + Fixed("@%04d@%04d@%04d@%04d", 120 + 6 * i, 180, 168 + 6 * i, 212) + "@3@1\n";
    ++i;
  }
  return s;
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

std::vector<uint8_t> Bitmap8(int width, int height, uint32_t seed) {
  const uint32_t stride = (width + 3) & ~3u;
  const uint32_t offset = 14 + 40 + 256 * 4;
  std::vector<uint8_t> out = {'B', 'M'};
  Put32(out, offset + stride * height);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, 40);
  Put32(out, width);
  Put32(out, height);
  Put32(out, 1 | 8 << 16);
  Put32(out, 0);
  Put32(out, stride * height);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, 256);
  Put32(out, 0);
  for (uint32_t i = 0; i < 256; ++i) Put32(out, i == 0 ? 0xFF00FF : (i * 0x010305 + seed) & 0xFFFFFF);
  for (int y = 0; y < height; ++y) {
    for (uint32_t x = 0; x < stride; ++x) out.push_back(static_cast<uint8_t>((x / 4 + y / 4 + seed) % 256));
  }
  return out;
}

}  // namespace

SkinFiles RealisticSkin() {
  SkinFiles skin;
  skin.options = GlobalInfo();
  for (int n = 1; n < static_cast<int>(std::size(kSections)); ++n) {
    const std::string name = kSections[n];
    skin.options += name == "BUTTON_HUGE" ? "[BUTTON_HUGE]\nBORDERSMASK=!BUTTONHUGE.BMP!3!1!0\n" : Section(name, n);
  }
  skin.images = {{"ButtonHuge.bmp", Bitmap8(288, 192, 7)}, {"Master.bmp", Bitmap8(300, 212, 3)}};
  return skin;
}

}  // namespace sundrel::bench
