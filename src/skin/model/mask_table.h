// The mask table: one TsMaskData record per key whose value names an image, and the master
// bitmap that most of them cut their rectangles from.
#pragma once

#include <string_view>
#include <vector>

#include "skin/image/decoded_images.h"
#include "skin/model/skin_records.h"
#include "skin/options/options_text.h"

namespace sundrel {

// The master bitmap named by "MASTERBITMAP" of "GLOBALINFO"; none when there is none.
SharedPicture LoadMasterBitmap(const OptionsText& options, DecodedImages& images);

// A record for every key of every listed section (in file order) whose value names an image, as
// the forms of image_reference.h say. A file that is missing or cannot be decoded leaves its key
// without a record; "N/A" and other values that name nothing are skipped. A number that is not
// a number raises EConvertError; the records appended before it stay.
void AppendMaskRecords(const OptionsText& options, DecodedImages& images, std::vector<TsMaskData>& masks);

// A record that shows the whole picture, shared with whatever else shows it.
TsMaskData MaskWithOwnImage(SharedPicture picture);

// The whole-file form: a value naming a ".BMP" file (in any case) whose whole bitmap is a
// three-state border with masks. Names are upper-cased.
void AppendWholeFileRecord(std::string_view section, std::string_view key, std::string_view value,
                           DecodedImages& images, std::vector<TsMaskData>& masks);

// The bracketed form, a rectangle of the master bitmap; names are upper-cased.
void AppendBracketedRecord(std::string_view section, std::string_view key, std::string_view value,
                           std::vector<TsMaskData>& masks);

}  // namespace sundrel
