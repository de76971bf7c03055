#include "skin/pack/skin_directory.h"

#include <algorithm>

#include "base/os_file.h"

namespace sundrel {

namespace {

constexpr const char* kFolderOptionsFile = "Options.dat";

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.rfind(prefix, 0) == 0;
}

bool EndsWithSeparator(const std::string& path) {
  return !path.empty() && (path.back() == '\\' || path.back() == '/');
}

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return LowerAscii(x) < LowerAscii(y); });
}

// The folder above the program's folder, with its separator; the program's folder itself when
// it is a root, which has nothing above it.
std::string ParentOfProgramFolder(const std::string& programFolder) {
  std::string parent = programFolder.substr(0, programFolder.empty() ? 0 : programFolder.size() - 1);
  while (!parent.empty() && !EndsWithSeparator(parent)) parent.pop_back();
  return parent.empty() ? programFolder : parent;
}

bool WantsFolders(SkinListFilter filter) {
  return filter != SkinListFilter::InternalAndPacks;
}
bool WantsPacks(SkinListFilter filter) {
  return filter != SkinListFilter::InternalAndFolders;
}

std::string FolderOptionsFile(const std::string& resolvedDirectory, const std::string& skinName) {
  return resolvedDirectory + "\\" + skinName + "\\" + kFolderOptionsFile;
}

}  // namespace

std::string IncludeSeparator(const std::string& path) {
  if (path.empty() || path.back() == '\\') return path;
  if (path.back() == '/') return path.substr(0, path.size() - 1) + "\\";
  if (path.size() == 1) return path + ":\\";
  return path + "\\";
}

std::string ResolveSkinDirectory(const std::string& skinDirectory, const std::string& programFolder) {
  if (StartsWith(skinDirectory, "..")) {
    return ParentOfProgramFolder(programFolder) + skinDirectory.substr(std::min<size_t>(3, skinDirectory.size()));
  }
  if (StartsWith(skinDirectory, ".\\") || StartsWith(skinDirectory, "./")) {
    return programFolder + skinDirectory.substr(2);
  }
  if (skinDirectory.find(':') == std::string::npos && skinDirectory.find("\\\\") == std::string::npos) {
    return programFolder + skinDirectory;
  }
  return skinDirectory;
}

std::string PackFileName(const std::string& skinDirectory, const std::string& skinName) {
  return IncludeSeparator(skinDirectory) + skinName + kPackExtension;
}

std::string GetSkinNames(std::vector<std::string>& names, SkinListFilter filter, const TsStoredSkins& internalSkins,
                         const std::string& skinDirectory, const std::string& programFolder) {
  FileSystem& files = CurrentFileSystem();
  names.clear();
  for (int i = 0; i < internalSkins.Count(); ++i) names.push_back(internalSkins.Items(i).Name);
  std::string first = names.empty() ? std::string() : names.front();

  const std::string directory = ResolveSkinDirectory(skinDirectory, programFolder);
  std::vector<std::string> external;
  if (files.FolderExists(directory)) {
    for (const FolderEntry& entry : files.ListFolder(directory)) {
      if (entry.name.empty() || entry.name[0] == '.') continue;
      if (entry.isFolder) {
        if (WantsFolders(filter) && files.FileExists(FolderOptionsFile(directory, entry.name))) {
          external.push_back(entry.name);
        }
      } else if (WantsPacks(filter)) {
        const size_t lastDot = entry.name.rfind('.');
        if (lastDot != std::string::npos && entry.name.compare(lastDot, std::string::npos, kPackExtension) == 0) {
          external.push_back(entry.name.substr(0, entry.name.find('.')));
        }
      }
    }
  }
  if (first.empty() && !external.empty()) first = external.front();
  std::stable_sort(external.begin(), external.end(), LessIgnoringCase);
  names.insert(names.end(), external.begin(), external.end());
  return first;
}

SkinLocation LocateSkin(const std::string& skinName, const std::string& skinDirectory, const std::string& programFolder,
                        const TsStoredSkins& internalSkins) {
  FileSystem& files = CurrentFileSystem();
  const std::string directory = ResolveSkinDirectory(skinDirectory, programFolder);
  SkinLocation location;
  location.skinName = skinName;

  const std::string pack = PackFileName(skinDirectory, skinName);
  if (files.FileExists(pack)) {
    location.kind = SkinLocation::Kind::Pack;
    location.path = pack;
    location.skinFolder = directory + "\\";
    return location;
  }
  const std::string options = FolderOptionsFile(directory, skinName);
  if (files.FileExists(options)) {
    location.kind = SkinLocation::Kind::Folder;
    location.path = options;
    location.skinFolder = directory + "\\" + skinName + "\\";
    return location;
  }
  int index = internalSkins.IndexOfSkinName(skinName);
  if (index < 0 && internalSkins.Count() > 0) index = 0;
  if (index >= 0) {
    location.kind = SkinLocation::Kind::Internal;
    location.internalIndex = index;
    location.skinName = internalSkins.Items(index).Name;
  }
  return location;
}

}  // namespace sundrel
