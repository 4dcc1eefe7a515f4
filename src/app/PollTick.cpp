#include "app/PollTick.h"

#include "adapter/CAdapter.h"

namespace quoril {

PollResult RunPollTick(CAdapter& adapter) {
  adapter.PacketGetStatus();
  PollState state = PollState::Load(adapter);
  PollResult result = ComputePoll(PollInputs::Read(adapter), state);
  state.Store(adapter);
  if (result.clearReg62) {
    adapter.PacketClearReg62();
    result.alarm = DriverAlarm::Judge(adapter.nNdisStatus);
  }
  return result;
}

}  // namespace quoril
