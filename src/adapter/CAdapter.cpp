#include "adapter/CAdapter.h"

#include <cstdio>
#include <cstring>

#include "adapter/RequestCatalogue.h"

namespace quoril {

using namespace catalogue;

namespace {

constexpr std::uint8_t Lo(std::uint16_t v) {
  return static_cast<std::uint8_t>(v & 0xFF);
}
constexpr std::uint8_t Hi(std::uint16_t v) {
  return static_cast<std::uint8_t>(v >> 8);
}

}  // namespace

CAdapter::CAdapter()
    : hInputAdapter(kInvalidAdapter),
      VswrByChannel{},
      ScanChannelIndex(0),
      SameSignalCount(0),
      ScanZeroCount(0),
      ThroughputTick(0),
      ThroughputWarmup(0),
      LastSignalLevel(0),
      ScanShowBer(0),
      TxPowerControl(0),
      TxPowerIndex(0),
      TxPowerValue(0),
      InputAdapter(0),
      OutputAdapter(0),
      AdapterAddress{},
      bufFD43{},
      bufFD42{},
      bufFD44{},
      bufReg3E{},
      bufReg74{},
      bufReg62{},
      bufReg66{},
      bufReg7C{},
      bufTxPower{},
      bufReg74Test{},
      bufTestCmd{},
      bufScanCmd{},
      bufTestCmd0E{},
      bufFDC1{},
      bufFD40{},
      bufCount10{},
      bufCount11{},
      bufCount12{},
      bufCount13{},
      PrevRxCount(0.0),
      PrevTxCount(0.0),
      nNdisStatus(0),
      m_Overlapped{},
      AdapterName{} {}

CAdapter::~CAdapter() {
  if (!library_) return;
  if (m_Overlapped.hEvent) library_->CloseCompletionEvent(m_Overlapped.hEvent);
  m_Overlapped.hEvent = nullptr;
  CloseInputAdapter();
}

void CAdapter::Connect(std::unique_ptr<NdisLibrary> library, AdapterUi& ui) {
  library_ = std::move(library);
  ui_ = &ui;
  m_Overlapped.hEvent = library_->CreateCompletionEvent();
  if (!m_Overlapped.hEvent) throw Initialization{};
  library_->ResetCompletionEvent(m_Overlapped.hEvent);
}

// --- Connection -------------------------------------------------------------

void CAdapter::FindInputAdapter() {
  // Searching again while a card is open would otherwise leak its handle.
  CloseInputAdapter();

  AdapterRegistryRecord record;
  for (int rc = library_->GetFirstAdapterRegistryInfo(record); rc == 0;
       rc = library_->GetNextAdapterRegistryInfo(record)) {
    const std::string_view name = record.Name();
    const std::size_t n = std::min(name.size(), sizeof AdapterName - 1);
    std::memcpy(AdapterName, name.data(), n);
    AdapterName[n] = '\0';

    hInputAdapter = library_->OpenAdapter(AdapterName);
    if (hInputAdapter == kInvalidAdapter) {
      library_->GetLastError();
      continue;
    }
    const bool answered = Probe();
    CloseInputAdapter();
    if (answered) {
      InputAdapter = 1;
      InitInputAdapter();
      return;
    }
  }
  ui_->ShowMessage("Can not find the PC card WLAN");
  ui_->ExitProcess(0);
}

bool CAdapter::Probe() {
  static constexpr std::uint8_t kProbe[] = {0x00, 0x00, Lo(kRecordProbe), Hi(kRecordProbe)};
  return Issue(NdisRequestType::kQuery, kOidRecord, bufFD42, kProbe) == kNdisStatusSuccess;
}

void CAdapter::InitInputAdapter() {
  hInputAdapter = library_->OpenAdapter(AdapterName);
  if (hInputAdapter == kInvalidAdapter) {
    library_->GetLastError();
    ui_->ShowError("Error!", "In InitInputAdapter: hInputAdapter == INVALID_HANDLE_VALUE");
    throw Initialization{};
  }
  if (PacketGetAddress(hInputAdapter, m_Overlapped, AdapterAddress)) {
    ui_->ShowError("Error!", "In InitInputAdapter: PacketGetAddress returned nonzero");
  }
  const bool failed = PacketGetChanel(hInputAdapter, m_Overlapped, bufFD43);
  char text[32];
  std::snprintf(text, sizeof text, "nNdisStatus: %04x ", nNdisStatus);
  if (failed) ui_->ShowError("Error! --> PacketGetChanel", text);
}

void CAdapter::CloseInputAdapter() {
  if (hInputAdapter == kInvalidAdapter) return;
  library_->CloseAdapter(hInputAdapter);
  hInputAdapter = kInvalidAdapter;
}

bool CAdapter::PacketGetAddress(AdapterHandle adapter, CompletionRecord& completion,
                                std::span<std::uint8_t, 6> destination) {
  return Make(adapter, NdisRequestType::kQuery, kOidCurrentAddress, destination, 0, completion) !=
         0;
}

bool CAdapter::PacketGetChanel(AdapterHandle adapter, CompletionRecord& completion,
                               std::span<std::uint8_t, 8192> destination) {
  static constexpr std::uint8_t kHeader[] = {0x08, 0x00, Lo(kRecordSignal), Hi(kRecordSignal)};
  std::memcpy(destination.data(), kHeader, sizeof kHeader);
  nNdisStatus =
      Make(adapter, NdisRequestType::kQuery, kOidRecord, destination, sizeof kHeader, completion);
  return nNdisStatus != 0;
}

// --- Issuing ----------------------------------------------------------------

std::uint32_t CAdapter::Make(AdapterHandle adapter, NdisRequestType type, std::uint32_t oid,
                             std::span<std::uint8_t> buffer, std::size_t sent,
                             CompletionRecord& completion) {
  NdisRequest request;
  request.type = type;
  request.oid = oid;
  request.buffer = buffer.data();
  request.length = static_cast<std::uint32_t>(buffer.size());
  request.sent = static_cast<std::uint32_t>(sent);
  return library_->MakeNdisRequest(adapter, request, completion, 1);
}

std::uint32_t CAdapter::Issue(NdisRequestType type, std::uint32_t oid,
                              std::span<std::uint8_t> buffer,
                              std::span<const std::uint8_t> header) {
  std::memcpy(buffer.data(), header.data(), header.size());
  nNdisStatus = Make(hInputAdapter, type, oid, buffer, header.size(), m_Overlapped);
  return nNdisStatus;
}

void CAdapter::ReadRegister(Buffer& buffer, std::uint8_t reg) {
  const std::uint8_t header[] = {kCmdReadRegister, 0x00, reg, 0x00};
  Issue(NdisRequestType::kQuery, kOidCommand, buffer, header);
}

void CAdapter::ReadRecord(std::span<std::uint8_t> buffer, std::uint16_t record,
                          std::uint8_t length) {
  const std::uint8_t header[] = {length, 0x00, Lo(record), Hi(record)};
  Issue(NdisRequestType::kQuery, kOidRecord, buffer, header);
}

void CAdapter::ReadCounter(Buffer& buffer, std::uint8_t item) {
  const std::uint8_t header[] = {item, 0x01, 0x02, 0x02};
  Issue(NdisRequestType::kQuery, kOidCounter, buffer, header);
}

// --- The catalogue ----------------------------------------------------------

bool CAdapter::PacketGetStatus() {
  ReadRecord(bufFD42, kRecordBssId, 4);
  ReadRecord(bufFD44, kRecordTxRate, 2);
  ReadRegister(bufReg3E, kRegTxPower);
  ReadRegister(bufReg74, kRegPowerReading);
  ReadRegister(bufReg7C, kRegRxLevel);
  ReadRegister(bufReg66, kRegLinkErrors);
  if (TxPowerControl != 0) ApplyTxPower();
  ReadRecord(bufFDC1, kRecordChannel, 2);
  ReadRecord(bufFD40, kRecordPortStatus, 2);
  ReadCounter(bufCount12, kCounterRx0);
  ReadCounter(bufCount13, kCounterRx1);
  ReadCounter(bufCount10, kCounterTx0);
  ReadCounter(bufCount11, kCounterTx1);
  ReadRecord(bufFD43, kRecordSignal, 2);
  return nNdisStatus != 0;
}

// The poll is how a chosen power reaches the card: written whenever the
// card's register differs from it.
void CAdapter::ApplyTxPower() {
  ReadRegister(bufTxPower, kRegTxPower);
  if (bufTxPower[kRegisterValueOffset] == TxPowerValue) return;
  const std::uint8_t write[] = {kCmdWriteRegister, 0x00, kRegTxPower, 0x00, TxPowerValue};
  Issue(NdisRequestType::kQuery, kOidCommand, bufTxPower, write);
  static constexpr std::uint8_t kApplied[] = {kCmdTest, kTestTxPowerApplied, 0x00, 0x00, 0x08,
                                              0x00};
  Issue(NdisRequestType::kQuery, kOidCommand, bufTestCmd, kApplied);
}

bool CAdapter::PacketSetChannel(std::uint8_t channel) {
  const std::uint8_t command[] = {kCmdTest, kTestSetChannel, channel, 0x00, 0x00, 0x00};
  Issue(NdisRequestType::kQuery, kOidCommand, bufTestCmd, command);
  return true;
}

bool CAdapter::PacketSetTxLevel(std::uint8_t level) {
  static constexpr std::uint8_t kFence[] = {kCmdTest, kTestTxLevelFence, 0xFF, 0xFF, 0x00, 0x00};
  const std::uint8_t write[] = {kCmdWriteRegister, 0x00, kRegTxPower, 0x00, level};
  Issue(NdisRequestType::kQuery, kOidCommand, bufTestCmd0E, kFence);
  Issue(NdisRequestType::kQuery, kOidCommand, bufTxPower, write);
  Issue(NdisRequestType::kQuery, kOidCommand, bufTestCmd0E, kFence);
  return true;
}

bool CAdapter::PacketReadReg74() {
  static constexpr std::uint8_t kRead[] = {kCmdReadRegister, 0x00, kRegPowerReading, 0x00, 0x00};
  Issue(NdisRequestType::kQuery, kOidCommand, bufReg74Test, kRead);
  return true;
}

bool CAdapter::PacketStartScan() {
  static constexpr std::uint8_t kStart[] = {kCmdTest, kTestStartScan, 0x18, 0xF5, 0x68, 0x00};
  Issue(NdisRequestType::kQuery, kOidCommand, bufScanCmd, kStart);
  return true;
}

bool CAdapter::PacketStopTest() {
  static constexpr std::uint8_t kStop[] = {kCmdTest, kTestStop, 0x20, 0x00, 0x00, 0x00};
  Issue(NdisRequestType::kQuery, kOidCommand, bufTestCmd, kStop);
  return true;
}

bool CAdapter::PacketClearReg62() {
  static constexpr std::uint8_t kClear[] = {kCmdWriteRegister, 0x00, kRegLinkErrorClear, 0x00,
                                            0x00};
  Issue(NdisRequestType::kQuery, kOidCommand, bufReg62, kClear);
  return true;
}

bool CAdapter::PacketRescan() {
  PrevRxCount = 0.0;
  PrevTxCount = 0.0;
  ThroughputWarmup = 0;
  static constexpr std::uint8_t kRescan[] = {0x0F, 0x00, 0x22, 0x00, 0x00, 0x00};
  Issue(NdisRequestType::kSet, kOidRescan, bufScanCmd, kRescan);
  return true;
}

}  // namespace quoril
