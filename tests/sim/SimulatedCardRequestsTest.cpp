// The simulated driver at the request level: what it refuses, and that it
// never writes outside the buffer it was given.

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

#include "adapter/RequestCatalogue.h"
#include "sim/ScenarioLoader.h"
#include "sim/SimulatedCard.h"

namespace quoril::testing {
namespace {

using namespace catalogue;
using Bytes = std::vector<std::uint8_t>;

class SimulatedCardRequestsTest : public ::testing::Test {
 protected:
  SimulatedCardRequestsTest() : card_(LoadScenario("office"), clock_) {
    handle_ = card_.OpenAdapter("PRISM2_1");
  }

  // Sends `header` in a buffer of `length` bytes inside a larger guarded
  // area; fails the test when anything past `length` changed.
  std::uint32_t Send(std::uint32_t oid, const Bytes& header, std::size_t length = 32,
                     NdisRequestType type = NdisRequestType::kQuery) {
    std::array<std::uint8_t, 64> area;
    area.fill(0xAA);
    std::copy(header.begin(), header.end(), area.begin());
    const auto before = area;
    const NdisRequest request{.type = type,
                              .oid = oid,
                              .buffer = area.data(),
                              .length = static_cast<std::uint32_t>(length)};
    const std::uint32_t status = card_.MakeNdisRequest(handle_, request, completion_, 1);
    for (std::size_t i = length; i < area.size(); ++i)
      EXPECT_EQ(area[i], before[i]) << "byte " << i << " beyond length " << length;
    return status;
  }

  ManualClock clock_;
  SimulatedCard card_;
  AdapterHandle handle_ = kInvalidAdapter;
  CompletionRecord completion_;
};

TEST_F(SimulatedCardRequestsTest, UnknownRequestsFailWithoutAnswering) {
  EXPECT_EQ(Send(0xFF010199, {0x02, 0x00, 0x40, 0xFD}), kNdisStatusNotSupported);
  EXPECT_EQ(Send(kOidRecord, {0x02, 0x00, 0x99, 0xFD}), kNdisStatusNotSupported);
  EXPECT_EQ(Send(kOidCommand, {0x39, 0x00, 0x00, 0x00}), kNdisStatusNotSupported);
  EXPECT_EQ(Send(kOidCommand, {0x30, 0x00, 0x7C, 0x01}), kNdisStatusNotSupported);  // 0x17C
  EXPECT_EQ(Send(kOidCounter, {0x14, 0x01, 0x02, 0x02}), kNdisStatusNotSupported);
  EXPECT_EQ(Send(kOidCommand, {0x38, 0x08, 0x00, 0, 0, 0}), kNdisStatusInvalidData);
  EXPECT_EQ(Send(kOidRescan, {0x0F, 0x00, 0x23, 0, 0, 0}, 6, NdisRequestType::kSet),
            kNdisStatusInvalidData);
  // Right request, wrong direction.
  EXPECT_EQ(Send(kOidRescan, {0x0F, 0x00, 0x22, 0, 0, 0}), kNdisStatusNotSupported);
  EXPECT_EQ(Send(kOidRecord, {0x02, 0x00, 0x40, 0xFD}, 32, NdisRequestType::kSet),
            kNdisStatusNotSupported);
}

TEST_F(SimulatedCardRequestsTest, ShortBuffersFailAndNothingIsWrittenPastTheLength) {
  // Request, header, and the shortest buffer that takes the whole answer.
  const std::tuple<std::uint32_t, Bytes, std::size_t> requests[] = {
      {kOidCurrentAddress, {}, 6},
      {kOidRecord, {0x00, 0x00, 0x01, 0xFC}, 6},
      {kOidRecord, {0x04, 0x00, 0x42, 0xFD}, 10},
      {kOidRecord, {0x02, 0x00, 0x43, 0xFD}, 10},
      {kOidCommand, {0x30, 0x00, 0x74, 0x00}, 4},
      {kOidCommand, {0x31, 0x00, 0x3E, 0x00, 0x80}, 5},
      {kOidCommand, {0x38, 0x08, 0x03, 0x00, 0x00, 0x00}, 6},
      {kOidCommand, {0x38, 0x10, 0x18, 0xF5, 0x68, 0x00}, 6},
      {kOidCounter, {0x12, 0x01, 0x02, 0x02}, 16},
  };
  for (const auto& [oid, header, length] : requests) {
    for (std::size_t tried = 20; tried-- > 0;) {
      SCOPED_TRACE(::testing::Message() << std::hex << oid << " length " << std::dec << tried);
      EXPECT_EQ(Send(oid, header, tried),
                tried >= length ? kNdisStatusSuccess : kNdisStatusBufferTooShort);
    }
  }
  EXPECT_EQ(Send(kOidRescan, {0x0F, 0x00, 0x22, 0, 0, 0}, 5, NdisRequestType::kSet),
            kNdisStatusBufferTooShort);

  const NdisRequest nothing{.oid = kOidRecord, .length = 256};  // and no buffer
  EXPECT_NE(card_.MakeNdisRequest(handle_, nothing, completion_, 1), kNdisStatusSuccess);
}

TEST_F(SimulatedCardRequestsTest, RequestsOnAHandleThatIsNotOpenFailAndOnlyListedAdaptersOpen) {
  ASSERT_EQ(card_.CloseAdapter(handle_), 0);
  EXPECT_EQ(Send(kOidRecord, {0x02, 0x00, 0x40, 0xFD}), kNdisStatusAdapterNotOpen);
  EXPECT_NE(card_.CloseAdapter(handle_), 0);  // not twice
  for (AdapterHandle stranger : {kInvalidAdapter, AdapterHandle{0}, AdapterHandle{99}}) {
    handle_ = stranger;
    EXPECT_EQ(Send(kOidRecord, {0x02, 0x00, 0x40, 0xFD}), kNdisStatusAdapterNotOpen);
  }
  EXPECT_EQ(card_.OpenAdapterCount(), 0);
  EXPECT_EQ(card_.OpenAdapter("nobody"), kInvalidAdapter);
  EXPECT_EQ(card_.OpenAdapter(nullptr), kInvalidAdapter);
}

TEST(SimulatedCardRegistryTest, OpeningFailuresAreReportedByTheCard) {
  Scenario scenario = LoadScenario("office");
  scenario.faults.push_back({Millis{100}, std::nullopt, RequestKind::kOpen, std::nullopt, 0x1234});
  ManualClock clock;
  SimulatedCard card(scenario, clock);
  EXPECT_NE(card.OpenAdapter("PRISM2_1"), kInvalidAdapter);
  clock.Advance(Millis{100});
  EXPECT_EQ(card.OpenAdapter("PRISM2_1"), kInvalidAdapter);
  EXPECT_EQ(card.GetLastError(), 0x1234u);
  scenario.faults.clear();
  scenario.adapters[1].opens = false;
  scenario.eventFails = true;
  SimulatedCard shut(scenario, clock);
  EXPECT_EQ(shut.OpenAdapter("PRISM2_1"), kInvalidAdapter);
  EXPECT_EQ(shut.GetLastError(), kNdisStatusFailure);
  EXPECT_EQ(shut.CreateCompletionEvent(), nullptr);
}

}  // namespace
}  // namespace quoril::testing
