#pragma once
// A card that answers the way the windows read it: register values, record
// values kept in tables, statuses picked per request kind. Sits
// on ScriptedLibrary, so every request is logged as well.

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "adapter/CAdapter.h"
#include "adapter/ScriptedLibrary.h"

namespace quoril::testing {

class CardScript {
 public:
  std::map<std::uint8_t, std::uint8_t> registers;              // answers of register reads
  std::map<std::uint16_t, std::vector<std::uint8_t>> records;  // record values from byte 4
  std::uint32_t signalRecordStatus = 0;                        // status of the 0xFD43 query
  std::uint32_t clearReg62Status = 0;                          // status of the 0x62 write

  // An adapter connected to this card. The card must outlive it.
  CardScript();
  RecordingUi ui;
  CAdapter adapter;
  ScriptedLibrary& library() { return *library_; }

  void SetSignal(std::uint8_t s) { records[0xFD43] = {0, 0, s}; }
  // Channels tuned and registers written, in request order.
  std::vector<std::uint8_t> TunedChannels() const;
  std::vector<std::uint8_t> WrittenRegisters() const;

 private:
  std::uint32_t Answer(const NdisRequest& request);
  std::vector<std::uint8_t> Sent(std::uint8_t command, int sub) const;
  ScriptedLibrary* library_;
};

}  // namespace quoril::testing
