// Files that reach the main window by its add button or dropped from the shell: the split page
// takes one as its source, the merge page lists them in part order.
// <windows.h> must come before the other system headers.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <algorithm>

#include "app/part_names.h"
#include "app/umain.h"
#include "app/window_texts.h"
#include "base/errors.h"
#include "base/os_file.h"
#include "base/path_text.h"
#include "base/utf.h"
#include "framework/file_checks.h"
#include "framework/message_form.h"

namespace sundrel {

namespace {

// The dropped names; the drop's memory is the receiver's to free, whatever happens.
std::vector<std::string> TakeDroppedFiles(HDROP drop) {
  struct Finish {
    HDROP drop;
    ~Finish() { DragFinish(drop); }
  } finish{drop};
  std::vector<std::string> paths;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring name(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    name.resize(DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size())));
    paths.push_back(FromWide(name));
  }
  return paths;
}

// A folder is no file to split or merge, and a file we cannot open would only fail later.
bool CanUse(const std::string& path) {
  return FileExists(path) && CurrentFileSystem().Open(path, FileMode::OpenRead, FileShare::DenyNone).file != nullptr;
}

}  // namespace

void Tfrmmain::AddToMergeList(const std::vector<std::string>& files) {
  std::vector<std::string> ordered = OrderChosenFiles(files);
  if (ordered.size() == 1) {
    // Only the parts not listed yet: adding 10 to 12 first and then part 1 must not offer (and
    // list a second time) the parts that are there already.
    const std::vector<std::string> listed = slst1->Items().ToVector();
    std::vector<std::string> following;
    for (std::string& part : FindFollowingParts(ordered.front())) {
      if (std::find(listed.begin(), listed.end(), part) == listed.end()) following.push_back(std::move(part));
    }
    if (!following.empty() && AskYesNo(FormatText(SAddFollowingParts, {ExtractFileName(following.front()),
                                                                       ExtractFileName(following.back())}))) {
      ordered.insert(ordered.end(), following.begin(), following.end());
    }
  }
  for (const std::string& file : ordered) slst1->Items().Add(file);
}

void Tfrmmain::FilesDropped(WPARAM drop) {
  const std::vector<std::string> paths = TakeDroppedFiles(reinterpret_cast<HDROP>(drop));
  for (const std::string& path : paths) {
    if (!CanUse(path)) {
      ShowMessage(FormatText(SDropRefused, {path}));
      return;
    }
  }
  if (sPageControl1->ActivePage() == sTabSheet2) {
    AddToMergeList(paths);
  } else if (paths.size() == 1) {
    SetSource(paths.front());
  } else {
    ShowMessage(SDropOneSource);
  }
}

}  // namespace sundrel
