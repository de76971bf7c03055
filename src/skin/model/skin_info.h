// The skin information that "GLOBALINFO" gives: version, author, description, the skin-wide
// shadow and border colour, and the space between title bar buttons.
#pragma once

#include "skin/model/skin_records.h"
#include "skin/options/options_text.h"

namespace sundrel {

// Sets those fields of info (leaving SkinFolder and Active). "SHADOW1OFFSET", "SHADOW1BLUR" and
// "SHADOW1TRANSPARENCY" must be integers: EConvertError otherwise.
void ReadSkinInformation(const OptionsText& options, TsSkinData& info);

// Whether "GLOBALINFO" gives the skin information in the key (or the master bitmap's file, or the
// skin's identifier, which nothing reads), in any case.
bool IsSkinInformationKey(std::string_view key);

}  // namespace sundrel
