// Comparing item texts as the user reads them: letter case does not count.
#pragma once

#include <string_view>

namespace sundrel {

bool SameText(std::string_view a, std::string_view b);
bool StartsWithText(std::string_view text, std::string_view prefix);

}  // namespace sundrel
