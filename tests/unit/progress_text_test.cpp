#include "app/progress_text.h"

#include <gtest/gtest.h>

namespace sundrel {
namespace {

constexpr int64_t kMiB = 1 << 20;

TEST(ProgressText, ShowsPercentSpeedAndTimeLeft) {
  const struct {
    int64_t done, total;
    double seconds;
    const char* text;
  } cases[] = {
      {0, 100, 0, "0%"},                                         // nothing to measure yet
      {50, 100, 0, "50%"},                                       // no time has passed
      {10 * kMiB, 40 * kMiB, 2, "25%  5.0 MB/秒  剩余 0:06"},    // 30 MiB at 5 MiB/s
      {kMiB, 1024 * kMiB, 10, "0%  102.4 KB/秒  剩余 2:50:30"},  // hours once past one
      {999, 1000, 1, "99%  999 B/秒  剩余 0:01"},                // just short of the end is not 100%
      {3 * 1024 * kMiB, 3 * 1024 * kMiB, 2, "100%  1.5 GB/秒"},  // finished: no time left
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.text);
    EXPECT_EQ(ProgressText(test.done, test.total, test.seconds), test.text);
  }
}

TEST(ProgressText, PercentStaysBelowAHundredUntilTheEnd) {
  constexpr int64_t huge = INT64_MAX / 2;
  EXPECT_EQ(ProgressPercent(huge - 1, huge), 99);
  EXPECT_EQ(ProgressPercent(huge, huge), 100);
  EXPECT_EQ(ProgressPercent(0, 0), 100);  // an empty run is done
}

}  // namespace
}  // namespace sundrel
