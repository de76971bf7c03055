// What the program's own skin, Tidewater, is known to hold, and a plain reader of its options text
// that shares nothing with the code under test.
#pragma once

#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace sundrel::test {

// Every section in file order.
inline const std::vector<std::string> kTidewaterSections = {
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

// The sections that name a parent, and their parents.
inline const std::map<std::string, std::string> kTidewaterParents = {
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

struct OptionsSection {
  std::string name;
  std::vector<std::pair<std::string, std::string>> keys;

  std::string Value(const std::string& key) const {
    for (const auto& [k, v] : keys) {
      if (k == key) return v;
    }
    return {};
  }
  bool Has(const std::string& key) const {
    for (const auto& [k, v] : keys) {
      if (k == key) return true;
    }
    return false;
  }
};

inline std::string TrimBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r");
  return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

inline std::vector<OptionsSection> ReadSections(const std::string& text) {
  std::vector<OptionsSection> sections;
  std::stringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    line = TrimBlanks(line);
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      sections.push_back({line.substr(1, line.size() - 2), {}});
    } else if (const size_t equals = line.find('='); equals != std::string::npos && !sections.empty()) {
      sections.back().keys.emplace_back(TrimBlanks(line.substr(0, equals)), TrimBlanks(line.substr(equals + 1)));
    }
  }
  return sections;
}

}  // namespace sundrel::test
