// One split or merge on a thread of its own, so that the window that started it keeps answering.
// The window reads the progress when it likes, asks for a stop with Cancel, and learns of the end
// through the `finished` call, made on the worker thread once the job and everything it held
// (the open source, say) is gone.
#pragma once

#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <thread>

#include "app/work_observer.h"

namespace sundrel {

struct WorkProgress {
  int64_t done = 0;
  int64_t total = 0;
};

class BackgroundWork {
 public:
  using Job = std::function<void(const WorkObserver& observer)>;

  // Starts the job at once. `finished` must not touch a window: it only passes the word on.
  BackgroundWork(Job job, std::function<void()> finished);
  // Stops a job that still runs and waits for its thread.
  ~BackgroundWork();
  BackgroundWork(const BackgroundWork&) = delete;
  BackgroundWork& operator=(const BackgroundWork&) = delete;

  void Cancel() { cancel_.store(true, std::memory_order_relaxed); }
  bool Cancelling() const { return cancel_.load(std::memory_order_relaxed); }
  WorkProgress Progress() const;
  // True once the job and what it held are gone (set just before `finished` is called): the
  // window can learn of the end from this alone, should the word passed on never arrive.
  bool Done() const { return done_flag_.load(std::memory_order_acquire); }

  // Call once `finished` was called: waits for the thread and raises what the job raised
  // (EOperationCancelled after a cancel), on the calling thread.
  void Finish();

 private:
  void Run(Job job, std::function<void()> finished);

  std::atomic<int64_t> done_{0};
  std::atomic<int64_t> total_{0};
  std::atomic<bool> cancel_{false};
  std::atomic<bool> done_flag_{false};
  WorkObserver observer_;
  std::exception_ptr error_;
  std::thread thread_;
};

}  // namespace sundrel
