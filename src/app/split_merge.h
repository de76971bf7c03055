// Cutting a file into equal parts and joining parts back, independent of any window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/work_observer.h"
#include "base/stream.h"

namespace sundrel {

// Part files are raw slices named "<folder>\<source name>.vexl<k>". Memory stays bounded: every
// part streams through one buffer of this size, so parts of any size (2 GiB and more) work.
inline constexpr size_t kCopyBufferSize = 1 << 20;

struct SplitPlan {
  int32_t partCount = 0;  // 0: nothing is to be written
  int64_t partSize = 0;   // all parts but the last; the last takes the remainder too
};

// What SplitFile will do for a source of this size: nothing unless 1 <= count < size.
SplitPlan PlanSplit(int64_t sourceSize, int32_t partCount);

// The folder text as the parts are written to it: trimmed of blanks and controls, ending in a
// path delimiter (an empty text becomes the root folder of the current drive).
std::string NormalizeFolderText(const std::string& folderText);

std::string PartFileName(const std::string& normalizedFolder, const std::string& sourcePath, int32_t part);

// Writes the parts of the whole source stream (from position 0); returns how many were written.
// Raises the stream layer's errors; parts written before a failure stay. Watched, the progress
// counts the source's bytes; a cancel removes the parts this run created and gives the part
// files that were there before back their names and bytes, then raises EOperationCancelled.
int32_t SplitFile(TStream& source, int32_t partCount, const std::string& folderText, const std::string& sourcePath,
                  const WorkObserver* observer = nullptr);

// Writes the concatenation of the listed files, in order, to the output. The output must not be
// one of the listed files; that is refused before anything is created. Watched, the progress
// counts the listed files' bytes; a cancel removes the output (a file it replaced comes back)
// and raises EOperationCancelled.
void MergeParts(const std::vector<std::string>& items, const std::string& outputPath,
                const WorkObserver* observer = nullptr);

// The output name a merge proposes for its first item: the text before the first ".vexl", or
// nothing when the item is not a part file name.
std::optional<std::string> MergeOutputName(const std::string& firstItem);

}  // namespace sundrel
