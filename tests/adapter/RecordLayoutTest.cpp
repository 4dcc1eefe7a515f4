// The byte layouts the real library receives.

#include <gtest/gtest.h>

#include <tuple>

#include "adapter/AdapterRegistryRecord.h"
#include "adapter/NdisRequest.h"

namespace quoril {
namespace {

TEST(NdisRequestRecord, FieldsStandAtTheirBytesLittleEndianAndReservedBytesUntouched) {
  NdisRequest::Record record;
  record.fill(0xEE);
  const NdisRequest request{.type = NdisRequestType::kSet, .oid = 0xFF020198, .length = 8192};
  request.EncodeTo(record, 0x12345678);

  const std::uint8_t expected[] = {1,    0,    0,    0,    0x98, 0x01, 0x02, 0xFF,
                                   0x78, 0x56, 0x34, 0x12, 0x00, 0x20, 0x00, 0x00,
                                   0,    0,    0,    0,    0,    0,    0,    0};
  for (std::size_t i = 0; i < sizeof expected; ++i) EXPECT_EQ(record[20 + i], expected[i]) << i;
  for (std::size_t i = 0; i < 20; ++i) EXPECT_EQ(record[i], 0xEE) << i;
  for (std::size_t i = 44; i < record.size(); ++i) ASSERT_EQ(record[i], 0xEE) << i;

  std::uint8_t buffer[4];
  const auto back = NdisRequest::Decode(record, buffer);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(std::tuple(back->type, back->oid, back->length, back->buffer),
            std::tuple(NdisRequestType::kSet, 0xFF020198u, 8192u, buffer + 0));
  EXPECT_EQ(NdisRequest::BufferAddressOf(record), 0x12345678u);

  record[20] = 7;  // neither query nor set
  EXPECT_FALSE(NdisRequest::Decode(record, buffer).has_value());
}

TEST(AdapterRegistryRecordLayout, NameAtByte520CutToFitAndAlwaysBounded) {
  AdapterRegistryRecord record;
  record.SetName("PRISM2");
  EXPECT_EQ(record.bytes[520], 'P');
  EXPECT_EQ(record.bytes[526], 0);
  EXPECT_EQ(record.Name(), "PRISM2");

  record.SetName(std::string(400, 'x'));
  EXPECT_EQ(record.Name().size(), AdapterRegistryRecord::kNameCapacity - 1);

  record.bytes.fill('y');  // a library that left no terminator
  EXPECT_EQ(record.Name().size(), AdapterRegistryRecord::kNameCapacity);
}

}  // namespace
}  // namespace quoril
