#include <algorithm>
#include <filesystem>

#include "fuzz/hostile_input.h"
#include "tests/pictures/picture_fixture.h"

namespace dw::test {
namespace {

using fuzz::Outcome;

// Every reader of untrusted bytes against the kept corpus: each file under data/hostile/ is a
// crasher, a hang or a hand-made damage the reader must refuse cleanly, each under
// data/valid/ a small good file it must accept. The fuzz targets start from the same files.
struct Reader {
    const char* folder;
    Outcome (*feed)(std::span<const uint8_t>);
};

Outcome feedPictureByItsExtension(const std::filesystem::path& path,
                                  std::span<const uint8_t> bytes) {
    return fuzz::feedPicture(bytes, path.extension().string().substr(1));
}

const Reader kReaders[] = {
    {"document", fuzz::feedDocument},
    {"block_codec", fuzz::feedBlockCodec},
    {"jg8", fuzz::feedJG8},
    {"jgi", fuzz::feedJGI},
    {"colour_store", fuzz::feedColourStore},
    {"grey_store", fuzz::feedGreyStore},
    {"preset", fuzz::feedPresetTable},
    {"picture", nullptr},
    {"bmp", nullptr},
};

class KeptCorpus : public PictureTest {
  protected:
    // Feeds every file of data/GROUP/<reader>/ and expects the same outcome of each.
    void expectEveryFile(const std::string& group, Outcome expected) {
        for (const Reader& reader : kReaders) {
            const std::filesystem::path folder =
                std::filesystem::path(DAUBWERK_TEST_DATA) / group / reader.folder;
            std::vector<std::filesystem::path> files(std::filesystem::directory_iterator(folder),
                                                     {});
            std::sort(files.begin(), files.end());
            EXPECT_FALSE(files.empty()) << folder;
            for (const std::filesystem::path& file : files) {
                const std::vector<uint8_t> bytes = fileBytes(file.string());
                const Outcome outcome =
                    reader.feed ? reader.feed(bytes) : feedPictureByItsExtension(file, bytes);
                EXPECT_EQ(outcome, expected) << file;
            }
        }
    }
};

TEST_F(KeptCorpus, EveryKeptBadFileIsRefused) {
    expectEveryFile("hostile", Outcome::Refused);
}

TEST_F(KeptCorpus, EveryValidExampleIsRead) {
    expectEveryFile("valid", Outcome::Accepted);
}

}  // namespace
}  // namespace dw::test
