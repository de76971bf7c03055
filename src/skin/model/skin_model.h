// A loaded skin: its section, mask and pattern tables, the master bitmap, the skin information
// and the cached indexes, with every lookup that skinned elements make. The skin manager owns one
// and forwards to it.
//
// Lookups compare names exactly (case-sensitive), answer -1 (or the stated fallback) when nothing
// is found and never raise. Each is a hash probe or two: no table or text is walked per call.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/image/skin_image_source.h"
#include "skin/model/cached_indexes.h"
#include "skin/model/name_index.h"
#include "skin/model/skin_records.h"
#include "skin/model/system_colors.h"
#include "skin/pack/skin_pack.h"
#include "skin/pack/stored_skins.h"

namespace sundrel {

class SkinModel {
 public:
  // System colour values in the skin resolve against the given scheme, which must outlive the
  // model.
  explicit SkinModel(const SystemColors& system = ClassicSystemColors()) : system_(system) {}

  // Empties the tables, then builds from the options text and the skin's images, in this order:
  // the mask table with the master bitmap, the pattern table (which may add texture masks), the
  // section table, the skin information and the cached indexes. An image value with a number
  // that is not a number costs only that image (see Warnings). Any other value that must be a
  // number and is not ends the building with EConvertError; what was built before it stays, and
  // every lookup answers from it.
  void Load(std::string_view optionsText, SkinImageSource& images);
  // The same for a pack that the reader has unpacked (the stored skin's Data, or an ".asz"
  // file): its "Options.dat" and its image entries. A reader that holds no options text gives
  // an empty skin.
  void LoadFromPack(const TacSkinConvertor& reader);

  // Empties the tables, then builds them from a skin stored unpacked in the program's resources:
  // the master bitmap and the masks, the patterns and the sections from the item collections, the
  // skin information from the stored skin's own values, then the cached indexes. Failures are
  // those of Load.
  void LoadStoredSkin(const TsStoredSkin& skin);

  // Lays extra options text over the loaded skin (the skin manager's CommonSections). Spaces are
  // removed from every line that does not begin with ";". Sections update the record of the
  // same name, or add one based on the record their "PARENTCLASS" names; keys naming ".BMP"
  // files (taken from looseFiles) or master bitmap rectangles add masks; JPEG values add
  // patterns (taken from skinImages, like the skin's own).
  void ApplyCommonSections(std::string_view text, SkinImageSource& skinImages, SkinImageSource& looseFiles);

  // Empties the tables and the warnings, frees the master bitmap and sets the skin information
  // back to its defaults, except SkinFolder and Active; every lookup then answers -1.
  void Clear();

  // Why images of the skin (and of the common sections laid over it) were left out, one line
  // each, since the last Load or Clear.
  const std::vector<std::string>& Warnings() const { return warnings_; }

  // Gives every colour of the skin through change: the master bitmap's and the mask bitmaps'
  // pixels (not clFuchsia holes, not greys; each picture once, however many records share it), the sections' fill, hot
  // and text colours (those that are not -1) and their gradient steps' colours, and the skin-wide shadow and border
  // colours.
  void Recolour(const std::function<TColor(TColor)>& change);

  // The skin manager's HueOffset and Saturation: first every colour's hue is turned by the
  // degrees, then every colour moves away from its grey by the percent (towards it when
  // negative). Each step is a Recolour of its own, so a pixel that the first step makes the key
  // colour is a hole for the second. Colours other than pixels are shifted whatever they are,
  // the key colour too; no colour (-1) stays none. A setting of 0 leaves its step out.
  void ShiftColours(int hueOffset, int saturation);

  const std::vector<TsGeneralData>& Sections() const { return sections_; }
  const std::vector<TsMaskData>& Masks() const { return masks_; }
  const std::vector<TsPatternData>& Patterns() const { return patterns_; }
  // Empty when the skin has none.
  const TacMemBitmap& MasterBitmap() const;
  const TsSkinData& SkinInfo() const { return info_; }
  TsSkinData& SkinInfo() { return info_; }
  const CachedIndexes& Indexes() const { return indexes_; }

  // The first section of that name.
  int GetSkinIndex(std::string_view sectionName) const { return sectionIndex_.Find(sectionName); }
  // The first image of the section and key; failing that, the one the section at skinIndex
  // inherits through its parents. -1 for a negative skin index or an empty key.
  int GetMaskIndex(int skinIndex, std::string_view sectionName, std::string_view propertyName) const;
  // The same without the parents. -1 for an empty section name.
  int GetMaskIndexDirect(std::string_view sectionName, std::string_view propertyName) const;
  // As GetMaskIndex, counting only textures. -1 for an empty section name.
  int GetTextureIndex(int skinIndex, std::string_view sectionName, std::string_view propertyName) const;
  // As GetMaskIndex, over the pattern table.
  int GetPatternIndex(int skinIndex, std::string_view sectionName, std::string_view propertyName) const;

  bool IsValidSkinIndex(int index) const { return index >= 0 && index < static_cast<int>(sections_.size()); }
  bool IsValidMaskIndex(int index) const { return index >= 0 && index < static_cast<int>(masks_.size()); }

  // 0 x 0 for an invalid index.
  TSize GetMaskCellSize(int maskIndex) const;
  // Strip widths with their fallbacks (mask_geometry.h); 0 for an invalid index.
  int MaskWidthLeft(int maskIndex) const;
  int MaskWidthRight(int maskIndex) const;
  int MaskWidthTop(int maskIndex) const;
  int MaskWidthBottom(int maskIndex) const;

  // From "GLOBALINFO", system colours resolved: its COLOR (the system button face colour when
  // the skin has no "GLOBALINFO"), its FONTCOLOR (clFuchsia) and its HOTCOLOR (the system window
  // colour).
  TColor GetGlobalColor() const;
  TColor GetGlobalFontColor() const;
  TColor GetGlobalHotColor() const;

 private:
  int FindInherited(const NamePairIndex& index, int skinIndex, std::string_view sectionName,
                    std::string_view propertyName) const;
  const TsGeneralData* GlobalInfo() const;
  // Brings the name indexes and the cached indexes up to date with the tables.
  void Reindex();
  // Runs the steps that change the tables, then reindexes, also when a step fails.
  template <class Steps>
  void Reindexed(Steps&& steps) {
    try {
      steps();
    } catch (...) {
      Reindex();
      throw;
    }
    Reindex();
  }

  const SystemColors& system_;
  std::vector<TsGeneralData> sections_;
  std::vector<TsMaskData> masks_;
  std::vector<TsPatternData> patterns_;
  SharedPicture master_;
  TsSkinData info_;
  CachedIndexes indexes_;
  std::vector<std::string> warnings_;
  NameIndex sectionIndex_;
  NamePairIndex maskIndex_;
  NamePairIndex textureIndex_;
  NamePairIndex patternIndex_;
};

}  // namespace sundrel
