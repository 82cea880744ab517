#include "ChunkStream.h"

#include <gtest/gtest.h>

using namespace mKavrano_TrackIO_1_3;

TEST(ChunkStream, ScalarsReadBigEndian) {
    const std::vector<uint8_t> bytes = {0x00, 0x00, 0x01, 0x00, 0xFF, 0xFF, 0xFF, 0xFE, 0x3F, 0x80,
                                        0x00, 0x00, 0x7F, 0x10, 0x20, 0x30, 0x01, 0x00, 0xAB};
    ChunkInput in{bytes};
    EXPECT_EQ(ReadLong(in), 256);
    EXPECT_EQ(ReadLong(in), -2);
    EXPECT_EQ(ReadSingle(in), 1.0f);
    // Bytes 0, blue, green, red: the leading 7F is dropped.
    EXPECT_EQ(ReadColour(in), 0x00102030u);
    EXPECT_TRUE(ReadBoolean(in));
    EXPECT_FALSE(ReadBoolean(in));
    EXPECT_EQ(ReadByte(in), 0xAB);
    EXPECT_EQ(in.Cursor, bytes.size());
    EXPECT_FALSE(in.Overrun);
}

TEST(ChunkStream, ScalarsWriteBigEndian) {
    ChunkOutput out;
    WriteLong(out, -2);
    WriteSingle(out, 1.0f);
    WriteColour(out, 0x7F102030u); // a top byte is never written
    WriteBoolean(out, true);
    WriteBoolean(out, false);
    WriteTag(out, "SEGM");
    WriteZeros(out, 2);
    WriteCountedText(out, "ab");
    const std::vector<uint8_t> expected = {0xFF, 0xFF, 0xFF, 0xFE, 0x3F, 0x80, 0x00, 0x00, 0x00,
                                           0x10, 0x20, 0x30, 0xFF, 0x00, 'S',  'E',  'G',  'M',
                                           0x00, 0x00, 0,    0,    0,    2,    'a',  'b'};
    EXPECT_EQ(out.FileData, expected);
    EXPECT_EQ(out.Cursor, expected.size());
}

TEST(ChunkStream, TextsAndTags) {
    const std::vector<uint8_t> bytes = {0,   0,    0,    0,   0,   0,   0,  3,
                                        'x', 0xE9, 0x00, 's', 'c', 'e', 'n'};
    ChunkInput in{bytes};
    EXPECT_EQ(ReadCountedText(in), "");
    EXPECT_EQ(in.Cursor, 4u); // an empty text is only its length
    // Every byte survives as one character, including non-ASCII and NUL.
    EXPECT_EQ(ReadCountedText(in), std::string("x\xE9\0", 3));
    EXPECT_EQ(ReadTag(in), "SCEN");
    EXPECT_FALSE(in.Overrun);
}

TEST(ChunkStream, OverrunIsStickyAndYieldsZeros) {
    const std::vector<uint8_t> bytes = {0x00, 0x00, 0x00, 0x05, 'a', 0x12, 0x34};
    ChunkInput in{bytes};
    EXPECT_EQ(ReadCountedText(in), ""); // claims 5 bytes, 3 remain
    EXPECT_TRUE(in.Overrun);
    EXPECT_EQ(ReadByte(in), 0); // nothing is read once the data ran out
    EXPECT_EQ(ReadLong(in), 0);

    const std::vector<uint8_t> negative = {0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b'};
    ChunkInput neg{negative};
    EXPECT_EQ(ReadCountedText(neg), "");
    EXPECT_TRUE(neg.Overrun);

    const std::vector<uint8_t> three = {1, 2, 3};
    ChunkInput shortLong{three};
    EXPECT_EQ(ReadLong(shortLong), 0);
    EXPECT_TRUE(shortLong.Overrun);
}
