#include "cli/Interrupt.h"

#include <csignal>

namespace quoril::cli {
namespace {

// A signal handler may only touch a lock-free flag of this type.
volatile std::sig_atomic_t interrupted = 0;

void OnInterrupt(int) {
  interrupted = 1;
}

}  // namespace

void InstallInterruptHandler() {
  interrupted = 0;
  std::signal(SIGINT, OnInterrupt);
}

bool InterruptRequested() {
  return interrupted != 0;
}
void RequestInterrupt() {
  interrupted = 1;
}
void ClearInterrupt() {
  interrupted = 0;
}

}  // namespace quoril::cli
