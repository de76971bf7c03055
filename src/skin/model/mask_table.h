// The mask table: one TsMaskData record per key whose value names an image, and the master
// bitmap that most of them cut their rectangles from.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/image/decoded_images.h"
#include "skin/model/skin_records.h"
#include "skin/options/options_text.h"

namespace sundrel {

// The master bitmap named by "MASTERBITMAP" of "GLOBALINFO"; none when there is none.
SharedPicture LoadMasterBitmap(const OptionsText& options, DecodedImages& images);

inline constexpr const char* SImageLeftOut = "The image \"%s\" of [%s] was left out: %s";

// Whether the key may name an image. Keys that the skin reads as something else never do,
// whatever their value holds ("DESCRIPTION=Skin #1 blue"): a section's own keys and, in
// "GLOBALINFO", the skin information.
bool MayNameImage(std::string_view section, std::string_view key);

// Runs append, which adds the image of one key. A number in its value that is not a number
// costs only that image: the reason goes to warnings (SImageLeftOut) and the skin goes on.
void AppendImageOrWarn(std::string_view section, std::string_view key, const std::function<void()>& append,
                       std::vector<std::string>& warnings);

// A record for every key of every listed section (in file order) that may name an image and
// whose value does, as the forms of image_reference.h say. A file that is missing or cannot be
// decoded leaves its key without a record; "N/A" and other values that name nothing are skipped.
void AppendMaskRecords(const OptionsText& options, DecodedImages& images, std::vector<TsMaskData>& masks,
                       std::vector<std::string>& warnings);

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
