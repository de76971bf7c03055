// Reading the Tidewater options text as far as the art needs it: the image references (where
// each image sits in the master bitmap and how it is cut into cells), and for the preview the
// values of each section.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace tidewater {

struct ImageRef {
  std::string section, key, value;
  char form = 0;  // '^' border, '@' glyph, '~' texture, '!' a bitmap of its own
  int left = 0, top = 0, right = 0, bottom = 0;
  int imageCount = 1, maskType = 0;
  std::string fileName;  // '!' only

  int CellWidth() const { return (right - left) / imageCount; }
  int CellHeight() const { return (bottom - top) / (maskType + 1); }
  std::string Name() const { return section + "/" + key; }
};

// Every key whose value starts with "^", "@", "~" or "!". Raises std::runtime_error for a
// reference that is cut wrongly (fields out of place, cells that do not divide the rectangle).
std::vector<ImageRef> ReadImageRefs(const std::string& optionsText);

// Section name -> key -> value, names in capitals as written.
using Sections = std::map<std::string, std::map<std::string, std::string>>;
Sections ReadSections(const std::string& optionsText);

}  // namespace tidewater
