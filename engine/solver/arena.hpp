#pragma once

// The memory the solver's per-node arrays live in: large zeroed blocks from
// the system, and the fixed-length arrays built on them.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <span>
#include <type_traits>

namespace halvory {

namespace detail {
// Zeroed memory for the per-node arrays, 64-byte aligned. Blocks from a
// megabyte on are fresh pages from the system, which come zeroed (so
// nothing has to clear them) and go back to it when freed; large ones are
// aligned to 2 MiB and, where the system offers it, backed by huge pages,
// because the solver jumps between nodes all over the arrays and small pages
// would cost a TLB miss on nearly every node. Throws std::bad_alloc;
// free_large(nullptr, ...) does nothing.
void* allocate_large(std::size_t bytes);
void free_large(void* p, std::size_t bytes) noexcept;
// Has the system back [p, p + bytes) of a block from allocate_large now
// instead of on the solver's first write to each page; the contents stay
// zero. Disjoint ranges may be touched from different threads at once.
void prefault_large(void* p, std::size_t bytes) noexcept;
// Asks the system to back [p, p + bytes) with small pages from now on.
void keep_small_pages(void* p, std::size_t bytes) noexcept;
struct LargeFree {
  std::size_t bytes = 0;
  void operator()(void* p) const noexcept { free_large(p, bytes); }
};
}  // namespace detail

// A fixed-length array, all zero at allocation.
template <class T>
struct Arena {
  static_assert(std::is_trivially_default_constructible_v<T> &&
                std::is_trivially_destructible_v<T>);
  std::unique_ptr<T[], detail::LargeFree> data;
  std::size_t size = 0;

  void allocate(std::size_t n) {
    data.reset();
    size = 0;
    if (n == 0) return;
    if (n > SIZE_MAX / sizeof(T)) throw std::bad_alloc();
    data = std::unique_ptr<T[], detail::LargeFree>(
        static_cast<T*>(detail::allocate_large(n * sizeof(T))), detail::LargeFree{n * sizeof(T)});
    size = n;
  }
  void release() {
    data.reset();
    size = 0;
  }
  std::span<T> all() { return {data.get(), size}; }
  std::span<const T> all() const { return {data.get(), size}; }
};

}  // namespace halvory
