#include "common/byteOrder.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

TEST(SwapBytes, ReversesFieldsOfTwoThreeAndFourBytes) {
  struct tCase {
    std::size_t size;
    std::array<unsigned char, 5> expected;
  };
  const tCase cases[] = {
      {0, {1, 2, 3, 4, 5}}, {1, {1, 2, 3, 4, 5}}, {2, {2, 1, 3, 4, 5}},
      {3, {3, 2, 1, 4, 5}}, {4, {4, 3, 2, 1, 5}}, {5, {1, 2, 3, 4, 5}},
  };
  for (const auto& test : cases) {
    std::array<unsigned char, 5> field{1, 2, 3, 4, 5};
    swapBytes(field.data(), test.size);
    EXPECT_EQ(field, test.expected) << "size " << test.size;
  }
}

TEST(ByteOrder, ReadsBigEndianAndWritesLittleEndianWhateverTheHost) {
  const unsigned char big[] = {0x40, 0x6F, 0x80, 0x01};
  EXPECT_EQ(getBig16(big), 0x406Fu);
  EXPECT_EQ(getBig32(big), 0x406F8001u);

  std::array<unsigned char, 6> out{};
  putLittle16(out.data(), 0x8938);
  putLittle32(out.data() + 2, 0x0102A0B0);
  EXPECT_EQ(out, (std::array<unsigned char, 6>{0x38, 0x89, 0xB0, 0xA0, 0x02, 0x01}));
}
