// How a caller on another thread watches a split or a merge and stops it.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

#include "base/errors.h"

namespace sundrel {

inline constexpr const char* SOperationCancelled = "Operation cancelled";

struct WorkObserver {
  // Called on the working thread: once with 0 bytes done before anything is written, then after
  // every copied chunk (at most one call per kCopyBufferSize bytes). `done` never goes back and
  // never passes `total`; a run that succeeds ends with a call where done == total. An exception
  // thrown here ends the run like a failed write.
  std::function<void(int64_t done, int64_t total)> progress;
  // Read before every chunk. Once it holds true the run undoes what it wrote and raises
  // EOperationCancelled. When null, nothing can stop the run.
  const std::atomic<bool>* cancel = nullptr;
};

// A run stopped on request: not a failure to report, and never a finished run.
class EOperationCancelled : public Exception {
 public:
  EOperationCancelled() : Exception(SOperationCancelled) {}
};

}  // namespace sundrel
