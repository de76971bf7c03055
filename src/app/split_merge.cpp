#include "app/split_merge.h"

#include <new>

#include "base/errors.h"
#include "base/path_text.h"

namespace sundrel {

namespace {

constexpr const char* kPartExtension = ".vexl";
constexpr const char* SMergeIntoListedFile = "Cannot create file \"%s\". It is one of the files to merge";

std::vector<char> AllocateCopyBuffer() {
  try {
    return std::vector<char>(kCopyBufferSize);
  } catch (const std::bad_alloc&) {
    throw EStreamError(SMemoryStreamError);
  }
}

void WritePart(TStream& source, const std::string& name, int64_t size, std::span<char> buffer) {
  TFileStream part(name, FileMode::Create, FileShare::Exclusive);
  CopyBytes(source, part, size, buffer);
}

// Appends one listed file. On failure the output is cut back to where this file began, so it
// holds exactly the files appended before the failing one.
void AppendFile(TFileStream& output, const std::string& item, std::span<char> buffer) {
  const int64_t start = output.Position();
  TFileStream input(item, FileMode::OpenRead, FileShare::DenyWrite);
  try {
    CopyBytes(input, output, input.Size(), buffer);
  } catch (...) {
    try {
      output.SetSize(start);
    } catch (const Exception&) {
      // The original failure is what the user needs to see.
    }
    throw;
  }
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
  return normalizedFolder + ExtractFileName(sourcePath) + kPartExtension + std::to_string(part);
}

int32_t SplitFile(TStream& source, int32_t partCount, const std::string& folderText, const std::string& sourcePath) {
  const SplitPlan plan = PlanSplit(source.Size(), partCount);
  if (plan.partCount == 0) return 0;
  const std::string folder = NormalizeFolderText(folderText);
  std::vector<char> buffer = AllocateCopyBuffer();

  source.SetPosition(0);
  for (int32_t k = 1; k <= plan.partCount; ++k) {
    const int64_t size = k == plan.partCount ? source.Size() - source.Position() : plan.partSize;
    WritePart(source, PartFileName(folder, sourcePath, k), size, buffer);
  }
  return plan.partCount;
}

void MergeParts(const std::vector<std::string>& items, const std::string& outputPath) {
  FileSystem& files = CurrentFileSystem();
  for (const std::string& item : items) {
    if (files.SameFile(item, outputPath)) {
      throw EFCreateError(FormatText(SMergeIntoListedFile, {files.ExpandFileName(outputPath)}));
    }
  }

  TFileStream output(outputPath, FileMode::Create, FileShare::Exclusive);
  std::vector<char> buffer = AllocateCopyBuffer();
  for (const std::string& item : items) AppendFile(output, item, buffer);
}

std::optional<std::string> MergeOutputName(const std::string& firstItem) {
  const std::string text = TrimControlChars(firstItem);
  const size_t found = text.find(kPartExtension);
  if (found == std::string::npos) return std::nullopt;
  return text.substr(0, found);
}

}  // namespace sundrel
