// The bytes, order, lengths and statuses of every card operation.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

#include "adapter/CAdapter.h"
#include "adapter/CardScript.h"
#include "adapter/RequestCatalogue.h"

namespace quoril::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

class CAdapterCatalogue : public ::testing::Test {
 protected:
  CardScript card;
  CAdapter& adapter = card.adapter;
  ScriptedLibrary* lib = &card.library();
};

const std::vector<std::string> kPollHead = {
    "q ff010181 256 04 00 42 fd", "q ff010181 256 02 00 44 fd", "q ff010183 256 30 00 3e 00",
    "q ff010183 256 30 00 74 00", "q ff010183 256 30 00 7c 00", "q ff010183 256 30 00 66 00"};
const std::vector<std::string> kPollTail = {
    "q ff010181 256 02 00 c1 fd", "q ff010181 256 02 00 40 fd", "q ff020191 256 12 01 02 02",
    "q ff020191 256 13 01 02 02", "q ff020191 256 10 01 02 02", "q ff020191 256 11 01 02 02",
    "q ff010181 8192 02 00 43 fd"};

std::vector<std::string> Poll(std::vector<std::string> middle) {
  std::vector<std::string> all = kPollHead;
  all.insert(all.end(), middle.begin(), middle.end());
  all.insert(all.end(), kPollTail.begin(), kPollTail.end());
  return all;
}

TEST_F(CAdapterCatalogue, PollByPowerControlState) {
  adapter.TxPowerControl = 0;
  adapter.bufTxPower.fill(0xAA);
  adapter.PacketGetStatus();
  EXPECT_THAT(lib->Described(), ElementsAreArray(Poll({})));
  EXPECT_EQ(adapter.bufTxPower[0], 0xAA) << "control off must not touch bufTxPower";

  lib->log.clear();
  adapter.TxPowerControl = 1;
  adapter.TxPowerValue = 128;
  card.registers[catalogue::kRegTxPower] = 128;
  adapter.PacketGetStatus();
  EXPECT_THAT(lib->Described(), ElementsAreArray(Poll({"q ff010183 256 30 00 3e 00"})));

  lib->log.clear();
  adapter.TxPowerValue = 200;
  adapter.PacketGetStatus();
  EXPECT_THAT(lib->Described(),
              ElementsAreArray(Poll({"q ff010183 256 30 00 3e 00", "q ff010183 256 31 00 3e 00 c8",
                                     "q ff010183 256 38 15 00 00 08 00"})));
}

TEST_F(CAdapterCatalogue, FailingRequestDoesNotStopThePollAndLastStatusRemains) {
  adapter.TxPowerControl = 0;
  lib->statusAt[2] = 0xC0000001;  // the first register read
  EXPECT_FALSE(adapter.PacketGetStatus());
  EXPECT_EQ(lib->Requests().size(), 13u);
  EXPECT_EQ(adapter.nNdisStatus, 0u);

  lib->statusAt[13 + 12] = 6;  // the next poll's signal record
  EXPECT_TRUE(adapter.PacketGetStatus());
  EXPECT_EQ(adapter.nNdisStatus, 6u);
}

TEST_F(CAdapterCatalogue, TestCommandsAndRegisterWrites) {
  adapter.PacketSetChannel(14);
  adapter.PacketSetTxLevel(128);
  adapter.PacketReadReg74();
  adapter.PacketStartScan();
  adapter.PacketStopTest();
  adapter.PacketClearReg62();
  EXPECT_THAT(lib->Described(),
              ElementsAre("q ff010183 256 38 08 0e 00 00 00", "q ff010183 256 38 0e ff ff 00 00",
                          "q ff010183 256 31 00 3e 00 80", "q ff010183 256 38 0e ff ff 00 00",
                          "q ff010183 256 30 00 74 00 00", "q ff010183 256 38 10 18 f5 68 00",
                          "q ff010183 256 38 0f 20 00 00 00", "q ff010183 256 31 00 62 00 00"));
}

TEST_F(CAdapterCatalogue, RescanResetsThroughputWhateverTheCardAnswers) {
  adapter.PrevRxCount = 5.0;
  adapter.PrevTxCount = 7.0;
  adapter.ThroughputWarmup = 3;
  lib->statusAt[0] = 0xC0000001;
  EXPECT_TRUE(adapter.PacketRescan());
  EXPECT_EQ(std::tuple(adapter.PrevRxCount, adapter.PrevTxCount, adapter.ThroughputWarmup),
            std::tuple(0.0, 0.0, 0));
  EXPECT_THAT(lib->Described(), ElementsAre("set ff020198 256 0f 00 22 00 00 00"));
  EXPECT_EQ(adapter.nNdisStatus, 0xC0000001u);
}

}  // namespace
}  // namespace quoril::testing
