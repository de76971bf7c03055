#include "app/split_request.h"

#include <algorithm>
#include <optional>

#include "app/split_merge.h"
#include "base/int_parse.h"
#include "base/path_text.h"

namespace sundrel {

namespace {

SplitRequest Refuse(std::string message) {
  return SplitRequest{0, std::move(message)};
}

}  // namespace

SplitRequest CheckSplitRequest(int64_t sourceSize, std::string_view countText) {
  if (sourceSize <= 0) return Refuse(SSplitEmptyFile);
  if (sourceSize == 1) return Refuse(SSplitFileTooSmall);
  const std::optional<int32_t> count = TryStrToInt(TrimControlChars(countText));
  if (!count) return Refuse(SSplitCountInvalid);
  if (*count > kMaxPartCount || PlanSplit(sourceSize, *count).partCount == 0) {
    std::string message = SSplitCountRange;
    message.replace(message.find("%d"), 2, std::to_string(std::min<int64_t>(sourceSize - 1, kMaxPartCount)));
    return Refuse(message);
  }
  return SplitRequest{*count, {}};
}

}  // namespace sundrel
