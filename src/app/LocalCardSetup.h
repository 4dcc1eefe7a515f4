#pragma once
// The card boundary the program runs on, from its options: the simulated
// card with a scenario (there is no real request library on this platform),
// optionally behind a tracer. Owns the clock and the trace stream, which
// must outlive the adapter that uses the boundary.

#include <cstdio>
#include <memory>
#include <string>

#include "adapter/Clock.h"
#include "adapter/NdisLibrary.h"

namespace quoril {

struct CardOptions {
  std::string scenario;  // built-in name or JSON file; empty: the default
  std::string trace;     // file, "-" for standard error; empty: no trace
};

class CardSetup {
 public:
  // Throws ScenarioError for a scenario that cannot be loaded and
  // std::runtime_error for a trace file that cannot be opened.
  explicit CardSetup(const CardOptions& options);
  ~CardSetup();
  CardSetup(const CardSetup&) = delete;
  CardSetup& operator=(const CardSetup&) = delete;

  // The boundary, once.
  std::unique_ptr<NdisLibrary> TakeLibrary() { return std::move(library_); }
  bool Simulated() const { return true; }

 private:
  SteadyClock clock_;
  std::FILE* trace_ = nullptr;
  bool ownsTrace_ = false;
  std::unique_ptr<NdisLibrary> library_;
};

}  // namespace quoril
