// A pack that the pack reader has unpacked, as the skin model reads it: the options text and the
// image entries looked up by name.
#pragma once

#include <string_view>

#include "skin/image/skin_image_source.h"
#include "skin/pack/skin_pack.h"

namespace sundrel {

// The unpacked "Options.dat" as text; empty when the reader holds none. The text stays the
// reader's.
std::string_view OptionsTextOf(const TacSkinConvertor& reader);

// The image entries that the reader's own search sees (SearchedImages), matched the same way.
// Their bytes stay the reader's.
PackedImages PackedImagesOf(const TacSkinConvertor& reader);

}  // namespace sundrel
