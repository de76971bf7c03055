#include "controls/control_kinds.h"

#include <algorithm>
#include <initializer_list>

namespace sundrel {

namespace {

struct KindRange {
  int first;
  int last;
};

struct KindSection {
  std::initializer_list<KindRange> kinds;
  const char* section;
};

// clang-format off
const KindSection kKindSections[] = {
    {{{2, 8}, {10, 10}, {41, 41}, {76, 76}, {78, 78}, {83, 84}, {96, 97}, {131, 131}, {140, 140}, {227, 227}}, "EDIT"},
    {{{11, 18}, {81, 82}}, "COMBOBOX"},
    {{{19, 19}}, "BAR"},
    {{{20, 20}}, "BARTITLE"},
    {{{32, 32}, {152, 152}}, "CHECKBOX"},
    {{{33, 33}}, "RADIOBUTTON"},
    {{{51, 51}, {59, 59}, {68, 68}, {73, 73}}, "PANEL"},
    {{{52, 52}, {58, 58}}, "PANEL_LOW"},
    {{{53, 54}, {60, 60}}, "TOOLBAR"},
    {{{56, 56}}, "DRAGBAR"},
    {{{57, 57}}, "TABSHEET"},
    {{{74, 74}, {226, 226}}, "GROUPBOX"},
    {{{75, 75}}, "SPLITTER"},
    {{{92, 92}, {95, 95}}, "SPEEDBUTTON"},
    {{{93, 94}}, "BUTTON"},
    {{{98, 98}}, "TOOLBUTTON"},
    {{{141, 141}, {143, 143}}, "PAGECONTROL"},
    {{{151, 151}}, "STATUSBAR"},
    {{{161, 161}}, "GAUGE"},
    {{{165, 165}}, "TRACKBAR"},
};
const std::initializer_list<KindRange> kContainerKinds = {{51, 74}, {110, 110}, {141, 161}};
// clang-format on

bool InRanges(std::initializer_list<KindRange> ranges, int kind) {
  return std::any_of(ranges.begin(), ranges.end(), [kind](KindRange r) { return kind >= r.first && kind <= r.last; });
}

}  // namespace

std::string DefaultSectionOfKind(int kind) {
  for (const KindSection& entry : kKindSections) {
    if (InRanges(entry.kinds, kind)) return entry.section;
  }
  return "";
}

bool IsContainerKind(int kind) {
  return InRanges(kContainerKinds, kind);
}

}  // namespace sundrel
