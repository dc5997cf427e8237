// The test program's operator new and delete: malloc and free, noting the
// largest single allocation while a watch is on.
#include "allocation_watch.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<bool> gWatching{false};
std::atomic<std::size_t> gLargest{0};
}  // namespace

void* operator new(std::size_t size) {
  if (gWatching.load(std::memory_order_relaxed)) {
    std::size_t seen = gLargest.load();
    while (size > seen && !gLargest.compare_exchange_weak(seen, size)) {
    }
  }
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace flox_test {

void StartAllocationWatch() {
  gLargest = 0;
  gWatching = true;
}

std::size_t StopAllocationWatch() {
  gWatching = false;
  return gLargest.load();
}

}  // namespace flox_test
