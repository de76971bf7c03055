// The line the window shows beside the progress bar while a split or merge runs: how much is
// done, how fast it goes and how long the rest will take, e.g. "37%  12.5 MB/秒  剩余 0:42".
#pragma once

#include <cstdint>
#include <string>

namespace sundrel {

// The whole percentage done, rounded down so that 100% means finished; 0 of 0 is 100%.
int ProgressPercent(int64_t done, int64_t total);

// `seconds` is the time since the run started. The speed is the average since then, which
// steadies the time left better than the last moment's speed; both are left out until there is
// something to measure.
std::string ProgressText(int64_t done, int64_t total, double seconds);

}  // namespace sundrel
