#include "adapter/GuardedCall.h"

#if !defined(__i386__) || !defined(__GNUC__)
#error "GuardedCall is written for 32-bit x86 with GCC or Clang"
#endif

// The thunk is plain assembly: the compiler must not touch the stack between
// saving and restoring it. EBX keeps the stack pointer across the call; both
// conventions preserve EBX, ESI, EDI and EBP. Spare room above the arguments
// takes the reads and writes of a callee that expects more arguments than it
// gets, so that it cannot reach our saved registers; the stack is 16-byte
// aligned at the call, which GCC-built callees may rely on.
extern "C" std::uint32_t quoril_guarded_call(const void* function, const std::uint32_t* arguments,
                                             std::uint32_t count) asm("quoril_guarded_call");

asm(R"(
    .text
    .p2align 4
    .globl quoril_guarded_call
quoril_guarded_call:
    pushl %ebp
    movl  %esp, %ebp
    pushl %ebx
    pushl %esi
    movl  %esp, %ebx
    subl  $64, %esp
    movl  12(%ebp), %esi
    movl  16(%ebp), %ecx
    leal  (,%ecx,4), %eax
    subl  %eax, %esp
    andl  $-16, %esp
    addl  %eax, %esp
1:  testl %ecx, %ecx
    jz    2f
    decl  %ecx
    pushl (%esi,%ecx,4)
    jmp   1b
2:  call  *8(%ebp)
    movl  %ebx, %esp
    popl  %esi
    popl  %ebx
    popl  %ebp
    ret
)");

namespace quoril {

std::uint32_t GuardedCall(const void* function, const std::uint32_t* arguments, std::size_t count) {
  return quoril_guarded_call(function, arguments, static_cast<std::uint32_t>(count));
}

}  // namespace quoril
