// Copies a run's bytes in chunks, telling the observer how far it got and stopping when asked.
#pragma once

#include <cstdint>
#include <span>

#include "app/work_observer.h"
#include "base/stream.h"

namespace sundrel {

class WorkMeter {
 public:
  // Reports 0 of `total` at once. Without an observer it only copies.
  WorkMeter(const WorkObserver* observer, int64_t total);

  // Moves count bytes as CopyBytes does. Watched, it moves them a buffer at a time, checking the
  // cancel flag before each chunk and reporting after it; unwatched, in one go as before.
  void Copy(TStream& from, TStream& to, int64_t count, std::span<char> buffer);

  // A file turned out larger or smaller than expected when the total was counted.
  void CorrectTotal(int64_t expected, int64_t actual) { total_ += actual - expected; }

 private:
  const WorkObserver* observer_;
  int64_t total_;
  int64_t done_ = 0;
};

}  // namespace sundrel
