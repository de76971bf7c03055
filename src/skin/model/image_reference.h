// The forms in which an options value names an image, read into mask records (without their
// bitmaps). Numbers that are not numbers raise EConvertError "'<text>' is not a valid integer
// value", which costs the image of that key (AppendImageOrWarn of mask_table.h).
//
//   glyph      "@0049@0210@0097@0246@3@1"                          fixed positions
//   border     "^0000^0000^0081^0054^0000^0000^0000^0000^3^1^5^0"  fixed positions
//   texture    "~0172~0165~0178~0177~10~1"                         fixed positions
//   external   "!BUTTONHUGE.BMP!3!1!0[!WL!WT!WR!WB]"               words between "!"
//   whole file "FRAME.BMP"
//   bracketed  "#(0,0,30,20)(3,1,4[,stretch])"                     words between " ", "(", ")"
#pragma once

#include <string_view>
#include <vector>

#include "skin/model/skin_records.h"

namespace sundrel {

enum class ImageForm { None, Glyph, Border, Texture, External, WholeFile, Bracketed };

// By the first character, then by a "#" anywhere ("#" alone names nothing). Any other non-empty
// value may be a file name.
ImageForm ImageFormOf(std::string_view value);

TsMaskData ReadGlyph(std::string_view value);
// Strip widths not given are completed (CompleteStripWidths of mask_geometry.h).
TsMaskData ReadBorder(std::string_view value);
TsMaskData ReadTexture(std::string_view value);
// "PATTERN" and "HOTPATTERN" make textures of stretch mode 0. Strip widths are completed.
TsMaskData ReadBracketed(std::string_view value, std::string_view propertyName);

// The file name of the external form (its first word).
std::string_view ExternalFileName(std::string_view value);
// The fields of the external form, for a record whose R already covers its bitmap.
void ReadExternalFields(std::string_view value, TsMaskData& record);

// "PATTERN" and "HOTPATTERN": keys whose images are always textures.
bool IsPatternKey(std::string_view propertyName);
// The image type of a number; unknown numbers are taken as borders, so every record has a type
// that painting knows.
TacImgType KnownImgType(int32_t number);

// ExtractWord's rule: words are the non-empty runs between delimiter characters.
std::vector<std::string_view> SplitWords(std::string_view text, std::string_view delimiters);

}  // namespace sundrel
