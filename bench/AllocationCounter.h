#pragma once
// Counts heap allocations of the whole benchmark program: the global
// operator new is replaced in AllocationCounter.cpp. A figure of 0 per
// iteration shows that a code path never touches the heap.

#include <cstdint>

namespace quoril::bench {

// Allocations since the program started.
std::uint64_t AllocationCount();

// Allocations made between its construction and PerIteration().
class AllocationScope {
 public:
  AllocationScope() : start_(AllocationCount()) {}
  double PerIteration(std::int64_t iterations) const {
    return iterations > 0
               ? static_cast<double>(AllocationCount() - start_) / static_cast<double>(iterations)
               : 0.0;
  }

 private:
  std::uint64_t start_;
};

}  // namespace quoril::bench
