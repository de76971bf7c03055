#include <algorithm>
#include <string>

#include "base/int_parse.h"
#include "paint/gradient.h"

namespace sundrel {

TsGradArray ParseGradientData(std::string_view text) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(';', start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start) fields.push_back(text.substr(start, end - start));
    start = end + 1;
  }

  TsGradArray steps(fields.size() / 5);
  for (size_t i = 0; i < steps.size(); ++i) {
    const std::string_view* step = &fields[5 * i];
    steps[i].StartColor = StrToInt(step[0]);
    steps[i].EndColor = StrToInt(step[1]);
    // A negative share would move the painting above its rectangle.
    steps[i].Percent = std::clamp(StrToInt(step[2]), 0, 100);
    steps[i].Direction = StrToInt(step[3]);
  }
  return steps;
}

}  // namespace sundrel
