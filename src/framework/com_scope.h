// COM for the calling thread, for as long as the scope lives. Scopes nest: each one that
// initialised COM uninitialises it again.
#pragma once

#include <objbase.h>

namespace sundrel {

class ComScope {
 public:
  ComScope() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComScope() {
    if (initialized_) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool initialized_;
};

}  // namespace sundrel
