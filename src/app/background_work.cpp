#include "app/background_work.h"

#include <utility>

namespace sundrel {

BackgroundWork::BackgroundWork(Job job, std::function<void()> finished) {
  observer_.progress = [this](int64_t done, int64_t total) {
    total_.store(total, std::memory_order_relaxed);
    done_.store(done, std::memory_order_relaxed);
  };
  observer_.cancel = &cancel_;
  thread_ = std::thread(&BackgroundWork::Run, this, std::move(job), std::move(finished));
}

BackgroundWork::~BackgroundWork() {
  Cancel();
  if (thread_.joinable()) thread_.join();
}

void BackgroundWork::Run(Job job, std::function<void()> finished) {
  try {
    job(observer_);
  } catch (...) {
    error_ = std::current_exception();
  }
  // What the job holds goes before anyone hears of the end: a source it kept open is closed
  // by the time the window shows its message.
  job = nullptr;
  done_flag_.store(true, std::memory_order_release);
  finished();
}

WorkProgress BackgroundWork::Progress() const {
  return {done_.load(std::memory_order_relaxed), total_.load(std::memory_order_relaxed)};
}

void BackgroundWork::Finish() {
  if (thread_.joinable()) thread_.join();
  if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
}

}  // namespace sundrel
