// Finding a skin and building its tables: from a pack or a folder in SkinDirectory, or from one
// of the internal skins. An external skin that cannot be loaded never leaves a half-built skin
// behind: the user is told why, and the internal skin takes its place.
#include <algorithm>
#include <charconv>

#include "base/errors.h"
#include "base/os_file.h"
#include "paint/shared_slots.h"
#include "skin/image/skin_image_source.h"
#include "skin/manager/pack_warning_win32.h"
#include "skin/manager/program_folder_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/manager/system_colors_win32.h"
#include "skin/model/packed_skin.h"
#include "skin/model/skin_model.h"
#include "skin/pack/skin_pack.h"

namespace sundrel {

namespace {

constexpr const char* kOptionsFile = "Options.dat";
constexpr const char* SOptionsUnreadable = "its \"Options.dat\" cannot be read";

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace

void TsSkinManager::SkinModelDeleter::operator()(SkinModel* model) const {
  delete model;
}

SkinModel* TsSkinManager::CreateSkinModel() {
  return new SkinModel(WindowsSystemColors());
}

std::string TsSkinManager::ResolvedDirectory() const {
  return ResolveSkinDirectory(skinDirectory_, ProgramFolder());
}

void TsSkinManager::SetSkinDirectory(const std::string& directory) {
  const std::string wanted = directory.empty() ? kDefaultSkinDirectory : directory;
  if (wanted == skinDirectory_) return;
  skinDirectory_ = wanted;
  model_->SkinInfo().SkinFolder = ResolvedDirectory();
}

void TsSkinManager::LoadNamedSkin() {
  if (CurrentFileSystem().FileExists(PackFileName(skinDirectory_, skinName_))) {
    LoadPackedSkin();
  } else {
    LoadSkin();
  }
}

void TsSkinManager::LoadPackedSkin() {
  if (!active_) return;
  SlotScope changing(Shared().SkinChanging, true);
  const std::string file = PackFileName(skinDirectory_, skinName_);
  LoadExternal(file, [&] {
    bool warned = false;
    TacSkinConvertor reader([&warned](const std::string& text) {
      warned = true;
      ShowPackWarning(text);
    });
    reader.UnpackFile(file, true);
    if (reader.Options() == nullptr) {
      if (warned) return false;  // not a pack at all, and the user was told
      throw Exception(SPackWithoutOptions);
    }
    PackedImages images = PackedImagesOf(reader);
    BuildTables([&] { model_->Load(OptionsTextOf(reader), images); }, images, ResolvedDirectory() + "\\");
    return true;
  });
}

void TsSkinManager::LoadSkin() {
  if (!active_) return;
  SlotScope changing(Shared().SkinChanging, true);
  const std::string folder = ResolvedDirectory() + "\\" + skinName_ + "\\";
  const std::string optionsFile = folder + kOptionsFile;
  if (CurrentFileSystem().FileExists(optionsFile)) {
    LoadFolderSkin(optionsFile, folder);
  } else {
    LoadInternalSkin();
  }
}

void TsSkinManager::LoadFolderSkin(const std::string& optionsFile, const std::string& folder) {
  LoadExternal(folder, [&] {
    const std::optional<std::vector<uint8_t>> options = ReadWholeFile(optionsFile);
    if (!options) throw Exception(SOptionsUnreadable);
    FolderImages images(folder);
    const std::string_view text(reinterpret_cast<const char*>(options->data()), options->size());
    BuildTables([&] { model_->Load(text, images); }, images, folder);
    return true;
  });
}

void TsSkinManager::LoadExternal(const std::string& where, const std::function<bool()>& load) {
  try {
    if (load()) return;
  } catch (...) {
    // Whatever stopped the load, also a failed allocation, the program goes on with its own skin.
    ShowPackWarning(FormatText(SSkinNotLoaded, {where, CurrentExceptionMessage()}));
  }
  LoadInternalSkin();
}

void TsSkinManager::LoadInternalSkin() {
  int index = internalSkins_.IndexOfSkinName(skinName_);
  if (index < 0) {
    if (internalSkins_.Count() == 0) {
      // No skin of that name anywhere: the controls keep their native look.
      active_ = false;
      ClearTables();
      return;
    }
    index = 0;
    skinName_ = internalSkins_.Items(0).Name;
  }
  TsStoredSkin& skin = internalSkins_.Items(index);
  if (skin.Data.Size() == 0) {
    // Stored unpacked: the item's own collections are the skin.
    PackedImages noImages({});
    BuildTables([&] { model_->LoadStoredSkin(skin); }, noImages, "");
    return;
  }
  TacSkinConvertor reader(ShowPackWarning);
  reader.AttachSource(skin.Data);
  reader.Unpack();
  reader.DetachSource();
  if (reader.Options() == nullptr) throw Exception(FormatText(SSkinNotLoaded, {skin.Name, SPackWithoutOptions}));
  PackedImages images = PackedImagesOf(reader);
  BuildTables([&] { model_->Load(OptionsTextOf(reader), images); }, images, "");
}

void TsSkinManager::BuildTables(const std::function<void()>& load, SkinImageSource& skinImages,
                                const std::string& skinFolder) {
  model_->SkinInfo().SkinFolder = skinFolder;
  try {
    load();
    if (!commonSections_.empty()) {
      FolderImages looseFiles(skinFolder);
      model_->ApplyCommonSections(JoinLines(commonSections_), skinImages, looseFiles);
    }
    model_->ShiftColours(hueOffset_, saturation_);
  } catch (...) {
    ClearTables();
    throw;
  }
  const std::vector<std::string>& leftOut = model_->Warnings();
  if (!leftOut.empty()) ShowPackWarning(FormatText(SSkinImagesLeftOut, {skinName_, JoinLines(leftOut)}));
}

void TsSkinManager::ClearTables() {
  model_->Clear();
}

bool TsSkinManager::SkinActive() const {
  return model_->SkinInfo().Active;
}

void TsSkinManager::SetSkinActive(bool active) {
  model_->SkinInfo().Active = active;
}

std::string TsSkinManager::SkinInfo() const {
  if (!SkinActive()) return kNoSkinInfo;
  char text[32];
  const auto written = std::to_chars(std::begin(text), std::end(text), model_->SkinInfo().Version);
  return std::string(text, written.ptr);
}

}  // namespace sundrel
