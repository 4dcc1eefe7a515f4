#pragma once
// The request codes, record ids, commands and registers of the PRISM II
// driver as this program uses them, and the few facts about their layouts
// that both the adapter and its observers (trace, simulated card) need.

#include <cstddef>
#include <cstdint>

namespace quoril::catalogue {

// Request codes (OIDs).
inline constexpr std::uint32_t kOidCurrentAddress = 0x01010102;  // 802.3, 6 bytes
inline constexpr std::uint32_t kOidRecord = 0xFF010181;          // card record
inline constexpr std::uint32_t kOidCommand = 0xFF010183;         // command / register
inline constexpr std::uint32_t kOidCounter = 0xFF020191;         // traffic counter
inline constexpr std::uint32_t kOidRescan = 0xFF020198;          // set: search again

// Record ids on kOidRecord.
inline constexpr std::uint16_t kRecordProbe = 0xFC01;
inline constexpr std::uint16_t kRecordPortStatus = 0xFD40;
inline constexpr std::uint16_t kRecordBssId = 0xFD42;
inline constexpr std::uint16_t kRecordSignal = 0xFD43;
inline constexpr std::uint16_t kRecordTxRate = 0xFD44;
inline constexpr std::uint16_t kRecordChannel = 0xFDC1;

// Command codes on kOidCommand.
inline constexpr std::uint8_t kCmdReadRegister = 0x30;
inline constexpr std::uint8_t kCmdWriteRegister = 0x31;
inline constexpr std::uint8_t kCmdTest = 0x38;

// Sub-codes of kCmdTest.
inline constexpr std::uint8_t kTestSetChannel = 0x08;
inline constexpr std::uint8_t kTestTxLevelFence = 0x0E;
inline constexpr std::uint8_t kTestStop = 0x0F;
inline constexpr std::uint8_t kTestStartScan = 0x10;
inline constexpr std::uint8_t kTestTxPowerApplied = 0x15;

// Registers.
inline constexpr std::uint8_t kRegTxPower = 0x3E;
inline constexpr std::uint8_t kRegLinkErrorClear = 0x62;
inline constexpr std::uint8_t kRegLinkErrors = 0x66;
inline constexpr std::uint8_t kRegPowerReading = 0x74;
inline constexpr std::uint8_t kRegRxLevel = 0x7C;

// Traffic counter items on kOidCounter.
inline constexpr std::uint8_t kCounterTx0 = 0x10;
inline constexpr std::uint8_t kCounterTx1 = 0x11;
inline constexpr std::uint8_t kCounterRx0 = 0x12;
inline constexpr std::uint8_t kCounterRx1 = 0x13;

// Where the answers stand in their buffers.
inline constexpr std::size_t kRecordValueOffset = 4;
inline constexpr std::size_t kRegisterValueOffset = 2;
inline constexpr std::size_t kCounterValueOffset = 12;
inline constexpr std::size_t kSignalOffset = 6;  // in the 0xFD43 answer

}  // namespace quoril::catalogue
