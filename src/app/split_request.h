// What a split request from the main window leads to: the part count to split into, or the
// message that tells the user why nothing is split. A split that would write nothing is never
// reported as finished.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sundrel {

inline constexpr const char* SSplitFinished = "文件分割完毕";
inline constexpr const char* SMergeFinished = "文件合并完毕";
inline constexpr const char* SSplitEmptyFile = "文件为空，无法分割";
inline constexpr const char* SSplitFileTooSmall = "文件太小，无法分割";
inline constexpr const char* SSplitCountRange = "分割数目必须在 1 到 %d 之间";
inline constexpr const char* SSplitCountInvalid = "请输入有效的分割数目";

// More parts than anyone can list, add or merge by hand; it also keeps a mistyped count (a
// billion parts of a few bytes) from flooding a folder.
inline constexpr int32_t kMaxPartCount = 99'999;

struct SplitRequest {
  int32_t partCount = 0;
  std::string refusal;  // empty when the split goes ahead
};

// The count text is read with surrounding blanks removed, as a decimal or ("$", "x", "0x")
// hexadecimal 32-bit number; a source of S bytes can be cut into 1 to S - 1 parts, and never
// into more than kMaxPartCount. The range message names the largest count that is accepted.
SplitRequest CheckSplitRequest(int64_t sourceSize, std::string_view countText);

}  // namespace sundrel
