#include "app/PollInputs.h"

#include <algorithm>

#include "adapter/CAdapter.h"
#include "adapter/RequestCatalogue.h"

namespace quoril {

using namespace catalogue;

namespace {

std::uint32_t CounterOf(const CAdapter::Buffer& buffer) {
  const std::uint8_t* b = buffer.data() + kCounterValueOffset;
  return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
         static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

}  // namespace

PollInputs PollInputs::Read(const CAdapter& adapter) {
  PollInputs in;
  in.S = adapter.bufFD43[kSignalOffset];
  in.N = adapter.bufReg7C[kRegisterValueOffset];
  in.L = adapter.bufReg66[kRegisterValueOffset];
  in.P = adapter.bufFD40[kRecordValueOffset];
  std::copy_n(adapter.bufFD42.begin() + kRecordValueOffset, in.B.size(), in.B.begin());
  in.R = adapter.bufFD44[kRecordValueOffset];
  in.Ch = adapter.bufFDC1[kRecordValueOffset];
  in.T = adapter.bufReg3E[kRegisterValueOffset];
  in.M = adapter.bufReg74[kRegisterValueOffset];
  in.C10 = CounterOf(adapter.bufCount10);
  in.C11 = CounterOf(adapter.bufCount11);
  in.C12 = CounterOf(adapter.bufCount12);
  in.C13 = CounterOf(adapter.bufCount13);
  in.status = adapter.nNdisStatus;
  return in;
}

}  // namespace quoril
