#include <cstdlib>
#include <fstream>
#include <set>

#include "core/painting_commands.h"
#include "core/pictures/export_picture.h"
#include "core/pictures/thumbnail.h"
#include "files/image_file.h"
#include "tests/pictures/picture_fixture.h"
#include "tests/support/file_contents.h"

namespace dw::test {
namespace {

// Archives are read and made by Python's own zip module, and their PNGs read by ImageMagick,
// so that neither side of a round trip checks itself.
constexpr const char* kArchiveTool = R"(
import subprocess, sys, zipfile, zlib, struct

def png(width, height, rgba):
    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data)))
    rows = b''.join(b'\0' + rgba[y * width * 4:(y + 1) * width * 4] for y in range(height))
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(rows)) + chunk(b'IEND', b''))

def archive(path, entries):
    with zipfile.ZipFile(path, 'w') as z:
        z.writestr('mimetype', 'image/openraster', zipfile.ZIP_STORED)
        for name, data in entries:
            z.writestr(name, data, zipfile.ZIP_DEFLATED if data else zipfile.ZIP_STORED)

def size(data):
    open('probe.png', 'wb').write(data)
    return subprocess.run(['identify', '-format', '%wx%h', 'probe.png'],
                          capture_output=True, text=True).stdout

if sys.argv[1] == 'check':
    z = zipfile.ZipFile(sys.argv[2])
    first = z.infolist()[0]
    stack = z.read('stack.xml').decode()
    print(first.filename, first.compress_type == zipfile.ZIP_STORED, z.read('mimetype').decode(),
          stack.count('<layer '), size(z.read('mergedimage.png')),
          size(z.read('Thumbnails/thumbnail.png')), end='')
pixel = lambda r, g, b, a=255: bytes([r, g, b, a])
if sys.argv[1] == 'hostile':
    small = png(2, 2, pixel(9, 9, 9) * 4)
    # A picture that readers take whole, trailed by zeros that unpack to more than any layer.
    archive('bomb.ora', [('mergedimage.png', small + bytes(129 << 20))])
    archive('climbing.ora', [('../mergedimage.png', small), ('mergedimage.png', small)])
    archive('crowded.ora', [('mergedimage.png', small)] + [('e%d' % i, b'') for i in range(100000)])
    archive('oversized.ora', [('mergedimage.png', png(5001, 1, pixel(1, 2, 3) * 5001))])
    archive('cut.ora', [('mergedimage.png', small)])
    cut = open('cut.ora', 'rb').read()
    open('cut.ora', 'wb').write(cut[:len(cut) // 2] + cut[-22:])
if sys.argv[1] == 'layers':
    stack = ('<?xml version="1.0"?><image w="4" h="2"><stack>'
             '<layer src="data/top.png" visibility="hidden"/>'
             '<layer name="x" src="data/middle.png" x="1" y="1" opacity="0.5"/>'
             '<layer src="data/bottom.png" visibility="visible"/></stack></image>')
    archive('layers.ora', [('stack.xml', stack), ('data/top.png', png(4, 2, pixel(255, 0, 0) * 8)),
                           ('data/middle.png', png(2, 1, pixel(0, 255, 0) * 2)),
                           ('data/bottom.png', png(4, 2, pixel(0, 0, 255) * 8))])
)";

class OpenRasterTest : public PictureTest {
  protected:
    std::string runTool(const std::string& arguments) {
        std::ofstream("archive_tool.py") << kArchiveTool;
        EXPECT_EQ(std::system(("python3 archive_tool.py " + arguments + " > tool.out").c_str()), 0);
        return fileText("tool.out");
    }
};

TEST_F(OpenRasterTest, AnExportedPaintingTravelsAsShownAndComesBackTheSame) {
    AppState state;
    ASSERT_TRUE(newPainting(state, 300, 20));
    for (uint32_t y = 0; y < 20; ++y) {
        for (uint32_t x = 0; x < 300; ++x) {
            state.painting.cellForWriting(x, y) = {uint8_t(x), 20,        uint8_t(200 - 9 * y), 30,
                                                   200,        {0, 0, 0}, float((x * y) % 7)};
        }
    }
    setLighting(state, true);
    ASSERT_TRUE(exportPainting(state, "travel.ora"));
    const Surface& shown = state.painting.surface();
    const Surface thumbnail = scaledToFit(shown, 256);
    EXPECT_EQ(runTool("check travel.ora"),
              "mimetype True image/openraster 1 300x20 256x" + std::to_string(thumbnail.height()));

    Surface loaded;
    ASSERT_TRUE(LoadImageFile(loaded, "travel.ora"));
    EXPECT_EQ(colours(loaded), colours(shown));
}

TEST_F(OpenRasterTest, HostileArchivesAreRefusedAndNothingIsWritten) {
    runTool("hostile");
    const auto listing = [] {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(".")) {
            names.insert(entry.path().filename().string());
        }
        return names;
    };
    const std::set<std::string> before = listing();
    for (const char* name :
         {"bomb.ora", "climbing.ora", "crowded.ora", "oversized.ora", "cut.ora"}) {
        Surface loaded;
        EXPECT_FALSE(LoadImageFile(loaded, name, ImageMessages::Hidden)) << name;
    }
    EXPECT_EQ(listing(), before);
    EXPECT_FALSE(std::filesystem::exists("../mergedimage.png"));
}

// Without a merged picture the visible layers are laid bottom to top over white paper.
TEST_F(OpenRasterTest, LayersAreCompositedWhenNoMergedPictureIsThere) {
    runTool("layers");
    Surface loaded;
    ASSERT_TRUE(LoadImageFile(loaded, "layers.ora"));
    EXPECT_EQ(colours(loaded), colours(makePicture(4, 2, [](uint32_t x, uint32_t y) {
                  return x >= 1 && x <= 2 && y == 1 ? Pixel{0, 128, 128} : Pixel{0, 0, 255};
              })));
}

}  // namespace
}  // namespace dw::test
