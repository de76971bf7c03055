// Where skins are found: the folder of external skins (SkinDirectory), the skins listed for
// the user, and the place a named skin is loaded from. Skin paths are Windows paths ("\"
// between names); the files are asked through the program's file-system seam (base/os_file.h).
#pragma once

#include <string>
#include <vector>

#include "skin/pack/stored_skins.h"

namespace sundrel {

inline constexpr const char* kDefaultSkinDirectory = "c:\\Skins";
inline constexpr const char* kPackExtension = ".asz";

// "" stays "", a path ending in "\" stays, a final "/" becomes "\", a drive letter "c" becomes
// "c:\", and anything else gets "\" appended.
std::string IncludeSeparator(const std::string& path);

// SkinDirectory made absolute against the program's folder (given with its trailing "\"):
// "..\x" is x beside the program's folder, ".\x" and a plain relative "x" are inside it, and a
// path with a drive colon or a "\\" share prefix is taken as it is. No separator is added.
std::string ResolveSkinDirectory(const std::string& skinDirectory, const std::string& programFolder);

// The pack file of a named skin: built from SkinDirectory as given, not from the resolved one.
std::string PackFileName(const std::string& skinDirectory, const std::string& skinName);

enum class SkinListFilter { InternalAndFolders = 0, InternalAndPacks = 1, All = 2 };

// Fills names with the internal skins in collection order, then the external ones of the kinds
// the filter asks for, sorted without regard to case: folders holding "Options.dat" (by folder
// name) and files whose extension is exactly ".asz" (by the name up to its first "."). Names
// beginning with "." are skipped. Answers the first internal name, else the first external name
// found, else "".
std::string GetSkinNames(std::vector<std::string>& names, SkinListFilter filter, const TsStoredSkins& internalSkins,
                         const std::string& skinDirectory, const std::string& programFolder);

struct SkinLocation {
  enum class Kind {
    Pack,      // path is the ".asz" file
    Folder,    // path is the skin's "Options.dat"
    Internal,  // internalIndex is the stored skin
    None,      // no skin of that name and no internal skins: the manager turns inactive
  };
  Kind kind = Kind::None;
  std::string path;
  int internalIndex = -1;
  // The folder of the skin's loose files (SkinFolder), with its trailing "\"; empty inside.
  std::string skinFolder;
  // The skin's name: the first internal skin's when the wanted one exists nowhere.
  std::string skinName;
};

// A named skin is a pack in SkinDirectory, else a folder there, else the internal skin of
// that name, else the first internal skin.
SkinLocation LocateSkin(const std::string& skinName, const std::string& skinDirectory, const std::string& programFolder,
                        const TsStoredSkins& internalSkins);

}  // namespace sundrel
