// The handle of something put into a list that is not the holder's own (a message hook, a
// registered factory): letting the token go takes the thing out again. Tokens are moved, never
// copied, so exactly one holder decides when that happens.
#pragma once

#include <functional>
#include <utility>

namespace sundrel {

class TRemovalToken {
 public:
  TRemovalToken() = default;
  explicit TRemovalToken(std::function<void()> remove) : remove_(std::move(remove)) {}
  ~TRemovalToken() { Remove(); }
  TRemovalToken(TRemovalToken&& other) noexcept : remove_(std::exchange(other.remove_, nullptr)) {}
  TRemovalToken& operator=(TRemovalToken&& other) noexcept {
    if (this != &other) {
      Remove();
      remove_ = std::exchange(other.remove_, nullptr);
    }
    return *this;
  }
  TRemovalToken(const TRemovalToken&) = delete;
  TRemovalToken& operator=(const TRemovalToken&) = delete;

  // Takes the thing out now; later calls do nothing.
  void Remove() {
    if (remove_) std::exchange(remove_, nullptr)();
  }
  // Whether there is still something to take out.
  explicit operator bool() const { return static_cast<bool>(remove_); }

 private:
  std::function<void()> remove_;
};

}  // namespace sundrel
