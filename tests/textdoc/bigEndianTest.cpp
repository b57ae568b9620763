#include "textdoc/bigEndian.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "support/pdbBuilder.h"

namespace {

tTestBytes written(const std::function<void(std::FILE*)>& write) {
  std::FILE* stream = std::tmpfile();
  write(stream);
  tTestBytes bytes(static_cast<std::size_t>(std::ftell(stream)));
  std::rewind(stream);
  EXPECT_EQ(std::fread(bytes.data(), 1, bytes.size(), stream), bytes.size());
  std::fclose(stream);
  return bytes;
}

}  // namespace

TEST(BigEndian, WritesBigEndianWhateverTheHost) {
  ASSERT_TRUE(selectByteOrder());
  EXPECT_EQ(written([](std::FILE* out) {
              EXPECT_EQ(writeBig32(0x406F8000, out), 1u);
              EXPECT_EQ(writeBig16(2, out), 1u);
              writeBig16(4096, out);
              writeBig32(8, out);
              writeBig16(65536, out);
            }),
            (tTestBytes{0x40, 0x6F, 0x80, 0x00, 0x00, 0x02, 0x10, 0x00, 0x00, 0x00, 0x00, 0x08,
                        0x00, 0x00}));
}

TEST(BigEndian, ConversionsAreTheirOwnInverseAndTheProbeCanRunAgain) {
  ASSERT_TRUE(selectByteOrder());
  const auto first16 = toBig16;
  const auto first32 = toBig32;
  ASSERT_TRUE(selectByteOrder());
  EXPECT_EQ(toBig16, first16);
  EXPECT_EQ(toBig32, first32);
  EXPECT_EQ(toBig16(toBig16(0x1234)), 0x1234);
  EXPECT_EQ(toBig32(toBig32(0x12345678)), 0x12345678u);
  const std::uint32_t big = toBig32(0x01020304);
  const auto* bytes = reinterpret_cast<const unsigned char*>(&big);
  EXPECT_EQ(tTestBytes(bytes, bytes + 4), (tTestBytes{1, 2, 3, 4}));
}
