#include "adapter/GuardedCall.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

namespace quoril {
namespace {

// Weights make the result depend on the order of the arguments.
extern "C" __attribute__((stdcall, noinline)) std::uint32_t StdcallFour(std::uint32_t a,
                                                                        std::uint32_t b,
                                                                        std::uint32_t c,
                                                                        std::uint32_t d) {
  return a + 10 * b + 100 * c + 1000 * d;
}

extern "C" __attribute__((cdecl, noinline)) std::uint32_t CdeclFour(std::uint32_t a,
                                                                    std::uint32_t b,
                                                                    std::uint32_t c,
                                                                    std::uint32_t d) {
  return a + 10 * b + 100 * c + 1000 * d;
}

extern "C" __attribute__((stdcall, noinline)) std::uint32_t StdcallOne(std::uint32_t a) {
  return a * 3;
}

extern "C" __attribute__((stdcall, noinline)) std::uint32_t StdcallNone() {
  return 42;
}

// Compilers may use argument slots as locals. This stdcall callee of four
// arguments overwrites the last three of them and returns the first plus one.
extern "C" std::uint32_t WritesItsArguments(std::uint32_t, std::uint32_t, std::uint32_t,
                                            std::uint32_t) asm("quoril_test_writes_arguments");
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
extern "C" std::int32_t StackDrift(const void* function, const std::uint32_t* arguments,
                                   std::uint32_t count) asm("quoril_test_stack_drift");
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

std::int32_t Drift(const void* function, std::initializer_list<std::uint32_t> arguments) {
  return StackDrift(function, arguments.begin(), static_cast<std::uint32_t>(arguments.size()));
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

TEST(GuardedCall, SurvivesManyCallsInALoop) {
  // A drift of four bytes a call would add up to a crash here.
  std::uint32_t sum = 0;
  for (std::uint32_t i = 0; i < 10000; ++i) {
    sum += GuardedCall(Address(StdcallFour), {i, 0, 0, 0});
    sum += GuardedCall(Address(CdeclFour), {i, 0, 0, 0});
    sum += GuardedCall(Address(StdcallOne), {1, 2, 3, 4});
  }
  EXPECT_EQ(sum, 2 * 49995000u + 3 * 10000u);
}

}  // namespace
}  // namespace quoril
