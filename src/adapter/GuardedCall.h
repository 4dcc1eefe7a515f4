#pragma once
// Calls a function of a foreign 32-bit library whose calling convention we
// cannot know: stdcall (the callee pops its arguments) or cdecl (the caller
// does). The arguments are pushed right to left, the stack pointer is saved
// in a callee-saved register and restored after the call, so either
// convention, and even a callee that pops the wrong number of bytes, leaves
// our stack as it was.

#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace quoril {

// Calls `function` with the 32-bit `arguments` and returns what it left in
// EAX. x86 (32-bit) only.
std::uint32_t GuardedCall(const void* function, const std::uint32_t* arguments, std::size_t count);

inline std::uint32_t GuardedCall(const void* function,
                                 std::initializer_list<std::uint32_t> arguments) {
  return GuardedCall(function, arguments.begin(), arguments.size());
}

}  // namespace quoril
