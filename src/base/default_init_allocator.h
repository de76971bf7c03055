// Byte buffers that are filled right after they are sized (an inflated pack entry, a decoded
// picture) need not be cleared first: vectors with this allocator leave new elements of plain
// types uninitialised when they grow, where the standard allocator would zero them, so such
// memory is written once instead of twice.
#pragma once

#include <memory>
#include <new>
#include <type_traits>
#include <utility>

namespace sundrel {

template <class T>
class DefaultInitAllocator : public std::allocator<T> {
 public:
  template <class U>
  struct rebind {
    using other = DefaultInitAllocator<U>;
  };

  DefaultInitAllocator() = default;
  template <class U>
  DefaultInitAllocator(const DefaultInitAllocator<U>&) noexcept {}

  // Default-initialisation: nothing at all for plain types.
  template <class U>
  void construct(U* place) noexcept(std::is_nothrow_default_constructible_v<U>) {
    ::new (static_cast<void*>(place)) U;
  }
  template <class U, class... Args>
  void construct(U* place, Args&&... args) {
    std::construct_at(place, std::forward<Args>(args)...);
  }
};

}  // namespace sundrel
