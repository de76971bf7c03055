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

// What a split does with parts of the same name numbered above its count, left by an earlier
// split into more parts.
enum class HigherParts { Keep, Remove };

// Split and merge are transactions: they complete, or they raise and leave the folder exactly as
// it was (files they would replace or remove back with their bytes, files they created gone),
// whether a cancel, a failed create, read, write or close ended them. Every written file is
// flushed and closed with its result checked before the run counts as complete. An existing
// file to be replaced that is read-only, or cannot be set aside until the run is over, is
// refused before anything is written (EFCreateError naming it).

// Writes the parts of the whole source stream (from position 0); returns how many were written.
// Watched, the progress counts the source's bytes; a cancel raises EOperationCancelled.
int32_t SplitFile(TStream& source, int32_t partCount, const std::string& folderText, const std::string& sourcePath,
                  const WorkObserver* observer = nullptr, HigherParts higherParts = HigherParts::Keep);

// Writes the concatenation of the listed files, in order, to the output. The output must not be
// one of the listed files; that is refused before anything is created. Watched, the progress
// counts the listed files' bytes; a cancel raises EOperationCancelled.
void MergeParts(const std::vector<std::string>& items, const std::string& outputPath,
                const WorkObserver* observer = nullptr);

// The output name a merge proposes for its first item: the text before the first ".vexl", or
// nothing when the item is not a part file name.
std::optional<std::string> MergeOutputName(const std::string& firstItem);

}  // namespace sundrel
