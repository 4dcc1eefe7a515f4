#include "adapter/GuardedCall.h"

#if !defined(__x86_64__)
#error "GuardedCall64 is the x86-64 build's"
#endif

// x86-64 Windows has one calling convention, so a call needs no guard: the
// first four arguments go in registers, and a callee that takes fewer ignores
// the rest. The real library is 32-bit; a 64-bit build talks to a 64-bit
// stand-in only, in the tests of machines that cannot run 32-bit programs.

namespace quoril {

std::uint32_t GuardedCall(const void* function, const std::uint32_t* arguments, std::size_t count) {
  using Function =
      std::uintptr_t (*)(std::uintptr_t, std::uintptr_t, std::uintptr_t, std::uintptr_t);
  std::uintptr_t a[4] = {};
  for (std::size_t i = 0; i < count && i < 4; ++i) a[i] = arguments[i];
  return static_cast<std::uint32_t>(reinterpret_cast<Function>(function)(a[0], a[1], a[2], a[3]));
}

}  // namespace quoril
