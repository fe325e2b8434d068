#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cfloat>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#include <tbb/global_control.h>

#include "canvas/canvas.h"
#include "canvas/undo_history.h"
#include "files/byte_stream.h"
#include "files/document_file.h"
#include "files/safe_file_writer.h"
#include "platform/address_space_limit.h"
#include "tests/support/file_contents.h"
#include "tests/support/message_capture.h"
#include "tests/support/message_texts.h"
#include "tests/support/temp_dir.h"

namespace dw {
namespace {

using test::kCannotOpen;
const char* const kCorrupt = test::kNotADocument;

std::vector<uint8_t> header(int32_t magic, int32_t version, int32_t width, int32_t height) {
    std::vector<uint8_t> bytes(kDocumentHeaderSize, 0);
    storeLE32(&bytes[0], uint32_t(magic));
    storeLE32(&bytes[4], uint32_t(version));
    storeLE32(&bytes[8], uint32_t(width));
    storeLE32(&bytes[12], uint32_t(height));
    return bytes;
}

class DocumentFile : public ::testing::Test {
  protected:
    void SetUp() override {
        painting.create(7, 5);
        for (uint32_t y = 0; y < 5; ++y) {
            for (uint32_t x = 0; x < 7; ++x) {
                CanvasCell& c = painting.cellForWriting(x, y);
                c.red = uint8_t(x * 37 + y);
                c.green = uint8_t(y * 51);
                c.blue = uint8_t(x ^ y);
                c.paint = uint8_t(x * y * 9);
                c.gloss = uint8_t(255 - x * 20);
                c.height = float(x) * 0.37f - float(y) * 1.5f;
            }
        }
        painting.lighting = true;
        painting.shaded = true;
        // Something a refused load must keep.
        history.pushSnapshot(painting);
    }

    // Loads a file into a fresh 3 x 3 painting that must survive any refusal.
    bool load(const std::string& path, Canvas& target) {
        target.create(3, 3);
        target.cellForWriting(1, 1).red = 42;
        return LoadDocument(target, path);
    }

    void expectRefusedWith(const std::vector<uint8_t>& bytes,
                           const std::vector<std::string>& texts) {
        test::writeFileBytes(dir.file("bad.pai"), bytes);
        test::MessageCapture messages;
        Canvas target;
        EXPECT_FALSE(load(dir.file("bad.pai"), target));
        EXPECT_EQ(messages.texts(), texts);
        EXPECT_EQ(target.width(), 3u);
        EXPECT_EQ(target.at(1, 1).red, 42);
        EXPECT_EQ(history.count(), 1u);
    }

    test::TempDir dir;
    Canvas painting;
    UndoHistory history;
};

TEST_F(DocumentFile, SavedPaintingComesBackWithExactHeightsAndBytesWithinOne) {
    ASSERT_TRUE(SaveDocument(painting, dir.file("a.pai")));
    Canvas loaded;
    loaded.lighting = true;
    ASSERT_TRUE(load(dir.file("a.pai"), loaded));
    ASSERT_EQ(loaded.width(), 7u);
    ASSERT_EQ(loaded.height(), 5u);
    EXPECT_FALSE(loaded.shaded);
    EXPECT_TRUE(loaded.lighting);  // switches belong to the painting, not the file
    for (uint32_t y = 0; y < 5; ++y) {
        for (uint32_t x = 0; x < 7; ++x) {
            const CanvasCell& a = painting.at(x, y);
            const CanvasCell& b = loaded.at(x, y);
            EXPECT_EQ(std::memcmp(&a.height, &b.height, 4), 0);
            EXPECT_LE(std::abs(a.red - b.red), 1);
            EXPECT_LE(std::abs(a.green - b.green), 1);
            EXPECT_LE(std::abs(a.blue - b.blue), 1);
            EXPECT_LE(std::abs(a.paint - b.paint), 1);
            EXPECT_LE(std::abs(a.gloss - b.gloss), 1);
        }
    }
}

// 64-bit FNV-1a.
uint64_t digest(const uint8_t* bytes, std::size_t size) {
    uint64_t hash = 14695981039346656037ull;
    for (std::size_t i = 0; i < size; ++i) {
        hash = (hash ^ bytes[i]) * 1099511628211ull;
    }
    return hash;
}

// Random cells in patches of noise, ramps and flat paint, gloss often 0 or 255, heights often
// at the float's extremes.
void fillRandomly(Canvas& canvas, uint32_t width, uint32_t height, std::mt19937& random) {
    const float extremes[] = {0.0f,    -0.0f,        FLT_MAX, -FLT_MAX,
                              FLT_MIN, FLT_TRUE_MIN, 1e30f,   -1e-30f};
    canvas.create(width, height);
    CanvasCell* cells = canvas.cellsForWriting();
    for (uint32_t y = 0; y < height; ++y) {
        for (uint32_t x = 0; x < width; ++x) {
            CanvasCell& c = cells[std::size_t(y) * width + x];
            uint8_t* bytes = &c.red;
            for (int p = 0; p < 5; ++p) {
                const uint32_t kind = (x / 5 + y / 3 + uint32_t(p)) % 3;
                bytes[p] = kind == 0 ? uint8_t(random()) : kind == 1 ? uint8_t(x * 7 + y) : 200;
            }
            const uint32_t pick = random() % 4;
            c.gloss = pick == 0 ? 0 : pick == 1 ? 255 : c.gloss;
            c.height = random() % 2 ? extremes[random() % 8] : float(int32_t(random())) * 1e-3f;
        }
    }
}

// What the encoder and decoder have always written and read back for the sizes below (the
// last one's heights more than one chunk): a stored painting must not move by a byte, whatever
// the number of threads.
TEST(DocumentBytes, FilesAndTheCellsLoadedFromThemStayTheSameAtEverySizeAndThreadCount) {
    const uint32_t sizes[][2] = {{1, 1}, {1, 5000}, {5000, 1}, {517, 389}, {1025, 300}};
    const uint64_t expected[][2] = {
        {0x61270a3213bbc825ull, 0xc883df5e45a5817bull},
        {0x9bc6041e954e730full, 0x8fddf913bb8faff9ull},
        {0xdf4864bdf8521caeull, 0x4b756d287750e0c0ull},
        {0x2c32093d55c1c748ull, 0x185ee23e7e9a648full},
        {0xffb99f0aa50a0fdfull, 0x93ceacc9c8d7d260ull},
    };
    test::TempDir dir;
    std::mt19937 random(23);
    for (std::size_t i = 0; i < std::size(sizes); ++i) {
        Canvas painting;
        fillRandomly(painting, sizes[i][0], sizes[i][1], random);
        for (const int threads : {1, 2}) {
            SCOPED_TRACE(testing::Message()
                         << sizes[i][0] << " x " << sizes[i][1] << ", threads " << threads);
            tbb::global_control limit(tbb::global_control::max_allowed_parallelism, threads);
            ASSERT_TRUE(SaveDocument(painting, dir.file("d.pai")));
            const std::vector<uint8_t> file = test::fileBytes(dir.file("d.pai"));
            Canvas loaded;
            ASSERT_TRUE(LoadDocument(loaded, dir.file("d.pai")));
            const auto* cells = reinterpret_cast<const uint8_t*>(loaded.cells());
            EXPECT_EQ(digest(file.data(), file.size()), expected[i][0]);
            EXPECT_EQ(digest(cells, loaded.cellCount() * sizeof(CanvasCell)), expected[i][1]);
        }
    }
}

TEST_F(DocumentFile, OneCellDocumentHasOneBlockPerPlane) {
    painting.create(1, 1);
    ASSERT_TRUE(SaveDocument(painting, dir.file("one.pai")));
    const std::vector<uint8_t> file = test::fileBytes(dir.file("one.pai"));
    // Red, green, blue: 255 among padding zeros is a coded block of 16 bytes; paint and
    // gloss are flat blocks of 2 bytes; then one raw float.
    ASSERT_EQ(file.size(), 80u + 3 * (4 + 16) + 2 * (4 + 2) + 4);
    EXPECT_EQ(loadLE32(&file[0]), 24279u);
    EXPECT_EQ(loadLE32(&file[4]), 2u);
    EXPECT_EQ(loadLE32(&file[8]), 1u);
    EXPECT_EQ(loadLE32(&file[12]), 1u);
    Canvas loaded;
    ASSERT_TRUE(load(dir.file("one.pai"), loaded));
    EXPECT_EQ(loaded.width(), 1u);
    EXPECT_EQ(loaded.at(0, 0).red, 254);  // odd distance from base 0: one lower
    EXPECT_EQ(loaded.at(0, 0).gloss, 0);
}

TEST_F(DocumentFile, ExactDocumentIsRawCellsWithTheUnusedBytesZero) {
    painting.cellForWriting(0, 0).unused[1] = 99;
    ASSERT_TRUE(SaveDocument(painting, dir.file("raw.pai"), DocumentVersion::RawCells));
    const std::vector<uint8_t> file = test::fileBytes(dir.file("raw.pai"));
    ASSERT_EQ(file.size(), 80u + 12 * 7 * 5);
    EXPECT_EQ(loadLE32(&file[4]), 1u);
    EXPECT_EQ(file[80 + 6], 0);
    Canvas loaded;
    ASSERT_TRUE(load(dir.file("raw.pai"), loaded));
    painting.cellForWriting(0, 0).unused[1] = 0;
    EXPECT_EQ(std::memcmp(loaded.cells(), painting.cells(), 12 * 7 * 5), 0);
}

// A wrong magic or a size outside the painting limit is corrupt; an unknown version asks for a
// later program, except version 3, which is refused silently.
TEST_F(DocumentFile, HeadersThatCannotBeReadAreRefused) {
    const std::string later = "The file you selected requires a later version of Daubwerk!";
    const struct {
        int32_t magic, version, width, height;
        std::vector<std::string> texts;
    } cases[] = {
        {24279 + 1, 2, 1, 1, {kCorrupt}},
        {24279, 0, 1, 1, {later}},
        {24279, 4, 1, 1, {later}},
        {24279, -2, 1, 1, {later}},
        {24279, 3, 1, 1, {}},
        {24279, 2, 0, 5, {kCorrupt}},
        {24279, 1, 5001, 1, {kCorrupt}},
        {24279, 2, 4, -4, {kCorrupt}},
        {24279, 1, 0x40000000, 0x40000000, {kCorrupt}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.magic << " v" << c.version << " " << c.width << " x " << c.height);
        expectRefusedWith(header(c.magic, c.version, c.width, c.height), c.texts);
    }
    test::MessageCapture messages;
    test::writeFileBytes(dir.file("bad.pai"), header(0, 2, 1, 1));
    Canvas target;
    load(dir.file("bad.pai"), target);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].caption, "Error");
    EXPECT_EQ(messages.shown()[0].icon, platform::MessageIcon::Warning);
    EXPECT_EQ(messages.shown()[0].owner, platform::MessageOwner::Frame);
}

TEST_F(DocumentFile, BodiesThatEndEarlyAreCorrupt) {
    ASSERT_TRUE(SaveDocument(painting, dir.file("a.pai")));
    std::vector<uint8_t> compressed = test::fileBytes(dir.file("a.pai"));
    for (std::size_t keep : {std::size_t(40), std::size_t(85), compressed.size() - 1}) {
        expectRefusedWith({compressed.begin(), compressed.begin() + std::ptrdiff_t(keep)},
                          {kCorrupt});
    }
    ASSERT_TRUE(SaveDocument(painting, dir.file("r.pai"), DocumentVersion::RawCells));
    std::vector<uint8_t> raw = test::fileBytes(dir.file("r.pai"));
    raw.pop_back();
    expectRefusedWith(raw, {kCorrupt});
}

TEST_F(DocumentFile, HeaderPromisingMoreThanTheFileHoldsIsRefusedBeforeTheBody) {
    // 5000 x 5000 in 100 bytes: neither version's body can fit, so not a byte of it is read.
    for (int32_t version : {1, 2}) {
        std::vector<uint8_t> bytes = header(24279, version, 5000, 5000);
        bytes.resize(100, 0x11);
        MemorySource source(bytes);
        Canvas target;
        EXPECT_EQ(readDocument(source, bytes.size(), target), DocumentReadResult::Corrupt);
        EXPECT_EQ(source.position(), kDocumentHeaderSize);
        EXPECT_FALSE(target.hasCells());
    }
}

TEST_F(DocumentFile, FailedSaveLeavesTheOldFileAndNoLitter) {
    ASSERT_TRUE(SaveDocument(painting, dir.file("keep.pai")));
    const std::vector<uint8_t> before = test::fileBytes(dir.file("keep.pai"));
    {
        SafeFileWriter writer;
        ASSERT_TRUE(writer.begin(dir.file("keep.pai")));
        writer.stream().write("partial", 7);
        // Destroyed without commit: the save failed half-way.
    }
    EXPECT_EQ(test::fileBytes(dir.file("keep.pai")), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_FALSE(SaveDocument(painting, dir.file("no/such/folder/x.pai")));
    Canvas empty;
    EXPECT_FALSE(SaveDocument(empty, dir.file("keep.pai")));
    EXPECT_EQ(test::fileBytes(dir.file("keep.pai")), before);
}

TEST_F(DocumentFile, ADocumentTooLargeForTheMemoryLeftIsReportedAndLosesNothing) {
    if (!platform::kAddressSpaceLimitable) {
        GTEST_SKIP() << "the address sanitizer reserves more address space than any limit allows";
    }
    // Kept alive, so that its cells are not there to be taken again.
    Canvas large;
    large.create(4000, 4000);
    ASSERT_TRUE(SaveDocument(large, dir.file("large.pai")));
    // In a child held to 64 MB more address space than it has: the 192 MB of cells cannot come.
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::size_t pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const rlim_t limit = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + (64u << 20);
        const rlimit held{limit, limit};
        test::MessageCapture messages;
        Canvas target;
        const bool loaded = setrlimit(RLIMIT_AS, &held) == 0 && load(dir.file("large.pai"), target);
        const bool kept = target.width() == 3 && target.at(1, 1).red == 42;
        _exit(!loaded && kept && messages.texts() == std::vector<std::string>{"Out of memory!"}
                  ? 0
                  : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
}  // namespace dw
