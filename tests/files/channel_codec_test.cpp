#include <gtest/gtest.h>

#include <random>
#include <vector>

#include <tbb/global_control.h>

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
    // An odd distance from base 0 cannot be stored in steps of two: it comes back one lower.
    EXPECT_EQ(decode(encode({255}, 1, 1), 1, 1), std::vector<uint8_t>{254});
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

// Planes interleaved in 12-byte records like a painting's cells: noise, smooth ramps and flat
// patches side by side, so that every code and both padding edges occur.
std::vector<uint8_t> mixedRecords(uint32_t width, uint32_t height, std::mt19937& random) {
    std::vector<uint8_t> records(std::size_t(width) * height * 12);
    for (uint32_t y = 0; y < height; ++y) {
        for (uint32_t x = 0; x < width; ++x) {
            uint8_t* record = records.data() + (std::size_t(y) * width + x) * 12;
            for (int p = 0; p < 12; ++p) {
                const uint32_t kind = (x / 9 + y / 7 + uint32_t(p)) % 3;
                record[p] = kind == 0 ? uint8_t(random()) : kind == 1 ? uint8_t(x * 3 + y) : 77;
            }
        }
    }
    return records;
}

// 64-bit FNV-1a of a stream's bytes.
uint64_t digest(const std::vector<uint8_t>& bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (const uint8_t b : bytes) {
        hash = (hash ^ b) * 1099511628211ull;
    }
    return hash;
}

// What the plane-by-plane encoder wrote for the cases below, one size after another, the
// qualities in order: the files of stored paintings must not move by a byte.
constexpr uint64_t kEncodedDigests[] = {
    0x264606f450bec0fbull, 0x5daa013dd2f59f29ull, 0x1cb475f1776970dfull, 0x497bf20aabf406bbull,
    0x089aa9f192deef8full, 0x63f069c919774524ull, 0xe575b7d6f90bbbc8ull, 0x90828c8afea41b9cull,
    0x711196df13f879ceull, 0xdef46d2fb705c334ull, 0x83139889cd57e21dull, 0x19e2bb25b8995806ull,
    0x6c37f8f38a2c2414ull, 0xdb2818ac35fdb862ull, 0xae7ca9217e7eb4c7ull, 0xa394c350c6eb1da5ull,
    0xf9e803a8a1cb6c2dull, 0x060dc86d34e03118ull, 0xe5998605f0a42d80ull, 0x14e67ea399f3c448ull,
    0xac15f446471f4c3bull, 0x0a052ac2a7646190ull, 0xc7de9451f7d1c075ull, 0xcd5971f1bc0300eeull,
    0xd6df37c8d2ae3fa3ull, 0x81edb498d39c07fbull, 0xe9865f19da429d86ull, 0x55110fb26ae86e6full,
    0x0f8b5b2312e3c71aull, 0x30b66ef362c37f14ull,
};

// The one-walk parallel encoder writes exactly the bytes the plane-by-plane encoder wrote, at
// every step, size and thread count; and the one-walk decoder gives back what the single-plane
// one does.
TEST(ChannelCodecPlanes, AllPlanesAtOnceWriteAndReadTheBytesOfOnePlaneAtATime) {
    std::mt19937 random(5);
    const uint32_t sizes[][2] = {{1, 1}, {3, 7}, {64, 65}, {1, 300}, {300, 1}, {1021, 37}};
    const uint64_t* expected = kEncodedDigests;
    for (const auto& size : sizes) {
        const uint32_t width = size[0];
        const uint32_t height = size[1];
        const std::vector<uint8_t> records = mixedRecords(width, height, random);
        for (const uint32_t quality : {1u, 2u, 3u, 5u, 40u}) {
            std::vector<std::vector<uint8_t>> planes(5);
            for (int p = 0; p < 5; ++p) {
                for (std::size_t i = 0; i < std::size_t(width) * height; ++i) {
                    planes[p].push_back(records[i * 12 + std::size_t(p)]);
                }
            }
            const uint64_t want = *expected++;
            for (const int threads : {1, 2}) {
                SCOPED_TRACE(testing::Message() << width << " x " << height << ", quality "
                                                << quality << ", threads " << threads);
                tbb::global_control limit(tbb::global_control::max_allowed_parallelism, threads);
                MemorySink sink;
                ASSERT_TRUE(
                    WriteCompressedPlanes(sink, records.data(), 12, 5, width, height, quality));
                ASSERT_EQ(digest(sink.bytes()), want);
                std::vector<uint8_t> back(records.size(), 0xEE);
                MemorySource source(sink.bytes());
                ASSERT_EQ(ReadCompressedPlanes(source, back.data(), 12, 5, width, height, quality),
                          StreamState::Complete);
                MemorySource single(sink.bytes());
                for (int p = 0; p < 5; ++p) {
                    std::vector<uint8_t> plane(planes[p].size());
                    ASSERT_EQ(ReadCompressed2(single, plane.data(), width, height, quality),
                              StreamState::Complete);
                    for (std::size_t i = 0; i < plane.size(); ++i) {
                        ASSERT_EQ(back[i * 12 + std::size_t(p)], plane[i]) << i;
                        ASSERT_EQ(back[i * 12 + 5], 0xEE);  // bytes of no plane stay untouched
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace dw
