// The recording reader over any text: it gives a recording or one
// ScenarioError, never anything else. A recording it accepts then drives the
// replaying card through start-up, polls, a scan and an antenna step.

#include <cstdint>
#include <memory>
#include <string_view>

#include "FuzzCheck.h"
#include "FuzzedCard.h"
#include "adapter/CAdapter.h"
#include "sim/RecordingLoader.h"
#include "sim/ReplayCard.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace quoril;
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  Recording recording;
  try {
    recording = ParseRecording(text, "fuzz.json");
  } catch (const ScenarioError& error) {
    FUZZ_CHECK(std::string_view(error.what()).starts_with("fuzz.json"));
    return 0;
  }

  ManualClock clock;
  fuzz::SilentUi ui;
  CAdapter adapter;
  try {
    adapter.Connect(std::make_unique<ReplayCard>(std::move(recording), clock), ui);
    adapter.FindInputAdapter();
  } catch (const CAdapter::Initialization&) {
    return 0;  // no event, or the chosen adapter would not open a second time
  }
  for (int tick = 0; tick < 8; ++tick) {
    adapter.PacketGetStatus();
    clock.Advance(Millis{tick % 2 == 0 ? 0 : 300});
  }
  adapter.PacketStartScan();
  adapter.PacketSetChannel(3);
  adapter.PacketSetTxLevel(0x80);
  adapter.PacketReadReg74();
  adapter.PacketStopTest();
  return 0;
}
