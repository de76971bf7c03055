#include "app/split_merge.h"

#include <new>
#include <numeric>

#include "app/part_names.h"
#include "app/undoable_writes.h"
#include "app/work_meter.h"
#include "base/errors.h"
#include "base/path_text.h"

namespace sundrel {

namespace {

constexpr const char* SMergeIntoListedFile = "Cannot create file \"%s\". It is one of the files to merge";

std::vector<char> AllocateCopyBuffer() {
  try {
    return std::vector<char>(kCopyBufferSize);
  } catch (const std::bad_alloc&) {
    throw EStreamError(SMemoryStreamError);
  }
}

void WritePart(TStream& source, const std::string& name, int64_t size, std::span<char> buffer, WorkMeter& meter) {
  TFileStream part(name, FileMode::Create, FileShare::Exclusive);
  meter.Copy(source, part, size, buffer);
  part.Close();
}

// The sizes of the listed files as they are now, for the progress total. A file that cannot be
// opened counts nothing here and fails where the merge reaches it, as it always did.
std::vector<int64_t> ListedSizes(const std::vector<std::string>& items) {
  FileSystem& files = CurrentFileSystem();
  std::vector<int64_t> sizes;
  for (const std::string& item : items) {
    const OpenResult opened = files.Open(item, FileMode::OpenRead, FileShare::DenyNone);
    sizes.push_back(opened.file ? std::max<int64_t>(opened.file->Seek(0, SeekOrigin::End), 0) : 0);
  }
  return sizes;
}

void AppendFile(TFileStream& output, const std::string& item, int64_t expectedSize, std::span<char> buffer,
                WorkMeter& meter) {
  TFileStream input(item, FileMode::OpenRead, FileShare::DenyWrite);
  const int64_t size = input.Size();
  meter.CorrectTotal(expectedSize, size);
  meter.Copy(input, output, size, buffer);
}

void WriteMerged(const std::vector<std::string>& items, const std::vector<int64_t>& sizes,
                 const std::string& outputPath, const WorkObserver* observer) {
  TFileStream output(outputPath, FileMode::Create, FileShare::Exclusive);
  std::vector<char> buffer = AllocateCopyBuffer();
  WorkMeter meter(observer, std::accumulate(sizes.begin(), sizes.end(), int64_t{0}));
  for (size_t i = 0; i < items.size(); ++i) AppendFile(output, items[i], sizes[i], buffer, meter);
  output.Close();
}

}  // namespace

SplitPlan PlanSplit(int64_t sourceSize, int32_t partCount) {
  if (sourceSize <= 0 || partCount < 1 || partCount >= sourceSize) return {};
  return {partCount, sourceSize / partCount};
}

std::string NormalizeFolderText(const std::string& folderText) {
  return IncludeTrailingPathDelimiter(TrimControlChars(folderText));
}

std::string PartFileName(const std::string& normalizedFolder, const std::string& sourcePath, int32_t part) {
  return PartPath(normalizedFolder + ExtractFileName(sourcePath), part);
}

int32_t SplitFile(TStream& source, int32_t partCount, const std::string& folderText, const std::string& sourcePath,
                  const WorkObserver* observer, HigherParts higherParts) {
  const SplitPlan plan = PlanSplit(source.Size(), partCount);
  if (plan.partCount == 0) return 0;
  const std::string folder = NormalizeFolderText(folderText);
  std::vector<char> buffer = AllocateCopyBuffer();
  // Declared before the parts are opened, so that they are closed when it undoes them.
  UndoableWrites writes;
  for (int32_t k = 1; k <= plan.partCount; ++k) writes.WillCreate(PartFileName(folder, sourcePath, k));
  if (higherParts == HigherParts::Remove) {
    for (const std::string& part : HigherPartsOnDisk(folder + ExtractFileName(sourcePath), plan.partCount)) {
      writes.WillRemove(part);
    }
  }
  WorkMeter meter(observer, source.Size());

  source.SetPosition(0);
  for (int32_t k = 1; k <= plan.partCount; ++k) {
    const int64_t size = k == plan.partCount ? source.Size() - source.Position() : plan.partSize;
    WritePart(source, PartFileName(folder, sourcePath, k), size, buffer, meter);
  }
  writes.Commit();
  return plan.partCount;
}

void MergeParts(const std::vector<std::string>& items, const std::string& outputPath, const WorkObserver* observer) {
  FileSystem& files = CurrentFileSystem();
  for (const std::string& item : items) {
    if (files.SameFile(item, outputPath)) {
      throw EFCreateError(FormatText(SMergeIntoListedFile, {files.ExpandFileName(outputPath)}));
    }
  }

  // Unwatched, the total is never shown, so the files need not be opened twice.
  const std::vector<int64_t> sizes = observer != nullptr ? ListedSizes(items) : std::vector<int64_t>(items.size());
  UndoableWrites writes;
  writes.WillCreate(outputPath);
  // The output is closed when this returns or unwinds, as removing it needs on Windows.
  WriteMerged(items, sizes, outputPath, observer);
  writes.Commit();
}

std::optional<std::string> MergeOutputName(const std::string& firstItem) {
  const std::string text = TrimControlChars(firstItem);
  const size_t found = text.find(kPartExtension);
  if (found == std::string::npos) return std::nullopt;
  return text.substr(0, found);
}

}  // namespace sundrel
