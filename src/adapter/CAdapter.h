#pragma once
// The one way the program reaches the card: finds and opens it, owns every
// request buffer and the values the windows share, and issues every request
// of the catalogue. One instance, theAdapter, lives for the whole run.

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "adapter/AdapterUi.h"
#include "adapter/NdisLibrary.h"

namespace quoril {

class CAdapter {
 public:
  // Thrown when the adapter cannot be set up.
  class Initialization {};

  using Buffer = std::array<std::uint8_t, 256>;

  CAdapter();
  ~CAdapter();
  CAdapter(const CAdapter&) = delete;
  CAdapter& operator=(const CAdapter&) = delete;

  // Hands the adapter its card boundary and its message boxes, and creates
  // the completion event. Throws Initialization when the event cannot be
  // made. Called once, before anything else touches the card.
  void Connect(std::unique_ptr<NdisLibrary> library, AdapterUi& ui);
  bool IsConnected() const { return library_ != nullptr; }
  NdisLibrary* Library() const { return library_.get(); }

  // Connection.
  void FindInputAdapter();
  void InitInputAdapter();
  void CloseInputAdapter();
  bool PacketGetAddress(AdapterHandle adapter, CompletionRecord& completion,
                        std::span<std::uint8_t, 6> destination);
  bool PacketGetChanel(AdapterHandle adapter, CompletionRecord& completion,
                       std::span<std::uint8_t, 8192> destination);

  // The request catalogue.
  bool PacketGetStatus();
  bool PacketSetChannel(std::uint8_t channel);
  bool PacketSetTxLevel(std::uint8_t level);
  bool PacketReadReg74();
  bool PacketStartScan();
  bool PacketStopTest();
  bool PacketClearReg62();
  bool PacketRescan();

  // Members in the order the windows know them.
  AdapterHandle hInputAdapter;
  double VswrByChannel[14];
  std::uint8_t ScanChannelIndex;
  std::uint8_t SameSignalCount;
  std::uint8_t ScanZeroCount;
  std::uint8_t ThroughputTick;
  std::uint8_t ThroughputWarmup;
  std::uint8_t LastSignalLevel;
  std::int32_t ScanShowBer;
  std::int32_t TxPowerControl;
  std::int32_t TxPowerIndex;
  std::uint8_t TxPowerValue;
  std::int32_t InputAdapter;
  std::int32_t OutputAdapter;
  std::uint8_t AdapterAddress[6];
  std::array<std::uint8_t, 8192> bufFD43;
  Buffer bufFD42;
  Buffer bufFD44;
  Buffer bufReg3E;
  Buffer bufReg74;
  Buffer bufReg62;
  Buffer bufReg66;
  Buffer bufReg7C;
  Buffer bufTxPower;
  Buffer bufReg74Test;
  Buffer bufTestCmd;
  Buffer bufScanCmd;
  Buffer bufTestCmd0E;
  Buffer bufFDC1;
  Buffer bufFD40;
  Buffer bufCount10;
  Buffer bufCount11;
  Buffer bufCount12;
  Buffer bufCount13;
  double PrevRxCount;
  double PrevTxCount;
  std::uint32_t nNdisStatus;
  CompletionRecord m_Overlapped;
  char AdapterName[AdapterRegistryRecord::kNameCapacity];

 private:
  // Writes `header` into the front of `buffer`, issues the request and keeps
  // its status in nNdisStatus. No allocation.
  std::uint32_t Issue(NdisRequestType type, std::uint32_t oid, std::span<std::uint8_t> buffer,
                      std::span<const std::uint8_t> header);
  std::uint32_t Make(AdapterHandle adapter, NdisRequestType type, std::uint32_t oid,
                     std::span<std::uint8_t> buffer, std::size_t sent,
                     CompletionRecord& completion);
  bool Probe();
  void ReadRegister(Buffer& buffer, std::uint8_t reg);
  void ReadRecord(std::span<std::uint8_t> buffer, std::uint16_t record, std::uint8_t length);
  void ReadCounter(Buffer& buffer, std::uint8_t item);
  void ApplyTxPower();

  std::unique_ptr<NdisLibrary> library_;
  AdapterUi* ui_ = nullptr;
};

}  // namespace quoril
