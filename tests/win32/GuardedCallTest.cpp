#include "adapter/GuardedCall.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

namespace quoril {
namespace {

using u32 = std::uint32_t;

// Weights make the result depend on the order of the arguments.
extern "C" __attribute__((stdcall, noinline)) u32 StdcallFour(u32 a, u32 b, u32 c, u32 d) {
  return a + 10 * b + 100 * c + 1000 * d;
}

extern "C" __attribute__((cdecl, noinline)) u32 CdeclFour(u32 a, u32 b, u32 c, u32 d) {
  return a + 10 * b + 100 * c + 1000 * d;
}

extern "C" __attribute__((stdcall, noinline)) u32 StdcallOne(u32 a) {
  return a * 3;
}

extern "C" __attribute__((stdcall, noinline)) u32 StdcallNone() {
  return 42;
}

// Compilers may use argument slots as locals. This stdcall callee of four
// arguments overwrites the last three of them and returns the first plus one.
extern "C" u32 WritesItsArguments(u32, u32, u32, u32) asm("quoril_test_writes_arguments");
asm(R"(
    .text
    .globl quoril_test_writes_arguments
quoril_test_writes_arguments:
    movl  $0xDEADBEEF, 8(%esp)
    movl  $0xDEADBEEF, 12(%esp)
    movl  $0xDEADBEEF, 16(%esp)
    movl  4(%esp), %eax
    incl  %eax
    ret   $16
)");

// Makes one guarded call and returns how far the stack pointer moved across
// it: written in assembly so that no compiler adjustment hides a drift.
extern "C" std::int32_t StackDrift(const void* function, const u32* arguments,
                                   u32 count) asm("quoril_test_stack_drift");
asm(R"(
    .text
    .globl quoril_test_stack_drift
quoril_test_stack_drift:
    pushl %ebx
    movl  %esp, %ebx
    pushl 16(%ebx)
    pushl 12(%ebx)
    pushl 8(%ebx)
    call  quoril_guarded_call
    addl  $12, %esp
    movl  %esp, %eax
    subl  %ebx, %eax
    movl  %ebx, %esp
    popl  %ebx
    ret
)");

std::int32_t Drift(const void* function, std::initializer_list<u32> arguments) {
  return StackDrift(function, arguments.begin(), static_cast<u32>(arguments.size()));
}

template <typename F>
const void* Address(F* function) {
  return reinterpret_cast<const void*>(function);
}

TEST(GuardedCall, PassesArgumentsInOrderUnderEitherConvention) {
  EXPECT_EQ(GuardedCall(Address(StdcallFour), {1, 2, 3, 4}), 4321u);
  EXPECT_EQ(GuardedCall(Address(CdeclFour), {5, 6, 7, 8}), 8765u);
  EXPECT_EQ(GuardedCall(Address(StdcallOne), {14}), 42u);
  EXPECT_EQ(GuardedCall(Address(StdcallNone), {}), 42u);
}

TEST(GuardedCall, LeavesTheStackAsItWasWhateverTheCalleePops) {
  EXPECT_EQ(Drift(Address(StdcallFour), {1, 2, 3, 4}), 0);  // pops what we push
  EXPECT_EQ(Drift(Address(CdeclFour), {1, 2, 3, 4}), 0);    // pops nothing
  EXPECT_EQ(Drift(Address(StdcallOne), {1, 2, 3, 4}), 0);   // pops less than we push
  EXPECT_EQ(Drift(Address(StdcallFour), {1}), 0);           // pops more than we push
  EXPECT_EQ(Drift(Address(StdcallNone), {}), 0);
}

TEST(GuardedCall, ACalleeExpectingMoreArgumentsCannotReachOurFrame) {
  EXPECT_EQ(Drift(Address(WritesItsArguments), {41}), 0);
  EXPECT_EQ(GuardedCall(Address(WritesItsArguments), {41}), 42u);
}

}  // namespace
}  // namespace quoril
