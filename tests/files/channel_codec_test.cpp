#include <gtest/gtest.h>

#include <vector>

#include "files/byte_stream.h"
#include "files/channel_codec.h"

namespace dw {
namespace {

std::vector<uint8_t> encode(const std::vector<uint8_t>& plane, uint32_t width, uint32_t height,
                            uint32_t quality = 1) {
    MemorySink sink;
    EXPECT_TRUE(WriteCompressed2(sink, plane.data(), width, height, quality));
    return sink.bytes();
}

std::vector<uint8_t> decode(const std::vector<uint8_t>& stream, uint32_t width, uint32_t height,
                            uint32_t quality = 1, StreamState expected = StreamState::Complete) {
    std::vector<uint8_t> plane(std::size_t(width) * height, 0xAA);
    MemorySource source(stream);
    EXPECT_EQ(ReadCompressed2(source, plane.data(), width, height, quality), expected);
    return plane;
}

TEST(ChannelCodecLayout, SinglePixelIsOneBlockPackedMostSignificantBitFirst) {
    const std::vector<uint8_t> stream = encode({200}, 1, 1);
    // Code 7 (mean 12, deviation 188), base 0, then the offset 100 and 15 zero offsets:
    // 124 bits, so 16 bytes with the last one partly filled.
    ASSERT_EQ(stream.size(), 4u + 16u);
    EXPECT_EQ(loadLE32(stream.data()), 16u);
    EXPECT_EQ(stream[4], 0x70);
    EXPECT_EQ(stream[5], 0x0C);
    EXPECT_EQ(stream[6], 0x80);
    for (std::size_t i = 7; i < stream.size(); ++i) {
        EXPECT_EQ(stream[i], 0) << i;
    }
    EXPECT_EQ(decode(stream, 1, 1), std::vector<uint8_t>{200});
}

TEST(ChannelCodecLayout, ConstantPlaneIsFlatBlocksIncludingTheExtraPadding) {
    // 8 x 8 pads to 12 x 12: nine blocks, four of picture and five of zero padding, 12 bits
    // each.
    const std::vector<uint8_t> stream = encode(std::vector<uint8_t>(64, 50), 8, 8);
    ASSERT_EQ(stream.size(), 4u + 14u);
    EXPECT_EQ(stream[4], 0x03);  // code 0000, value 0011 0010 ...
    EXPECT_EQ(stream[5] >> 4, 0x2);
    EXPECT_EQ(decode(stream, 8, 8), std::vector<uint8_t>(64, 50));
}

TEST(ChannelCodecLayout, BlackAndWhiteBlockUsesSevenBitsFromBaseZero) {
    std::vector<uint8_t> plane(16, 0);
    for (int i = 8; i < 16; ++i) {
        plane[i] = 255;
    }
    const std::vector<uint8_t> stream = encode(plane, 4, 4);
    EXPECT_EQ(stream[4], 0x70);  // code 7, base 0
    const std::vector<uint8_t> back = decode(stream, 4, 4);
    EXPECT_EQ(back[0], 0);
    EXPECT_EQ(back[15], 254);
}

TEST(ChannelCodecLayout, NearlyFlatBlockComesBackAsItsMean) {
    std::vector<uint8_t> plane(16, 10);
    for (int i = 0; i < 16; i += 2) {
        plane[i] = 12;
    }
    EXPECT_EQ(decode(encode(plane, 4, 4), 4, 4), std::vector<uint8_t>(16, 11));
}

// Fifteen cells of 100 and one of 100 + deviation: mean 100, average deviation 0.
int codeChosen(uint32_t quality, int deviation) {
    std::vector<uint8_t> plane(16, 100);
    plane[5] = uint8_t(100 + deviation);
    return encode(plane, 4, 4, quality)[4] >> 4;
}

TEST(ChannelCodecCodes, EachStepHasItsOwnTableAndAdjustment) {
    EXPECT_EQ(codeChosen(1, 1), 0);  // step 2
    EXPECT_EQ(codeChosen(1, 2), 2);
    EXPECT_EQ(codeChosen(1, 4), 3);
    EXPECT_EQ(codeChosen(1, 15), 4);
    EXPECT_EQ(codeChosen(0, 2), 2);  // exponent 0 is step 2 as well
    EXPECT_EQ(codeChosen(2, 3), 0);  // step 4: 3 lowered to 2
    EXPECT_EQ(codeChosen(2, 4), 2);  // not lowered: 4 - 0 is not below 4
    EXPECT_EQ(codeChosen(3, 2), 0);  // step 8: 2 lowered to 1
    EXPECT_EQ(codeChosen(3, 3), 1);  // lowered to 2
    EXPECT_EQ(codeChosen(3, 8), 2);
    EXPECT_EQ(codeChosen(4, 3), 0);  // step 16: lowered to 2
    EXPECT_EQ(codeChosen(4, 4), 1);
    EXPECT_EQ(codeChosen(4, 15), 1);
    EXPECT_EQ(codeChosen(5, 7), 0);  // step 32, no adjustment
    EXPECT_EQ(codeChosen(5, 8), 1);
    EXPECT_EQ(codeChosen(6, 150), 0);  // step 64 and up: always flat
    EXPECT_EQ(codeChosen(0xFFFFFFFFu, 150), 0);
}

TEST(ChannelCodecRoundTrip, StepTwoStaysWithinOneForEveryShape) {
    for (uint32_t width : {1u, 3u, 4u, 13u}) {
        for (uint32_t height : {1u, 5u, 8u}) {
            std::vector<uint8_t> plane(std::size_t(width) * height);
            uint32_t seed = width * 31 + height;
            for (uint8_t& v : plane) {
                seed = seed * 1103515245u + 12345u;
                v = uint8_t(seed >> 16);
            }
            const std::vector<uint8_t> back = decode(encode(plane, width, height), width, height);
            for (std::size_t i = 0; i < plane.size(); ++i) {
                EXPECT_LE(std::abs(int(back[i]) - int(plane[i])), 1) << width << "x" << height;
            }
        }
    }
}

TEST(ChannelCodecRoundTrip, CoarserStepsDecodeWithTheirBias) {
    std::vector<uint8_t> plane(16, 100);
    plane[5] = 140;  // step 8: mean 102, deviation 38, so code 4 and base 64
    const std::vector<uint8_t> stream = encode(plane, 4, 4, 3);
    EXPECT_EQ(stream[4] >> 4, 4);
    const std::vector<uint8_t> back = decode(stream, 4, 4, 3);
    EXPECT_EQ(back[0], 4 * 8 + 64 + 3);
    EXPECT_EQ(back[5], 9 * 8 + 64 + 3);
}

TEST(ChannelCodecDamage, ShortStreamReadsMissingBitsAsZero) {
    std::vector<uint8_t> stream = encode(std::vector<uint8_t>(16, 77), 4, 4);
    storeLE32(stream.data(), 1);  // keep only the first byte of the stream
    stream.resize(5);
    const std::vector<uint8_t> back = decode(stream, 4, 4, 1, StreamState::ShortStream);
    EXPECT_EQ(back[0], 0x40);  // code 0, value 0100 then zeros
}

TEST(ChannelCodecDamage, StreamEndingBeforeItsByteCountIsReported) {
    std::vector<uint8_t> stream = encode({1, 2, 3, 4, 5, 6}, 3, 2);
    storeLE32(stream.data(), 0xFFFFFFFFu);
    decode(stream, 3, 2, 1, StreamState::SourceEnded);
    stream.resize(2);  // not even a byte count
    decode(stream, 3, 2, 1, StreamState::SourceEnded);
}

TEST(ChannelCodecDamage, CodesTheWriterNeverUsesStayInRange) {
    std::vector<uint8_t> stream(4 + 64, 0xFF);  // code 15, value 255, offsets all ones
    storeLE32(stream.data(), 64);
    const std::vector<uint8_t> back = decode(stream, 3, 3);
    EXPECT_EQ(back, std::vector<uint8_t>(9, 255));
    EXPECT_EQ(decode(stream, 3, 3, 40), std::vector<uint8_t>(9, 255));
}

TEST(ChannelCodecDamage, SurplusBytesInAStreamAreSkippedSoTheNextPlaneLinesUp) {
    std::vector<uint8_t> first = encode({9, 9, 9, 9}, 2, 2);
    storeLE32(first.data(), loadLE32(first.data()) + 3);
    first.insert(first.end(), {1, 2, 3});
    const std::vector<uint8_t> second = encode({40, 42, 44, 46}, 2, 2);
    first.insert(first.end(), second.begin(), second.end());
    MemorySource source(first);
    std::vector<uint8_t> plane(4);
    EXPECT_EQ(ReadCompressed2(source, plane.data(), 2, 2, 1), StreamState::Complete);
    EXPECT_EQ(ReadCompressed2(source, plane.data(), 2, 2, 1), StreamState::Complete);
    EXPECT_EQ(plane[3], 46);  // even offsets from base 0 survive exactly
}

}  // namespace
}  // namespace dw
