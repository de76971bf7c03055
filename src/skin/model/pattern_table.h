// The pattern table: the JPEG textures that a skin's values name. Large ones (90,000 pixels or
// more) are kept whole as patterns; smaller ones become texture masks.
#pragma once

#include <string_view>
#include <vector>

#include "skin/image/decoded_images.h"
#include "skin/model/skin_records.h"
#include "skin/options/options_text.h"

namespace sundrel {

inline constexpr int64_t kMinPatternPixels = 90000;

// For one key: a value naming a ".JPG" or ".JPEG" file (in any case) that decodes gives a pattern
// record or a texture mask record, with upper-cased names. Anything else is skipped.
void AppendPatternRecord(std::string_view section, std::string_view key, std::string_view value, DecodedImages& images,
                         std::vector<TsPatternData>& patterns, std::vector<TsMaskData>& masks);

// The same for every key of every listed section that may name an image, in file order.
void AppendPatternRecords(const OptionsText& options, DecodedImages& images, std::vector<TsPatternData>& patterns,
                          std::vector<TsMaskData>& masks);

}  // namespace sundrel
