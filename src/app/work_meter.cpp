#include "app/work_meter.h"

#include <algorithm>

namespace sundrel {

WorkMeter::WorkMeter(const WorkObserver* observer, int64_t total) : observer_(observer), total_(total) {
  if (observer_ != nullptr && observer_->progress) observer_->progress(0, total_);
}

void WorkMeter::Copy(TStream& from, TStream& to, int64_t count, std::span<char> buffer) {
  if (observer_ == nullptr) {
    CopyBytes(from, to, count, buffer);
    return;
  }
  while (count > 0) {
    if (observer_->cancel != nullptr && observer_->cancel->load(std::memory_order_relaxed)) {
      throw EOperationCancelled();
    }
    const int64_t chunk = std::min<int64_t>(count, static_cast<int64_t>(buffer.size()));
    CopyBytes(from, to, chunk, buffer);
    count -= chunk;
    done_ += chunk;
    if (observer_->progress) observer_->progress(done_, total_);
  }
}

}  // namespace sundrel
