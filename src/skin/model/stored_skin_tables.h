// The tables of a skin stored unpacked in the program's resources, where the items of the stored
// skin's collections stand in for the options text and the image files.
#pragma once

#include <vector>

#include "skin/model/skin_records.h"
#include "skin/model/system_colors.h"
#include "skin/pack/stored_skins.h"

namespace sundrel {

// The stored skin's own master bitmap, decoded; none when it has none or it cannot be decoded.
SharedPicture StoredMasterBitmap(const TsStoredSkin& skin);

// One record per image item, in order, with upper-cased names: an item with a Name brings its own
// picture (an item whose picture is missing or damaged gives no record), any other cuts its
// rectangle from the master bitmap. An ImageCount of 0 stands for three cells with masks;
// "PATTERN" and "HOTPATTERN" are textures, stretched only when the item says it is a texture;
// strip widths not given are completed.
void AppendStoredMaskRecords(const TsSkinImages& items, std::vector<TsMaskData>& masks);

// One record per pattern item, in order, with upper-cased names, whatever the picture's size. An
// item without a picture takes the picture of the first item of the same Name that has one; one
// that ends up without a picture gives no record.
void AppendStoredPatternRecords(const TsSkinPatterns& items, std::vector<TsPatternData>& patterns);

// One record per section item, in order, taken as it is (the items are complete: nothing is
// inherited); COLOR is resolved from a system colour, the text colours are read from their five
// integers and the gradient lists parsed. A number that is not a number raises EConvertError; the
// records appended before it stay.
void AppendStoredSectionRecords(const TsSkinGenerals& items, const SystemColors& system,
                                std::vector<TsGeneralData>& sections);

// The skin-wide values that the stored skin carries.
void ReadStoredSkinInformation(const TsStoredSkin& skin, TsSkinData& info);

}  // namespace sundrel
